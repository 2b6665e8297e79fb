#pragma once

// A dictionary type for the namespaces a property script runs in: it
// remembers, in a dictionary of its own (its `order` attribute, which
// several namespaces may share), the order in which keys were first set by
// assignment, so that new properties come in the order the script first
// assigned them, even when it deleted and set a name again. It is written
// in C so that every top-level assignment of a script costs no more than
// in a plain dictionary.

#include <Python.h>

namespace kelvra::app::script {

// The type, ready to use; call with the GIL held.
PyTypeObject *recording_dict_type();

} // namespace kelvra::app::script

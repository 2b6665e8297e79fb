#pragma once

#include "widgets/dialogs/dialogs_export.h"

namespace kelvra::dialogs {

// Opens a "Remove object" dialog without parent and runs the event loop.
DIALOGS_EXPORT int main();

} // namespace kelvra::dialogs

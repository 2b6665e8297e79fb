#include "app/script/recordingdict.h"

#include <structmember.h>

#include <cstddef>

namespace kelvra::app::script {
namespace {

struct RecordingDict
{
    PyDictObject dict;
    PyObject *order; // a dict used as an ordered set of keys, or null
};

int assign(PyObject *self, PyObject *key, PyObject *value)
{
    PyObject *order = reinterpret_cast<RecordingDict *>(self)->order;
    if (value && order && !PyDict_SetDefault(order, key, Py_None))
        return -1;
    return PyDict_Type.tp_as_mapping->mp_ass_subscript(self, key, value);
}

int traverse(PyObject *self, visitproc visit, void *arg)
{
    Py_VISIT(Py_TYPE(self));
    Py_VISIT(reinterpret_cast<RecordingDict *>(self)->order);
    return PyDict_Type.tp_traverse(self, visit, arg);
}

int clear(PyObject *self)
{
    Py_CLEAR(reinterpret_cast<RecordingDict *>(self)->order);
    return PyDict_Type.tp_clear(self);
}

void dealloc(PyObject *self)
{
    PyTypeObject *type = Py_TYPE(self);
    PyObject_GC_UnTrack(self);
    Py_CLEAR(reinterpret_cast<RecordingDict *>(self)->order);
    PyDict_Type.tp_dealloc(self);
    Py_DECREF(type); // each instance of a type made at run time holds it
}

PyTypeObject *make_type()
{
    static PyMemberDef members[] = {
        {const_cast<char *>("order"), T_OBJECT, offsetof(RecordingDict, order), 0,
         const_cast<char *>("keys in the order they were first assigned")},
        {},
    };
    static PyType_Slot slots[] = {
        {Py_mp_ass_subscript, reinterpret_cast<void *>(assign)},
        {Py_tp_traverse, reinterpret_cast<void *>(traverse)},
        {Py_tp_clear, reinterpret_cast<void *>(clear)},
        {Py_tp_dealloc, reinterpret_cast<void *>(dealloc)},
        {Py_tp_members, members},
        {},
    };
    static PyType_Spec spec{"kelvra.Names", int(sizeof(RecordingDict)), 0,
                            Py_TPFLAGS_DEFAULT | Py_TPFLAGS_HAVE_GC, slots};
    return reinterpret_cast<PyTypeObject *>(
        PyType_FromSpecWithBases(&spec, reinterpret_cast<PyObject *>(&PyDict_Type)));
}

} // namespace

PyTypeObject *recording_dict_type()
{
    static PyTypeObject *const type = make_type(); // held for good
    return type;
}

} // namespace kelvra::app::script

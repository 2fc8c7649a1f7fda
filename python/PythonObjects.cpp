#include "PythonObjects.h"

#include <cxxabi.h>
#include <structmember.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>

#include "core/ExPt.h"

namespace exload::bindings {

namespace {

struct PointObject {
    PyObject_HEAD
    double dR;
    double dX;
    double dY;
};

struct IteratorObject {
    PyObject_HEAD
    Keep keep;
    const char* pNext;
    const char* pEnd;
    std::size_t nStride;
    MakeItem make;
};

// Model types have no constructor of their own: only a load makes them.
constexpr unsigned long kTypeFlags = Py_TPFLAGS_DEFAULT | Py_TPFLAGS_DISALLOW_INSTANTIATION;

std::vector<PyTypeObject*>& MadeTypes()
{
    static std::vector<PyTypeObject*> types;
    return types;
}

PyTypeObject* MakeType(const char* name, int basicSize, unsigned long flags, PyType_Slot* slots, PyTypeObject* base)
{
    PyType_Spec spec = {name, basicSize, 0, static_cast<unsigned int>(flags), slots};
    PyObject* bases = base ? PyTuple_Pack(1, reinterpret_cast<PyObject*>(base)) : nullptr;
    if (base && !bases)
        return nullptr;
    PyObject* type = PyType_FromSpecWithBases(&spec, bases);
    Py_XDECREF(bases);
    return reinterpret_cast<PyTypeObject*>(type);
}

// ---- wrappers --------------------------------------------------------------

void WrapperDealloc(PyObject* self)
{
    PyTypeObject* type = Py_TYPE(self);
    reinterpret_cast<Wrapper*>(self)->keep.~Keep();
    type->tp_free(self);
    Py_DECREF(type);
}

// Two wrappers are equal when they show the same object.
PyObject* WrapperRichCompare(PyObject* a, PyObject* b, int op)
{
    if ((op != Py_EQ && op != Py_NE) || Py_TYPE(a)->tp_dealloc != Py_TYPE(b)->tp_dealloc)
        Py_RETURN_NOTIMPLEMENTED;
    const bool same = Py_TYPE(a) == Py_TYPE(b) && reinterpret_cast<Wrapper*>(a)->p == reinterpret_cast<Wrapper*>(b)->p;
    return PyBool_FromLong((op == Py_EQ) == same);
}

Py_hash_t WrapperHash(PyObject* self)
{
    const auto h = static_cast<Py_hash_t>(std::hash<const void*>{}(reinterpret_cast<Wrapper*>(self)->p));
    return h == -1 ? -2 : h;
}

// ---- points ------------------------------------------------------------------

PyTypeObject* g_pointType = nullptr;
PyTypeObject* g_iteratorType = nullptr;

PyMemberDef g_pointMembers[] = {
    {"dR", T_DOUBLE, offsetof(PointObject, dR), READONLY, "third value of an x, y, r point; 0 for a plain point"},
    {"dX", T_DOUBLE, offsetof(PointObject, dX), READONLY, "x"},
    {"dY", T_DOUBLE, offsetof(PointObject, dY), READONLY, "y"},
    {nullptr, 0, 0, 0, nullptr},
};

std::string Number(double d)
{
    char* s = PyOS_double_to_string(d, 'r', 0, Py_DTSF_ADD_DOT_0, nullptr);
    std::string out = s ? s : "?";
    PyMem_Free(s);
    return out;
}

PyObject* PointRepr(PyObject* self)
{
    const auto* p = reinterpret_cast<PointObject*>(self);
    std::string s = "CExPt(dX=";
    s.append(Number(p->dX)).append(", dY=").append(Number(p->dY)).append(", dR=").append(Number(p->dR)).append(")");
    return NewReprStr(s);
}

PyType_Slot g_pointSlots[] = {
    {Py_tp_members, g_pointMembers},
    {Py_tp_repr, reinterpret_cast<void*>(PointRepr)},
    {Py_tp_doc, const_cast<char*>("A point of the design: dX, dY and dR, a read-only copy.")},
    {0, nullptr},
};

// ---- iterators ---------------------------------------------------------------

PyObject* IteratorNext(PyObject* self)
{
    auto* it = reinterpret_cast<IteratorObject*>(self);
    if (it->pNext == it->pEnd)
        return nullptr;  // the end, without an exception object
    const char* item = it->pNext;
    it->pNext += it->nStride;
    return it->make(it->keep, item);
}

void IteratorDealloc(PyObject* self)
{
    PyTypeObject* type = Py_TYPE(self);
    reinterpret_cast<IteratorObject*>(self)->keep.~Keep();
    type->tp_free(self);
    Py_DECREF(type);
}

PyType_Slot g_iteratorSlots[] = {
    {Py_tp_iter, reinterpret_cast<void*>(PyObject_SelfIter)},
    {Py_tp_iternext, reinterpret_cast<void*>(IteratorNext)},
    {Py_tp_dealloc, reinterpret_cast<void*>(IteratorDealloc)},
    {0, nullptr},
};

} // namespace

PyObject* NewWrapper(PyTypeObject* type, const Keep& keep, const void* p)
{
    if (!type) {
        PyErr_SetString(PyExc_RuntimeError, "exload: a class of the model has no Python type");
        return nullptr;
    }
    Wrapper* w = PyObject_New(Wrapper, type);
    if (!w)
        return nullptr;
    new (&w->keep) Keep(keep);
    w->p = p;
    return reinterpret_cast<PyObject*>(w);
}

PyTypeObject* NewWrapperType(const char* name, std::vector<PyType_Slot> slots, PyTypeObject* base)
{
    slots.push_back({Py_tp_dealloc, reinterpret_cast<void*>(WrapperDealloc)});
    slots.push_back({Py_tp_richcompare, reinterpret_cast<void*>(WrapperRichCompare)});
    slots.push_back({Py_tp_hash, reinterpret_cast<void*>(WrapperHash)});
    slots.push_back({0, nullptr});
    PyTypeObject* type = MakeType(name, sizeof(Wrapper), kTypeFlags | Py_TPFLAGS_BASETYPE, slots.data(), base);
    if (type)
        MadeTypes().push_back(type);
    return type;
}

bool AddTypes(PyObject* module)
{
    if (!g_pointType)
        g_pointType = MakeType("exload.CExPt", sizeof(PointObject), kTypeFlags, g_pointSlots, nullptr);
    if (!g_iteratorType)
        g_iteratorType = MakeType("exload.Iterator", sizeof(IteratorObject), kTypeFlags, g_iteratorSlots, nullptr);
    if (!g_pointType || !g_iteratorType)
        return false;
    std::vector<PyTypeObject*> types = MadeTypes();
    types.push_back(g_pointType);
    types.push_back(g_iteratorType);
    for (PyTypeObject* type : types) {
        // The module holds a reference of its own; ours stays for the process.
        const char* dot = std::strrchr(type->tp_name, '.');
        if (PyModule_AddObjectRef(module, dot ? dot + 1 : type->tp_name, reinterpret_cast<PyObject*>(type)) < 0)
            return false;
    }
    return true;
}

PyObject* Subscript(PyObject* self, PyObject* key, Py_ssize_t length, ItemAt item)
{
    auto* w = reinterpret_cast<Wrapper*>(self);
    if (PyIndex_Check(key)) {
        Py_ssize_t i = PyNumber_AsSsize_t(key, PyExc_IndexError);
        if (i == -1 && PyErr_Occurred())
            return nullptr;
        if (i < 0)
            i += length;
        if (i < 0 || i >= length) {
            PyErr_SetString(PyExc_IndexError, "index out of range");
            return nullptr;
        }
        return item(w, i);
    }
    if (!PySlice_Check(key)) {
        PyErr_Format(PyExc_TypeError, "indices must be integers or slices, not %.200s", Py_TYPE(key)->tp_name);
        return nullptr;
    }
    Py_ssize_t start = 0, stop = 0, step = 0;
    if (PySlice_Unpack(key, &start, &stop, &step) < 0)
        return nullptr;
    const Py_ssize_t n = PySlice_AdjustIndices(length, &start, &stop, step);
    PyObject* list = PyList_New(n);
    if (!list)
        return nullptr;
    for (Py_ssize_t k = 0; k < n; ++k) {
        PyObject* o = item(w, start + k * step);
        if (!o) {
            Py_DECREF(list);
            return nullptr;
        }
        PyList_SET_ITEM(list, k, o);
    }
    return list;
}

PyObject* NewIterator(const Keep& keep, const void* first, std::size_t n, std::size_t stride, MakeItem make)
{
    IteratorObject* it = PyObject_New(IteratorObject, g_iteratorType);
    if (!it)
        return nullptr;
    new (&it->keep) Keep(keep);
    it->pNext = static_cast<const char*>(first);
    it->pEnd = it->pNext + n * stride;
    it->nStride = stride;
    it->make = make;
    return reinterpret_cast<PyObject*>(it);
}

PyObject* NewPoint(const CExPt& pt)
{
    PointObject* p = PyObject_New(PointObject, g_pointType);
    if (!p)
        return nullptr;
    p->dR = pt.dR;
    p->dX = pt.dX;
    p->dY = pt.dY;
    return reinterpret_cast<PyObject*>(p);
}

PyObject* PointsXY(PyObject* self, PyObject*)
{
    const auto* points = static_cast<const CExPtArray*>(reinterpret_cast<Wrapper*>(self)->p);
    PyObject* list = PyList_New(static_cast<Py_ssize_t>(points->GetSize()));
    if (!list)
        return nullptr;
    Py_ssize_t k = 0;
    for (const CExPt& pt : *points) {
        PyObject* xy = Py_BuildValue("(dd)", pt.dX, pt.dY);
        if (!xy) {
            Py_DECREF(list);
            return nullptr;
        }
        PyList_SET_ITEM(list, k++, xy);
    }
    return list;
}

PyObject* NewStr(const std::string& s)
{
    return PyUnicode_DecodeUTF8(s.data(), static_cast<Py_ssize_t>(s.size()), "surrogateescape");
}

PyObject* NewStrList(const std::vector<std::string>& sa)
{
    PyObject* list = PyList_New(static_cast<Py_ssize_t>(sa.size()));
    if (!list)
        return nullptr;
    for (std::size_t i = 0; i < sa.size(); ++i) {
        PyObject* s = NewStr(sa[i]);
        if (!s) {
            Py_DECREF(list);
            return nullptr;
        }
        PyList_SET_ITEM(list, static_cast<Py_ssize_t>(i), s);
    }
    return list;
}

std::string ReprOf(PyObject* value)
{
    if (!value) {
        PyErr_Clear();
        return "?";
    }
    PyObject* repr = PyObject_Repr(value);
    Py_DECREF(value);
    const char* s = repr ? PyUnicode_AsUTF8(repr) : nullptr;
    std::string out = s ? s : "?";
    Py_XDECREF(repr);
    if (!s)
        PyErr_Clear();
    return out;
}

std::string Abbreviated(const std::vector<std::string>& sa)
{
    // A log entry may hold a million further lines.
    constexpr std::size_t kShown = 4;
    if (sa.size() <= kShown)
        return ReprOf(NewStrList(sa));
    std::string s = "[";
    for (std::size_t i = 0; i < kShown; ++i)
        s.append(ReprOf(NewStr(sa[i]))).append(", ");
    return s.append("... ").append(std::to_string(sa.size())).append(" in all]");
}

std::string Counted(std::int64_t n, const char* what)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "<%lld %s>", static_cast<long long>(n), what);
    return buf;
}

std::string Angled(const char* name)
{
    std::string s = "<";
    return s.append(name).append(">");
}

PyObject* NewReprStr(const std::string& s)
{
    return PyUnicode_FromStringAndSize(s.data(), static_cast<Py_ssize_t>(s.size()));
}

std::string Demangle(const char* mangled)
{
    int status = 0;
    char* name = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string out = status == 0 && name ? name : mangled;
    std::free(name);
    return out;
}

} // namespace exload::bindings

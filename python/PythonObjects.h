#pragma once

// The plain CPython side of the bindings: one object layout for every model
// object and array (a view that shares ownership of the design root), points,
// iterators and text. A walk of a large design touches millions of objects,
// so these avoid any per-call dispatch beyond CPython's own.
//
// Every function returning PyObject* gives a new reference, or null with a
// Python error set, and never throws.

#include <Python.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CExPt;

namespace exload::bindings {

// Shares ownership of the design root: what keeps a held net valid after
// the root's own Python object is gone.
using Keep = std::shared_ptr<const void>;

struct Wrapper {
    PyObject_HEAD
    Keep keep;
    const void* p;  // the object (as its class hierarchy's topmost class) or the array
};

PyObject* NewWrapper(PyTypeObject* type, const Keep& keep, const void* p);

// A new heap type "exload.Name" over Wrapper with these slots (dealloc,
// comparison and hash added), derived from base when not null. Kept for
// AddTypes.
PyTypeObject* NewWrapperType(const char* name, std::vector<PyType_Slot> slots, PyTypeObject* base);
// Adds every type made so far, and CExPt, to the module; false with an
// error set.
bool AddTypes(PyObject* module);

// Sequence access shared by all arrays: an index (negative counts from the
// end) gives item(self, i), a slice gives a list.
using ItemAt = PyObject* (*)(Wrapper* self, Py_ssize_t i);
PyObject* Subscript(PyObject* self, PyObject* key, Py_ssize_t length, ItemAt item);

using MakeItem = PyObject* (*)(const Keep& keep, const void* item);
// An iterator over n items, stride bytes apart from first.
PyObject* NewIterator(const Keep& keep, const void* first, std::size_t n, std::size_t stride, MakeItem make);

// A read-only copy of a point.
PyObject* NewPoint(const CExPt& pt);
// The xy() method of a point array: a list of (dX, dY) tuples.
PyObject* PointsXY(PyObject* self, PyObject*);
// Text as the files wrote it: UTF-8 where it is, other bytes kept as
// surrogates (s.encode("utf-8", "surrogateescape") gives them back).
PyObject* NewStr(const std::string& s);
PyObject* NewStrList(const std::vector<std::string>& sa);

// Pieces of an object's repr.
std::string ReprOf(PyObject* value);  // steals value; "?" when it is null
std::string Abbreviated(const std::vector<std::string>& sa);
std::string Counted(std::int64_t n, const char* what);  // "<12 items>"
std::string Angled(const char* name);                   // "<CExNet>"
PyObject* NewReprStr(const std::string& s);

std::string Demangle(const char* mangled);

} // namespace exload::bindings

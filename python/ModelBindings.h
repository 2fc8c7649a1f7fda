#pragma once

// Python types made from the member tables: every class of the model under
// its own name with its members as read-only attributes under their own
// names, base classes as Python bases, pointer and point arrays as
// sequences. An object always comes out as its exact class.

#include <Python.h>

#include <cstddef>
#include <exception>
#include <string>
#include <tuple>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include "ModelMembers.h"
#include "PythonObjects.h"

namespace exload::bindings {

// The Python type of each class, made once.
template <class T>
inline PyTypeObject* g_type = nullptr;

// The topmost class with a table above T: a wrapper's pointer is of that
// class, so that a base's attributes read it without knowing the exact class.
template <class T>
struct TableRootOf {
    using type = T;
};
template <class T>
    requires(!std::is_void_v<ex::TableBase<T>>)
struct TableRootOf<T> {
    using type = typename TableRootOf<ex::TableBase<T>>::type;
};
template <class T>
using TableRoot = typename TableRootOf<T>::type;

template <class T>
const T& Self(PyObject* self)
{
    return *static_cast<const T*>(static_cast<const TableRoot<T>*>(reinterpret_cast<Wrapper*>(self)->p));
}

template <class T>
const char* ClassName()
{
    static const std::string name = [] {
        std::string s = ex::ModelTable<T>::sName;
        return s.rfind("ex::", 0) == 0 ? s.substr(4) : s;
    }();
    return name.c_str();
}

template <class A>
const char* ArrayName()
{
    static const std::string name = Demangle(typeid(A).name());
    return name.c_str();
}

// Runs f, turning a C++ exception into a Python one: C slots must not throw.
template <class F>
auto Guarded(F&& f) -> decltype(f())
{
    try {
        return f();
    } catch (const std::bad_alloc&) {
        PyErr_NoMemory();
    } catch (const std::exception& e) {
        PyErr_SetString(PyExc_RuntimeError, e.what());
    }
    return {};
}

// The object as its exact class; None for null.
template <class T>
PyObject* NewObject(const Keep& keep, const T* p)
{
    if (!p)
        Py_RETURN_NONE;
    PyObject* out = nullptr;
    ex::VisitAsExact(*p, [&](const auto& exact) {
        using E = std::remove_cvref_t<decltype(exact)>;
        out = NewWrapper(g_type<E>, keep, static_cast<const TableRoot<E>*>(&exact));
    });
    return out;
}

template <class A>
PyObject* NewArray(const Keep& keep, const A* p)
{
    if (!p)
        Py_RETURN_NONE;
    return NewWrapper(g_type<A>, keep, p);
}

template <class M>
inline constexpr bool kUnsupported = false;

// The Python value of a member or of an array element.
template <class M>
PyObject* ValueOf(const Keep& keep, const M& v)
{
    if constexpr (std::is_same_v<M, int>)
        return PyLong_FromLong(v);
    else if constexpr (std::is_same_v<M, double>)
        return PyFloat_FromDouble(v);
    else if constexpr (std::is_same_v<M, std::string>)
        return NewStr(v);
    else if constexpr (std::is_same_v<M, std::vector<std::string>>)
        return NewStrList(v);
    else if constexpr (std::is_same_v<M, CExPt>)
        return NewPoint(v);
    else if constexpr (std::is_same_v<M, CExPtArray>)
        return NewArray(keep, &v);
    else if constexpr (std::is_pointer_v<M>) {
        using P = std::remove_cv_t<std::remove_pointer_t<M>>;
        if constexpr (ex::HasTable<P>)
            return NewObject<P>(keep, v);
        else
            return NewArray<P>(keep, v);
    } else {
        static_assert(kUnsupported<M>, "a member type the bindings do not know");
    }
}

// Text for a member inside an object's repr: leaves in full, arrays by their
// size, objects by their class.
template <class M>
std::string MemberRepr(const Keep& keep, const M& v)
{
    if constexpr (std::is_same_v<M, std::vector<std::string>>) {
        return Abbreviated(v);
    } else if constexpr (std::is_same_v<M, CExPtArray>) {
        return Counted(v.GetSize(), "points");
    } else if constexpr (std::is_pointer_v<M>) {
        using P = std::remove_cv_t<std::remove_pointer_t<M>>;
        if (!v)
            return "None";
        if constexpr (ex::PointerArray<P>) {
            return Counted(v->GetSize(), "items");
        } else {
            std::string name;
            ex::VisitAsExact(*v, [&name](const auto& exact) {
                name = Angled(ClassName<std::remove_cvref_t<decltype(exact)>>());
            });
            return name;
        }
    } else {
        return ReprOf(ValueOf(keep, v));
    }
}

// ---- sequences -------------------------------------------------------------

template <class A>
Py_ssize_t Length(PyObject* self)
{
    return static_cast<Py_ssize_t>(Self<A>(self).GetSize());
}

template <class A>
PyObject* ItemOf(Wrapper* self, Py_ssize_t i)
{
    return ValueOf(self->keep, Self<A>(reinterpret_cast<PyObject*>(self)).GetData()[i]);
}

// The sequence protocol's access, which reversed() uses; CPython has added
// the length to a negative index already.
template <class A>
PyObject* SequenceItem(PyObject* self, Py_ssize_t i)
{
    if (i < 0 || i >= Length<A>(self)) {
        PyErr_SetString(PyExc_IndexError, "index out of range");
        return nullptr;
    }
    return ItemOf<A>(reinterpret_cast<Wrapper*>(self), i);
}

template <class A>
PyObject* GetItem(PyObject* self, PyObject* key)
{
    return Subscript(self, key, Length<A>(self), &ItemOf<A>);
}

template <class A>
PyObject* NextItem(const Keep& keep, const void* item)
{
    return ValueOf(keep, *static_cast<const typename A::value_type*>(item));
}

template <class A>
PyObject* Iterate(PyObject* self)
{
    const A& a = Self<A>(self);
    return NewIterator(reinterpret_cast<Wrapper*>(self)->keep, a.GetData(), static_cast<std::size_t>(a.GetSize()),
                       sizeof(typename A::value_type), &NextItem<A>);
}

template <class A>
void AddSequenceSlots(std::vector<PyType_Slot>& slots)
{
    slots.push_back({Py_sq_length, reinterpret_cast<void*>(&Length<A>)});
    slots.push_back({Py_sq_item, reinterpret_cast<void*>(&SequenceItem<A>)});
    slots.push_back({Py_mp_length, reinterpret_cast<void*>(&Length<A>)});
    slots.push_back({Py_mp_subscript, reinterpret_cast<void*>(&GetItem<A>)});
    slots.push_back({Py_tp_iter, reinterpret_cast<void*>(&Iterate<A>)});
}

// ---- classes ---------------------------------------------------------------

template <class T>
PyTypeObject* ClassType();
template <class A>
PyTypeObject* ArrayType();

// Makes the Python types that values of type M come as.
template <class M>
bool MakeValueType()
{
    if constexpr (std::is_same_v<M, CExPtArray>) {
        return ArrayType<CExPtArray>() != nullptr;
    } else if constexpr (std::is_pointer_v<M>) {
        using P = std::remove_cv_t<std::remove_pointer_t<M>>;
        if constexpr (ex::HasTable<P>)
            return ClassType<P>() != nullptr;
        else
            return ArrayType<P>() != nullptr;
    } else {
        return true;
    }
}

template <class T, std::size_t I>
PyObject* GetMember(PyObject* self, void*)
{
    constexpr auto member = std::get<I>(ex::ModelTable<T>::kMembers);
    if constexpr (std::is_same_v<std::remove_cv_t<decltype(member)>, ex::Elements>) {
        // An array with a table lists itself as its elements.
        return Py_NewRef(self);
    } else {
        return Guarded([self, member] {
            return ValueOf(reinterpret_cast<Wrapper*>(self)->keep, Self<T>(self).*member.pMember);
        });
    }
}

template <class T, std::size_t... I>
std::vector<PyGetSetDef> Getters(std::index_sequence<I...>)
{
    return {{std::get<I>(ex::ModelTable<T>::kMembers).sName, &GetMember<T, I>, nullptr, nullptr, nullptr}...,
            {nullptr, nullptr, nullptr, nullptr, nullptr}};
}

template <class T>
PyObject* ObjectRepr(PyObject* self)
{
    return Guarded([self]() -> PyObject* {
        const T& o = Self<T>(self);
        const Keep& keep = reinterpret_cast<Wrapper*>(self)->keep;
        std::string s = ClassName<T>();
        s += '(';
        const char* separator = "";
        ex::ForEachMember<T>([&](const auto& member) {
            s.append(separator).append(member.sName).append("=");
            separator = ", ";
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(member)>, ex::Elements>)
                s += Counted(o.GetSize(), "items");
            else
                s += MemberRepr(keep, o.*member.pMember);
        });
        s += ')';
        return NewReprStr(s);
    });
}

template <class... S>
bool MakeClassTypes(ex::TypeList<S...>)
{
    return ((ClassType<S>() != nullptr) && ...);
}

template <class T>
PyTypeObject* ClassType()
{
    if (g_type<T>)
        return g_type<T>;
    using B = ex::TableBase<T>;
    PyTypeObject* base = nullptr;
    if constexpr (!std::is_void_v<B>) {
        base = ClassType<B>();
        if (!base)
            return nullptr;
    }
    constexpr std::size_t nMembers = std::tuple_size_v<std::remove_cvref_t<decltype(ex::ModelTable<T>::kMembers)>>;
    static std::vector<PyGetSetDef> getters = Getters<T>(std::make_index_sequence<nMembers>{});
    std::vector<PyType_Slot> slots = {
        {Py_tp_getset, getters.data()},
        {Py_tp_repr, reinterpret_cast<void*>(&ObjectRepr<T>)},
    };
    if constexpr (ex::PointerArray<T>)
        AddSequenceSlots<T>(slots);
    static const std::string name = std::string("exload.") + ClassName<T>();
    g_type<T> = NewWrapperType(name.c_str(), std::move(slots), base);
    if (!g_type<T>)
        return nullptr;

    PyObject* fields = PyList_New(0);
    if (!fields)
        return nullptr;
    ex::ForEachMember<T>([fields](const auto& member) {
        PyObject* s = PyUnicode_FromString(member.sName);
        if (s) {
            PyList_Append(fields, s);
            Py_DECREF(s);
        }
    });
    PyObject* tuple = PyList_AsTuple(fields);
    Py_DECREF(fields);
    if (!tuple || PyObject_SetAttrString(reinterpret_cast<PyObject*>(g_type<T>), "_fields", tuple) < 0) {
        Py_XDECREF(tuple);
        return nullptr;
    }
    Py_DECREF(tuple);

    bool ok = true;
    ex::ForEachOwnMember<T>([&ok](const auto& member) {
        if constexpr (!std::is_same_v<std::remove_cvref_t<decltype(member)>, ex::Elements>)
            ok = ok && MakeValueType<typename std::remove_cvref_t<decltype(member)>::Type>();
    });
    if constexpr (ex::PointerArray<T>)
        ok = ok && MakeValueType<typename T::value_type>();
    if (!ok || !MakeClassTypes(ex::TableSubclasses<T>{}))
        return nullptr;
    return g_type<T>;
}

template <class A>
PyObject* ArrayRepr(PyObject* self)
{
    return Guarded([self]() -> PyObject* {
        std::string s = "<";
        s.append(ArrayName<A>()).append(", ").append(std::to_string(Self<A>(self).GetSize())).append(" items>");
        return NewReprStr(s);
    });
}

template <class A>
PyTypeObject* ArrayType()
{
    if (g_type<A>)
        return g_type<A>;
    std::vector<PyType_Slot> slots = {{Py_tp_repr, reinterpret_cast<void*>(&ArrayRepr<A>)}};
    AddSequenceSlots<A>(slots);
    using Item = typename A::value_type;
    if constexpr (std::is_same_v<Item, CExPt>) {
        static PyMethodDef methods[] = {
            {"xy", &PointsXY, METH_NOARGS, "All points as a list of (dX, dY) tuples."},
            {nullptr, nullptr, 0, nullptr},
        };
        slots.push_back({Py_tp_methods, methods});
    }
    static const std::string name = std::string("exload.") + ArrayName<A>();
    g_type<A> = NewWrapperType(name.c_str(), std::move(slots), nullptr);
    if (!g_type<A> || !MakeValueType<Item>())
        return nullptr;
    return g_type<A>;
}

} // namespace exload::bindings

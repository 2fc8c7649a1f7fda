#pragma once

// One constant table per model class names its members in declaration
// order; everything that walks a loaded design (JSON export, object counts,
// bindings) goes through these tables, so a member added to a class and to
// its table shows up everywhere at once.
//
// A table is a specialisation of ex::ModelTable<Class> derived from
// ex::TableDefaults:
//   EX_CLASS(CExNet);                          the class and its name
//   using Base = ...;                          optional: members listed first
//   using Subclasses = ex::TypeList<...>;      optional: exact classes an
//                                              object may really be
//   static constexpr auto kMembers = std::tuple{EX_MEMBER(sNetName), ...};
//
// The walker calls a visitor V with
//   v.Kind("CExFoo")                   first, once per object: its exact class
//   v("sName", o.sName)                a leaf: int, double, string, string
//                                      array, CExPt or CExPtArray
//   v.Obj("pLayerPair", o.pLayerPair)  an owned object with a table, null allowed
//   v.Arr("pTextArray", o.pTextArray)  an owned pointer array, null allowed
//   v.Items("elements", array)         the elements of an array that has a table
// and a visitor describes a nested object by calling ex::Describe again.

#include <tuple>
#include <type_traits>
#include <typeinfo>
#include <utility>

namespace ex {

template <class... T>
struct TypeList {};

// A data member of class C (or of a base of it) of type M.
template <class C, class M>
struct Member {
    using Type = M;
    const char* sName;
    M C::*pMember;
};
template <class C, class M>
Member(const char*, M C::*) -> Member<C, M>;

// An array class's own elements, listed among its members.
struct Elements {
    const char* sName;
};

template <class T>
struct ModelTable;

#define EX_CLASS(Class)  \
    using C = Class;     \
    static constexpr const char* sName = #Class
#define EX_MEMBER(name) ::ex::Member{#name, &C::name}

template <class T>
concept HasTable = requires { ModelTable<T>::sName; };

// An owning array of pointers: what CExPtrArray and its companions are.
template <class A>
concept PointerArray = requires { typename A::value_type; } && std::is_pointer_v<typename A::value_type>;

// What a table leaves out: no base class whose members come first, no
// subclasses an object may really be.
struct TableDefaults {
    using Base = void;
    using Subclasses = TypeList<>;
};

template <class T>
using TableBase = typename ModelTable<T>::Base;
template <class T>
using TableSubclasses = typename ModelTable<T>::Subclasses;

// f(member) for the members T declares itself, in order.
template <class T, class F>
constexpr void ForEachOwnMember(F&& f)
{
    std::apply([&f](const auto&... m) { (f(m), ...); }, ModelTable<T>::kMembers);
}

// f(member) for every member of T, its bases' first.
template <class T, class F>
constexpr void ForEachMember(F&& f)
{
    if constexpr (!std::is_void_v<TableBase<T>>)
        ForEachMember<TableBase<T>>(f);
    ForEachOwnMember<T>(f);
}

// Calls f with o cast to its exact class when that is one of S; false when
// it is none of them.
// The type_info objects of one program are unique: their addresses are
// compared, which spares a string comparison per class tried.
template <class... S, class Base, class F>
bool VisitExact(const Base& o, F&& f)
{
    const std::type_info* type = &typeid(o);
    return ((type == &typeid(S) ? (f(static_cast<const S&>(o)), true) : false) || ...);
}

template <class Base, class F, class... S>
bool VisitExactIn(const Base& o, F&& f, TypeList<S...>)
{
    return VisitExact<S...>(o, std::forward<F>(f));
}

// f with o cast to the exact class that its table lists; o itself when it
// is of none of them (or its class lists none).
template <class T, class F>
void VisitAsExact(const T& o, F&& f)
{
    if (!VisitExactIn(o, f, TableSubclasses<T>{}))
        f(o);
}

template <class V, class T>
void Describe(V& v, const T& o);

template <class V, class T, class C, class M>
void DescribeMember(V& v, const T& o, const Member<C, M>& m)
{
    const M& value = o.*m.pMember;
    if constexpr (std::is_pointer_v<M>) {
        using P = std::remove_cv_t<std::remove_pointer_t<M>>;
        if constexpr (HasTable<P>)
            v.Obj(m.sName, static_cast<const P*>(value));
        else {
            static_assert(PointerArray<P>, "an owned member is an object with a table or a pointer array");
            v.Arr(m.sName, static_cast<const P*>(value));
        }
    } else {
        v(m.sName, value);
    }
}

template <class V, class T>
void DescribeMember(V& v, const T& o, const Elements& e)
{
    v.Items(e.sName, o);
}

// The object's exact class, then every member in order.
template <class V, class T>
void Describe(V& v, const T& o)
{
    VisitAsExact(o, [&v](const auto& exact) {
        using E = std::remove_cvref_t<decltype(exact)>;
        v.Kind(ModelTable<E>::sName);
        ForEachMember<E>([&](const auto& m) { DescribeMember(v, exact, m); });
    });
}

} // namespace ex

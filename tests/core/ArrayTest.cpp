#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/Array.h"
#include "core/ExExpedition.h"
#include "core/ExPtrArray.h"
#include "layout/ExLayout.h"
#include "netclass/ExNetClass.h"

namespace {

template <class A>
auto Items(const A& a)
{
    return std::vector<typename A::value_type>(a.begin(), a.end());
}

// Counts its own destructions, so that tests see what was deleted and how often.
struct Obj {
    explicit Obj(int* pDeaths = nullptr) : m_pDeaths(pDeaths) {}
    virtual ~Obj()
    {
        if (m_pDeaths)
            ++*m_pDeaths;
    }
    int* m_pDeaths;
};

using Ptrs = CExPtrArray<Obj*, Obj*>;
using Objs = std::vector<Obj*>;

class ObjArray : public Ptrs {
public:
    ~ObjArray() override { DeleteAll(); }
};

TEST(CArray, GrowInsertRemoveAndBounds)
{
    CArray<int, int> a;
    EXPECT_EQ(a.Add(7), 0);
    EXPECT_EQ(a.Add(8), 1);
    a.SetAtGrow(4, 9);
    EXPECT_EQ(Items(a), (std::vector<int>{7, 8, 0, 0, 9}));
    a.SetSize(2);
    a.InsertAt(0, 1);
    a.InsertAt(2, 3, 2);
    a.InsertAt(7, 5);  // past the end: grows first
    EXPECT_EQ(Items(a), (std::vector<int>{1, 7, 3, 3, 8, 0, 0, 5}));
    a.RemoveAt(1, 3);
    EXPECT_EQ(Items(a), (std::vector<int>{1, 8, 0, 0, 5}));

    // A bad index throws and changes nothing.
    for (std::int64_t bad : {std::int64_t{-1}, std::int64_t{5}, std::int64_t{1} << 40}) {
        EXPECT_THROW(a.GetAt(bad), std::invalid_argument);
        EXPECT_THROW(a.SetAt(bad, 1), std::invalid_argument);
        EXPECT_THROW(a[bad], std::invalid_argument);
        EXPECT_THROW(a.ElementAt(bad), std::invalid_argument);
    }
    EXPECT_THROW(a.SetSize(-1), std::invalid_argument);
    EXPECT_THROW(a.SetAtGrow(-1, 0), std::invalid_argument);
    EXPECT_THROW(a.RemoveAt(4, 2), std::invalid_argument);
    EXPECT_THROW(a.RemoveAt(-1), std::invalid_argument);
    EXPECT_EQ(a.GetSize(), 5);
}

// An array appended to or copied into itself, and an element of the array
// passed back into it, must survive the reallocation.
TEST(CArray, Aliasing)
{
    CArray<int, int> a;
    for (int i : {5, 0, 9})
        a.Add(i);
    EXPECT_EQ(a.Append(a), 3);
    EXPECT_EQ(Items(a), (std::vector<int>{5, 0, 9, 5, 0, 9}));
    a.Copy(a);
    EXPECT_EQ(Items(a), (std::vector<int>{5, 0, 9, 5, 0, 9}));
    CArray<int, int> b;
    b.Add(1);
    b.Copy(a);
    EXPECT_EQ(Items(b), Items(a));

    CArray<std::string, const std::string&> s;
    s.Add(std::string(64, 'a'));
    s.SetAtGrow(1000, s[0]);
    EXPECT_EQ(s[1000], std::string(64, 'a'));
    s.InsertAt(0, s[1000], 3);
    EXPECT_EQ(s.GetSize(), 1004);
    EXPECT_EQ(s[2], std::string(64, 'a'));
    s.Add(s[0]);
    EXPECT_EQ(s[1004], std::string(64, 'a'));
}

TEST(CExPtrArray, LookupsNeverThrow)
{
    Ptrs a;
    Obj x, y, z;
    EXPECT_EQ(a.GetAt(0), nullptr);
    EXPECT_EQ(a.GetLastElement(), nullptr);
    EXPECT_EQ(a.FindIndex(&x), -1);
    EXPECT_EQ(a.Add_if_only_do_not_exists(&x), 0);
    EXPECT_EQ(a.Add_if_only_do_not_exists(&y), 1);
    EXPECT_EQ(a.Add_if_only_do_not_exists(&x), -1);
    a.Add(nullptr);
    a.Add(&x);
    EXPECT_EQ(a.FindIndex(&x), 0);  // the first one
    EXPECT_EQ(a.FindIndex(nullptr), 2);
    EXPECT_EQ(a.GetLastIndex(), 3);
    EXPECT_EQ(a.GetAt(-1), nullptr);
    EXPECT_EQ(a.GetAt(4), nullptr);
    a.SetAt(-1, &z);
    a.SetAt(4, &z);
    a.SetAt(2, &z);
    EXPECT_EQ(Items(a), (Objs{&x, &y, &z, &x}));
    for (int i : {-1, 4, 100})
        EXPECT_FALSE(a.IsValidIndex(i)) << i;
    int last = 3;
    EXPECT_TRUE(a.IsValidIndex(last));
}

TEST(CExPtrArray, RemoveDeletesNothingDeleteDeletesOnce)
{
    int deaths = 0;
    Obj* a = new Obj(&deaths);
    Obj* b = new Obj(&deaths);
    Obj* c = new Obj(&deaths);
    {
        ObjArray arr;
        for (Obj* p : {a, b, a, c})
            arr.Add(p);
        EXPECT_TRUE(arr.Remove(a));  // the first one only
        EXPECT_EQ(Items(arr), (Objs{b, a, c}));
        Obj outside;
        EXPECT_FALSE(arr.Remove(&outside));
        EXPECT_FALSE(arr.Delete(&outside));
        EXPECT_EQ(deaths, 0);

        EXPECT_TRUE(arr.Delete(b));
        EXPECT_EQ(deaths, 1);
        EXPECT_EQ(arr.RemoveLastElement(), c);
        delete c;
        arr.Add(nullptr);
        EXPECT_TRUE(arr.DeleteLastElement());  // a null entry goes without a delete
        EXPECT_TRUE(arr.DeleteLastElement());
        EXPECT_EQ(deaths, 3);
        EXPECT_FALSE(arr.DeleteLastElement());
        EXPECT_EQ(arr.RemoveLastElement(), nullptr);
    }
    EXPECT_EQ(deaths, 3);

    ObjArray arr;
    for (int i = 0; i < 5; ++i)
        arr.Add(new Obj(&deaths));
    arr.Add(nullptr);
    const Obj* keep0 = arr.GetAt(0);
    const Obj* keep4 = arr.GetAt(4);
    arr.DeleteAt(1, 0);
    arr.DeleteAt(1, -3);
    arr.DeleteAt(1, 3);
    EXPECT_EQ(deaths, 6);
    EXPECT_EQ(Items(arr), (Objs{const_cast<Obj*>(keep0), const_cast<Obj*>(keep4), nullptr}));
    // A range past the end is refused before anything is deleted.
    EXPECT_THROW(arr.DeleteAt(2, 2), std::invalid_argument);
    EXPECT_THROW(arr.DeleteAt(-1, 1), std::invalid_argument);
    EXPECT_EQ(deaths, 6);
    arr.DeleteAll();
    arr.DeleteAll();
    EXPECT_EQ(deaths, 8);
    EXPECT_TRUE(arr.IsEmpty());
}

TEST(CExPtrArray, DuplicatesNullsReverseMoveAndSubtract)
{
    Obj a, b, c, d, x;
    Ptrs arr;
    for (Obj* p : {&a, &b, &a, static_cast<Obj*>(nullptr), &b, static_cast<Obj*>(nullptr)})
        arr.Add(p);
    arr.RemoveDuplicatedElements();
    EXPECT_EQ(Items(arr), (Objs{&a, &b, nullptr}));
    arr.Add(&c);
    arr.Add(nullptr);
    arr.RemoveNullElement();
    EXPECT_EQ(Items(arr), (Objs{&a, &b, &c}));
    arr.Add(nullptr);
    arr.Reverse();
    EXPECT_EQ(Items(arr), (Objs{nullptr, &c, &b, &a}));

    CArray<Obj*, Obj*> other;
    EXPECT_FALSE(arr.IsElementEqual(other));
    for (Obj* p : arr)
        other.Add(p);
    EXPECT_TRUE(arr.IsElementEqual(other));
    other.SetAt(3, &d);
    EXPECT_FALSE(arr.IsElementEqual(other));

    CArray<Obj*, Obj*> dest;
    dest.Add(&x);
    int first = 1, last = 2;
    EXPECT_TRUE(arr.MoveElementTo(dest, first, last));
    EXPECT_EQ(Items(arr), (Objs{nullptr, &a}));
    EXPECT_EQ(Items(dest), (Objs{&x, &c, &b}));
    first = 1;
    last = 0;
    EXPECT_FALSE(arr.MoveElementTo(dest, first, last));
    last = 5;
    EXPECT_THROW(arr.MoveElementTo(dest, first, last), std::invalid_argument);
    EXPECT_EQ(arr.GetSize() + dest.GetSize(), 5);

    Ptrs many;
    for (Obj* p : {&a, &b, &a, &c, &a})
        many.Add(p);
    CArray<Obj*, Obj*> take;
    for (Obj* p : {&a, &c, &a, &d})  // d is absent: nothing happens
        take.Add(p);
    many.Subtract(take);
    EXPECT_EQ(Items(many), (Objs{&b, &a}));
}

// A million entries: the duplicate and null passes must stay linear.
TEST(CExPtrArray, LargeArraysStayFast)
{
    std::vector<Obj> objs(1000);
    Ptrs arr;
    arr.Reserve(1000000);
    for (int i = 0; i < 1000000; ++i)
        arr.Add(i % 7 == 0 ? nullptr : &objs[static_cast<std::size_t>(i % 1000)]);
    arr.RemoveDuplicatedElements();
    EXPECT_EQ(arr.GetSize(), 1001);  // every object once, one null
    EXPECT_EQ(arr.GetAt(0), nullptr);
    arr.RemoveNullElement();
    EXPECT_EQ(arr.FindIndex(nullptr), -1);
    EXPECT_EQ(arr.GetAt(0), &objs[1]);
}

// The net arrays leave their elements to the root, which deletes them.
class CountedNetClass : public CExNetClass {
public:
    explicit CountedNetClass(int* pDeaths) : m_pDeaths(pDeaths) {}
    ~CountedNetClass() override { ++*m_pDeaths; }
    int* m_pDeaths;
};

TEST(CExExpedition, RootDeletesWhatItHolds)
{
    int deaths = 0;
    auto* element = new CountedNetClass(&deaths);
    auto* classes = new CExNetClassArray;
    classes->Add(element);
    delete classes;  // on its own it deletes only its logs
    EXPECT_EQ(deaths, 0);
    delete element;
    {
        CExExpedition root;
        root.pNetClassArray = new CExNetClassArray;
        root.pNetClassArray->Add(new CountedNetClass(&deaths));
        root.pNetClassArray->Add(nullptr);
        root.pNetClassArray->Add(new CountedNetClass(&deaths));
        root.pLayout = new CExLayout;
    }
    EXPECT_EQ(deaths, 3);
}

} // namespace

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

template <class T>
std::vector<T> Items(const CArray<T, T>& a)
{
    return std::vector<T>(a.begin(), a.end());
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

struct DerivedObj : Obj {
    using Obj::Obj;
    std::string sPayload = std::string(100, 'x');  // leaks show under the sanitizer
};

using Ptrs = CExPtrArray<Obj*, Obj*>;

class ObjArray : public Ptrs {
public:
    ~ObjArray() override { DeleteAll(); }
};

std::vector<Obj*> Items(const Ptrs& a) { return std::vector<Obj*>(a.begin(), a.end()); }

TEST(CArray, SizeGrowAndBounds)
{
    CArray<int, int> a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.GetUpperBound(), -1);
    EXPECT_EQ(a.Add(7), 0);
    EXPECT_EQ(a.Add(8), 1);
    EXPECT_EQ(a.GetSize(), 2);
    EXPECT_EQ(a.GetCount(), 2);
    EXPECT_EQ(a.GetUpperBound(), 1);

    a.SetAtGrow(4, 9);
    EXPECT_EQ(Items(a), (std::vector<int>{7, 8, 0, 0, 9}));
    a.SetSize(2);
    EXPECT_EQ(Items(a), (std::vector<int>{7, 8}));
    a.SetAt(1, 5);
    a[0] = 4;
    a.ElementAt(0) += 1;
    EXPECT_EQ(a.GetAt(0), 5);
    EXPECT_EQ(a.GetData()[1], 5);

    for (std::int64_t bad : {std::int64_t{-1}, std::int64_t{2}, std::int64_t{1} << 40}) {
        EXPECT_THROW(a.GetAt(bad), std::invalid_argument);
        EXPECT_THROW(a.SetAt(bad, 1), std::invalid_argument);
        EXPECT_THROW(a[bad], std::invalid_argument);
        EXPECT_THROW(a.ElementAt(bad), std::invalid_argument);
    }
    EXPECT_THROW(a.SetSize(-1), std::invalid_argument);
    EXPECT_THROW(a.SetAtGrow(-1, 0), std::invalid_argument);

    a.SetSize(0);
    EXPECT_TRUE(a.IsEmpty());
    a.Add(1);
    a.RemoveAll();
    EXPECT_EQ(a.GetSize(), 0);
}

TEST(CArray, InsertRemoveAppendCopy)
{
    CArray<int, int> a;
    a.InsertAt(0, 1);
    a.InsertAt(0, 0);
    a.InsertAt(2, 3, 2);
    EXPECT_EQ(Items(a), (std::vector<int>{0, 1, 3, 3}));
    a.InsertAt(6, 9);  // past the end: grows first
    EXPECT_EQ(Items(a), (std::vector<int>{0, 1, 3, 3, 0, 0, 9}));

    a.RemoveAt(1, 3);
    EXPECT_EQ(Items(a), (std::vector<int>{0, 0, 0, 9}));
    EXPECT_THROW(a.RemoveAt(3, 2), std::invalid_argument);
    EXPECT_THROW(a.RemoveAt(-1), std::invalid_argument);
    EXPECT_EQ(a.GetSize(), 4);  // a failed removal changes nothing

    CArray<int, int> b;
    b.Add(5);
    EXPECT_EQ(b.Append(a), 1);
    EXPECT_EQ(Items(b), (std::vector<int>{5, 0, 0, 0, 9}));
    EXPECT_EQ(b.Append(b), 5);
    EXPECT_EQ(b.GetSize(), 10);
    EXPECT_EQ(b.GetAt(9), 9);

    b.Copy(a);
    EXPECT_EQ(Items(b), Items(a));
    b.Copy(b);
    EXPECT_EQ(Items(b), Items(a));
}

// An element of the array passed back into it must survive the reallocation.
TEST(CArray, ArgumentThatLivesInTheArray)
{
    CArray<std::string, const std::string&> a;
    a.Add(std::string(64, 'a'));
    a.SetAtGrow(1000, a[0]);
    EXPECT_EQ(a[1000], std::string(64, 'a'));
    a.InsertAt(0, a[1000], 3);
    EXPECT_EQ(a.GetSize(), 1004);
    EXPECT_EQ(a[2], std::string(64, 'a'));
    a.Add(a[0]);
    EXPECT_EQ(a[1004], std::string(64, 'a'));
}

TEST(CExPtrArray, LookupsNeverThrow)
{
    Ptrs a;
    EXPECT_EQ(a.GetAt(0), nullptr);
    EXPECT_EQ(a.GetLastElement(), nullptr);
    EXPECT_EQ(a.GetLastIndex(), -1);
    Obj x, y, z;
    EXPECT_EQ(a.FindIndex(&x), -1);
    EXPECT_FALSE(a.Exists(&x));

    EXPECT_EQ(a.Add_if_only_do_not_exists(&x), 0);
    EXPECT_EQ(a.Add_if_only_do_not_exists(&y), 1);
    EXPECT_EQ(a.Add_if_only_do_not_exists(&x), -1);
    EXPECT_EQ(a.GetSize(), 2);
    a.Add(nullptr);
    a.Add(&x);
    EXPECT_EQ(a.FindIndex(&x), 0);
    EXPECT_EQ(a.FindIndex(nullptr), 2);
    EXPECT_TRUE(a.Exists(&y));
    EXPECT_EQ(a.GetLastElement(), &x);
    EXPECT_EQ(a.GetLastIndex(), 3);

    EXPECT_EQ(a.GetAt(-1), nullptr);
    EXPECT_EQ(a.GetAt(4), nullptr);
    EXPECT_EQ(a.GetAt(1), &y);
    a.SetAt(-1, &z);
    a.SetAt(4, &z);
    EXPECT_EQ(Items(a), (std::vector<Obj*>{&x, &y, nullptr, &x}));
    a.SetAt(2, &z);
    EXPECT_EQ(a.GetAt(2), &z);

    for (int i : {-1, 4, 100}) {
        int k = i;
        EXPECT_FALSE(a.IsValidIndex(k)) << i;
    }
    int first = 0, last = 3;
    EXPECT_TRUE(a.IsValidIndex(first));
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
        arr.Add(a);
        arr.Add(b);
        arr.Add(a);
        arr.Add(c);

        EXPECT_TRUE(arr.Remove(a));  // the first one only
        EXPECT_EQ(Items(arr), (std::vector<Obj*>{b, a, c}));
        EXPECT_EQ(deaths, 0);
        Obj outside;
        EXPECT_FALSE(arr.Remove(&outside));
        EXPECT_FALSE(arr.Delete(&outside));

        EXPECT_TRUE(arr.Delete(b));
        EXPECT_EQ(deaths, 1);
        EXPECT_EQ(Items(arr), (std::vector<Obj*>{a, c}));

        EXPECT_EQ(arr.RemoveLastElement(), c);
        EXPECT_EQ(deaths, 1);
        delete c;
        EXPECT_EQ(deaths, 2);

        arr.Add(nullptr);
        EXPECT_TRUE(arr.DeleteLastElement());  // a null entry goes without a delete
        EXPECT_EQ(arr.GetSize(), 1);
        EXPECT_TRUE(arr.DeleteLastElement());
        EXPECT_EQ(deaths, 3);
        EXPECT_FALSE(arr.DeleteLastElement());
        EXPECT_EQ(arr.RemoveLastElement(), nullptr);
    }
    EXPECT_EQ(deaths, 3);
}

TEST(CExPtrArray, DeleteAtAndDeleteAll)
{
    int deaths = 0;
    ObjArray arr;
    for (int i = 0; i < 5; ++i)
        arr.Add(new Obj(&deaths));
    arr.Add(nullptr);
    Obj* keep0 = arr.GetAt(0);
    Obj* keep4 = arr.GetAt(4);

    arr.DeleteAt(1, 0);
    arr.DeleteAt(1, -3);
    EXPECT_EQ(arr.GetSize(), 6);
    EXPECT_EQ(deaths, 0);

    arr.DeleteAt(1, 3);
    EXPECT_EQ(deaths, 3);
    EXPECT_EQ(Items(arr), (std::vector<Obj*>{keep0, keep4, nullptr}));

    // A range past the end is refused before anything is deleted.
    EXPECT_THROW(arr.DeleteAt(2, 2), std::invalid_argument);
    EXPECT_THROW(arr.DeleteAt(-1, 1), std::invalid_argument);
    EXPECT_EQ(deaths, 3);
    EXPECT_EQ(arr.GetSize(), 3);

    arr.DeleteAll();
    EXPECT_EQ(deaths, 5);
    EXPECT_TRUE(arr.IsEmpty());
    arr.DeleteAll();
    EXPECT_EQ(deaths, 5);

    // The companion destructor deletes through the virtual destructor.
    {
        ObjArray owner;
        owner.Add(new DerivedObj(&deaths));
        owner.Add(nullptr);
        owner.Add(new DerivedObj(&deaths));
    }
    EXPECT_EQ(deaths, 7);
}

TEST(CExPtrArray, NullsDuplicatesReverseEquality)
{
    Obj a, b, c;
    Ptrs arr;
    for (Obj* p : {&a, &b, &a, static_cast<Obj*>(nullptr), &b, static_cast<Obj*>(nullptr)})
        arr.Add(p);
    arr.RemoveDuplicatedElements();
    EXPECT_EQ(Items(arr), (std::vector<Obj*>{&a, &b, nullptr}));

    arr.Add(nullptr);
    arr.Add(&c);
    arr.Add(nullptr);
    Ptrs& base = arr;
    base.RemoveNullElement();  // virtual
    EXPECT_EQ(Items(arr), (std::vector<Obj*>{&a, &b, &c}));

    arr.Reverse();
    EXPECT_EQ(Items(arr), (std::vector<Obj*>{&c, &b, &a}));
    arr.Add(nullptr);
    arr.Reverse();
    EXPECT_EQ(Items(arr), (std::vector<Obj*>{nullptr, &a, &b, &c}));

    CArray<Obj*, Obj*> other;
    EXPECT_FALSE(arr.IsElementEqual(other));
    for (Obj* p : arr)
        other.Add(p);
    EXPECT_TRUE(arr.IsElementEqual(other));
    other.SetAt(3, &a);
    EXPECT_FALSE(arr.IsElementEqual(other));
    Ptrs empty1;
    CArray<Obj*, Obj*> empty2;
    EXPECT_TRUE(empty1.IsElementEqual(empty2));
}

TEST(CExPtrArray, MoveElementToAndSubtract)
{
    Obj a, b, c, d, x;
    Ptrs src;
    for (Obj* p : {&a, &b, &c, &d})
        src.Add(p);
    CArray<Obj*, Obj*> dest;
    dest.Add(&x);
    int first = 1, last = 2;
    EXPECT_TRUE(src.MoveElementTo(dest, first, last));
    EXPECT_EQ(Items(src), (std::vector<Obj*>{&a, &d}));
    EXPECT_EQ(Items(dest), (std::vector<Obj*>{&x, &b, &c}));

    first = 1;
    last = 0;
    EXPECT_FALSE(src.MoveElementTo(dest, first, last));
    EXPECT_EQ(src.GetSize(), 2);
    EXPECT_EQ(dest.GetSize(), 3);

    first = 0;
    last = 5;
    EXPECT_THROW(src.MoveElementTo(dest, first, last), std::invalid_argument);
    EXPECT_EQ(src.GetSize(), 2);
    EXPECT_EQ(dest.GetSize(), 3);

    Ptrs many;
    for (Obj* p : {&a, &b, &a, &c, &a})
        many.Add(p);
    CArray<Obj*, Obj*> take;
    take.Add(&a);
    take.Add(&c);
    take.Add(&a);
    take.Add(&d);  // absent: nothing happens
    many.Subtract(take);
    EXPECT_EQ(Items(many), (std::vector<Obj*>{&b, &a}));
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
    { CExExpedition empty; }  // all null: nothing to do

    int deaths = 0;
    {
        CountedNetClass* element = new CountedNetClass(&deaths);
        auto* classes = new CExNetClassArray;
        classes->Add(element);
        delete classes;  // on its own it deletes only its logs
        EXPECT_EQ(deaths, 0);
        delete element;
        deaths = 0;
    }
    {
        CExExpedition root;
        root.pNetClassArray = new CExNetClassArray;
        root.pNetClassArray->Add(new CountedNetClass(&deaths));
        root.pNetClassArray->Add(nullptr);
        root.pNetClassArray->Add(new CountedNetClass(&deaths));
        root.pLayout = new CExLayout;
    }
    EXPECT_EQ(deaths, 2);
}

} // namespace

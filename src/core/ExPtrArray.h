#pragma once

#include <cstdint>
#include <vector>

#include "core/Array.h"

namespace ex {

// 1 where a pointer is the first of its value, 0 where it repeats an earlier
// one. Linear; out of line so that its hash set is compiled once, not once per
// element type.
std::vector<char> FirstOccurrences(const std::vector<const void*>& keys);

} // namespace ex

// Array of pointers to heap objects of a polymorphic class. Null entries are
// allowed. It deletes nothing by itself: companion classes call DeleteAll in
// their destructor.
template <class TYPE, class ARG_TYPE = TYPE>
class CExPtrArray : public CArray<TYPE, ARG_TYPE> {
    using Base = CArray<TYPE, ARG_TYPE>;

public:
    CExPtrArray() = default;
    CExPtrArray(const CExPtrArray&) = delete;
    CExPtrArray& operator=(const CExPtrArray&) = delete;
    ~CExPtrArray() override = default;

    // Unlike the framework's, these two never throw on a bad index.
    TYPE GetAt(std::int64_t i) const
    {
        return (i < 0 || i >= this->GetSize()) ? nullptr : this->m_data[static_cast<std::size_t>(i)];
    }
    void SetAt(std::int64_t i, ARG_TYPE p)
    {
        if (i >= 0 && i < this->GetSize())
            this->m_data[static_cast<std::size_t>(i)] = p;
    }

    TYPE GetLastElement() const { return this->m_data.empty() ? nullptr : this->m_data.back(); }
    std::int64_t GetLastIndex() const { return this->GetSize() - 1; }
    bool IsValidIndex(int& i) const { return i >= 0 && i < this->GetSize(); }

    int FindIndex(ARG_TYPE p) const
    {
        for (std::size_t i = 0; i < this->m_data.size(); ++i)
            if (this->m_data[i] == p)
                return static_cast<int>(i);
        return -1;
    }
    bool Exists(ARG_TYPE p) const { return FindIndex(p) != -1; }

    std::int64_t Add_if_only_do_not_exists(ARG_TYPE p)
    {
        if (Exists(p))
            return -1;
        return this->Add(p);
    }

    bool Remove(ARG_TYPE p)
    {
        const int i = FindIndex(p);
        if (i < 0)
            return false;
        Base::RemoveAt(i);
        return true;
    }

    bool Delete(ARG_TYPE p)
    {
        const int i = FindIndex(p);
        if (i < 0)
            return false;
        delete this->m_data[static_cast<std::size_t>(i)];
        Base::RemoveAt(i);
        return true;
    }

    void DeleteAt(int nIndex, int nCount)
    {
        if (nCount <= 0)
            return;
        // Range is checked first so that nothing is deleted when it throws.
        if (nIndex < 0 || static_cast<std::int64_t>(nIndex) + nCount > this->GetSize())
            throw std::invalid_argument("CExPtrArray::DeleteAt: index out of range");
        for (int k = 0; k < nCount; ++k)
            delete this->m_data[static_cast<std::size_t>(nIndex + k)];
        Base::RemoveAt(nIndex, nCount);
    }

    bool DeleteLastElement()
    {
        if (this->m_data.empty())
            return false;
        delete this->m_data.back();
        this->m_data.pop_back();
        return true;
    }

    TYPE RemoveLastElement()
    {
        if (this->m_data.empty())
            return nullptr;
        TYPE p = this->m_data.back();
        this->m_data.pop_back();
        return p;
    }

    void DeleteAll()
    {
        for (TYPE p : this->m_data)
            delete p;
        this->SetSize(0);
    }

    virtual void RemoveNullElement()
    {
        std::size_t out = 0;
        for (std::size_t i = 0; i < this->m_data.size(); ++i)
            if (this->m_data[i] != nullptr)
                this->m_data[out++] = this->m_data[i];
        this->m_data.resize(out);
    }

    // Keeps the first occurrence of every pointer, in order. Linear: large
    // arrays are common.
    virtual void RemoveDuplicatedElements()
    {
        const std::vector<const void*> keys(this->m_data.begin(), this->m_data.end());
        const std::vector<char> first = ex::FirstOccurrences(keys);
        std::size_t out = 0;
        for (std::size_t i = 0; i < this->m_data.size(); ++i)
            if (first[i] != 0)
                this->m_data[out++] = this->m_data[i];
        this->m_data.resize(out);
    }

    void Reverse()
    {
        const std::int64_t n = this->GetSize();
        for (std::int64_t i = 0; i < n / 2; ++i)
            std::swap(this->m_data[static_cast<std::size_t>(i)], this->m_data[static_cast<std::size_t>(n - 1 - i)]);
    }

    bool IsElementEqual(const Base& other) const
    {
        if (this->GetSize() != other.GetSize())
            return false;
        for (std::int64_t i = 0; i < this->GetSize(); ++i)
            if (this->m_data[static_cast<std::size_t>(i)] != other.GetAt(i))
                return false;
        return true;
    }

    bool MoveElementTo(Base& dest, int& nFirst, int& nLast)
    {
        if (nLast < nFirst)
            return false;
        if (nFirst < 0 || nLast >= this->GetSize())
            throw std::invalid_argument("CExPtrArray::MoveElementTo: index out of range");
        for (int i = nFirst; i <= nLast; ++i)
            dest.Add(this->m_data[static_cast<std::size_t>(i)]);
        Base::RemoveAt(nFirst, static_cast<std::int64_t>(nLast) - nFirst + 1);
        return true;
    }

    void Subtract(const Base& other)
    {
        for (std::int64_t i = 0; i < other.GetSize(); ++i)
            Remove(other.GetAt(i));
    }
};

// Each pointer array is compiled once, in the .cpp of its array class
// (EXLOAD_INSTANTIATE_PTR_ARRAY); the header beside the array class declares
// it (EXLOAD_EXTERN_PTR_ARRAY) so that no other object compiles it again.
#define EXLOAD_EXTERN_PTR_ARRAY(T) \
    extern template class CArray<T*, T*>; \
    extern template class CExPtrArray<T*, T*>
#define EXLOAD_INSTANTIATE_PTR_ARRAY(T) \
    template class CArray<T*, T*>; \
    template class CExPtrArray<T*, T*>

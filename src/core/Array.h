#pragma once

#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

// Typed array with the framework's operation names. Indexes are 64-bit;
// an index out of range throws std::invalid_argument.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    using value_type = TYPE;

    CArray() = default;
    CArray(const CArray&) = default;
    CArray(CArray&&) noexcept = default;
    CArray& operator=(const CArray&) = default;
    CArray& operator=(CArray&&) noexcept = default;
    virtual ~CArray() = default;

    std::int64_t GetSize() const { return static_cast<std::int64_t>(m_data.size()); }
    std::int64_t GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_data.empty(); }
    std::int64_t GetUpperBound() const { return GetSize() - 1; }

    void SetSize(std::int64_t nNewSize)
    {
        if (nNewSize < 0)
            throw std::invalid_argument("CArray::SetSize: negative size");
        if (nNewSize == 0)
            std::vector<TYPE>().swap(m_data);
        else
            m_data.resize(static_cast<std::size_t>(nNewSize));
    }
    void RemoveAll() { SetSize(0); }

    const TYPE& GetAt(std::int64_t i) const { return m_data[Check(i)]; }
    TYPE& GetAt(std::int64_t i) { return m_data[Check(i)]; }
    void SetAt(std::int64_t i, ARG_TYPE v) { m_data[Check(i)] = v; }
    TYPE& ElementAt(std::int64_t i) { return m_data[Check(i)]; }
    const TYPE& ElementAt(std::int64_t i) const { return m_data[Check(i)]; }
    TYPE& operator[](std::int64_t i) { return m_data[Check(i)]; }
    const TYPE& operator[](std::int64_t i) const { return m_data[Check(i)]; }
    TYPE* GetData() { return m_data.data(); }
    const TYPE* GetData() const { return m_data.data(); }

    void SetAtGrow(std::int64_t i, ARG_TYPE v)
    {
        if (i < 0)
            throw std::invalid_argument("CArray::SetAtGrow: negative index");
        TYPE copy = v; // v may live in this array
        if (i >= GetSize())
            m_data.resize(static_cast<std::size_t>(i) + 1);
        m_data[static_cast<std::size_t>(i)] = std::move(copy);
    }

    std::int64_t Add(ARG_TYPE v)
    {
        m_data.push_back(v);
        return GetSize() - 1;
    }

    // Returns the index of the first element appended.
    std::int64_t Append(const CArray& src)
    {
        const std::int64_t nOld = GetSize();
        if (&src == this) {
            std::vector<TYPE> copy(m_data);
            m_data.insert(m_data.end(), copy.begin(), copy.end());
        } else {
            m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        }
        return nOld;
    }

    void Copy(const CArray& src)
    {
        if (&src != this)
            m_data = src.m_data;
    }

    // An index past the end grows the array first, as the framework does.
    void InsertAt(std::int64_t i, ARG_TYPE v, std::int64_t nCount = 1)
    {
        if (i < 0 || nCount < 0)
            throw std::invalid_argument("CArray::InsertAt: negative index or count");
        TYPE copy = v;
        if (i > GetSize())
            m_data.resize(static_cast<std::size_t>(i));
        m_data.insert(m_data.begin() + i, static_cast<std::size_t>(nCount), copy);
    }

    void RemoveAt(std::int64_t i, std::int64_t nCount = 1)
    {
        if (i < 0 || nCount < 0 || i + nCount > GetSize())
            throw std::invalid_argument("CArray::RemoveAt: index out of range");
        m_data.erase(m_data.begin() + i, m_data.begin() + i + nCount);
    }

    auto begin() { return m_data.begin(); }
    auto end() { return m_data.end(); }
    auto begin() const { return m_data.begin(); }
    auto end() const { return m_data.end(); }

    // Reserve room ahead of a known number of Adds (not a framework call).
    void Reserve(std::int64_t n)
    {
        if (n > 0)
            m_data.reserve(static_cast<std::size_t>(n));
    }
    std::size_t Capacity() const { return m_data.capacity(); }

protected:
    std::size_t Check(std::int64_t i) const
    {
        if (i < 0 || i >= GetSize())
            throw std::invalid_argument("CArray: index out of range");
        return static_cast<std::size_t>(i);
    }

    std::vector<TYPE> m_data;
};

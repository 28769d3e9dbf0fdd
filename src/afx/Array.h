// CArray<TYPE, ARG_TYPE>: the framework's growable array, over std::vector. Every index out of
// range (GetAt, ElementAt, SetAt, operator[], RemoveAt, InsertAt past the end) throws
// CInvalidArgException instead of touching memory it does not own. Unlike the framework's,
// it copies: the domain classes copy their child collections member-wise, so the copy
// constructor and assignment copy the elements. New elements (SetSize, SetAtGrow) are
// value-initialised: zero for numbers and pointers.
#pragma once

#include <type_traits>
#include <vector>

#include "afx/Exception.h"
#include "afx/Object.h"
#include "afx/Types.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
    static_assert(!std::is_same_v<TYPE, bool>, "CArray<bool> is not supported: use CArray<BYTE> or CArray<int>");

public:
    CArray() = default;
    CArray(const CArray& other) : CObject(other), m_data(other.m_data) {}
    CArray(CArray&& other) noexcept : m_data(std::move(other.m_data)) {}
    CArray& operator=(const CArray& other)
    {
        if (this != &other)
            m_data = other.m_data;
        return *this;
    }
    CArray& operator=(CArray&& other) noexcept
    {
        m_data = std::move(other.m_data);
        return *this;
    }
    ~CArray() override = default;

    // Size
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty() ? TRUE : FALSE; }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    // growBy is accepted for compatibility; the vector chooses its own growth.
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1)
    {
        static_cast<void>(growBy);
        if (newSize < 0)
            AfxThrowInvalidArgException("negative array size");
        m_data.resize(static_cast<std::size_t>(newSize));
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    // Element access
    const TYPE& GetAt(INT_PTR index) const { return m_data[checked(index)]; }
    TYPE& GetAt(INT_PTR index) { return m_data[checked(index)]; }
    void SetAt(INT_PTR index, ARG_TYPE newElement) { m_data[checked(index)] = newElement; }
    const TYPE& ElementAt(INT_PTR index) const { return m_data[checked(index)]; }
    TYPE& ElementAt(INT_PTR index) { return m_data[checked(index)]; }
    const TYPE& operator[](INT_PTR index) const { return m_data[checked(index)]; }
    TYPE& operator[](INT_PTR index) { return m_data[checked(index)]; }
    // nullptr when empty.
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }
    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }

    // Growing
    void SetAtGrow(INT_PTR index, ARG_TYPE newElement)
    {
        if (index < 0)
            AfxThrowInvalidArgException("negative array index");
        TYPE copy(newElement);  // the argument may be an element that the resize moves
        if (index >= GetSize())
            m_data.resize(static_cast<std::size_t>(index) + 1);
        m_data[static_cast<std::size_t>(index)] = std::move(copy);
    }
    // Returns the index of the new element.
    INT_PTR Add(ARG_TYPE newElement)
    {
        m_data.push_back(newElement);
        return GetSize() - 1;
    }
    // Returns the index of the first appended element (the old size).
    INT_PTR Append(const CArray& src)
    {
        const INT_PTR oldSize = GetSize();
        if (&src == this) {
            std::vector<TYPE> copy(m_data);
            m_data.insert(m_data.end(), copy.begin(), copy.end());
        } else {
            m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        }
        return oldSize;
    }
    void Copy(const CArray& src)
    {
        if (&src != this)
            m_data = src.m_data;
    }

    // Insertion and removal; index == GetSize() inserts at the end.
    void InsertAt(INT_PTR index, ARG_TYPE newElement, INT_PTR count = 1)
    {
        if (index < 0 || index > GetSize() || count < 0)
            AfxThrowInvalidArgException("array insertion out of range");
        TYPE copy(newElement);
        m_data.insert(m_data.begin() + index, static_cast<std::size_t>(count), copy);
    }
    void InsertAt(INT_PTR startIndex, const CArray* newArray)
    {
        if (newArray == nullptr || startIndex < 0 || startIndex > GetSize())
            AfxThrowInvalidArgException("array insertion out of range");
        std::vector<TYPE> copy(newArray->m_data);
        m_data.insert(m_data.begin() + startIndex, copy.begin(), copy.end());
    }
    void RemoveAt(INT_PTR index, INT_PTR count = 1)
    {
        if (index < 0 || count < 0 || index > GetSize() || count > GetSize() - index)
            AfxThrowInvalidArgException("array removal out of range");
        m_data.erase(m_data.begin() + index, m_data.begin() + index + count);
    }

private:
    std::size_t checked(INT_PTR index) const
    {
        if (index < 0 || index >= GetSize())
            AfxThrowInvalidArgException("array index out of range");
        return static_cast<std::size_t>(index);
    }

    std::vector<TYPE> m_data;
};

// CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>: the framework's hash map, over std::unordered_map.
//
// A POSITION is the address of the next element (the key/value pair inside its hash node), or
// nullptr after the last. GetNextAssoc turns it back into an iterator by looking its key up,
// which is exact because node addresses never change while the element exists: a rehash moves
// nodes between buckets, not in memory. So the order of a walk is unspecified but stable while
// the map is not modified, and removing the element just returned by GetNextAssoc (or any
// element other than the next one) during a walk is safe. A POSITION whose element has been
// removed, or any POSITION after RemoveAll, must not be used again, as in the framework.
//
// ARG_KEY may differ from KEY (CMap<CString, const char*, X, const X&>): keys are converted to
// KEY before hashing, with std::hash<KEY>. Copies are deep.
#pragma once

#include <unordered_map>
#include <utility>

#include "afx/Exception.h"
#include "afx/Object.h"
#include "afx/Types.h"

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
    using Storage = std::unordered_map<KEY, VALUE>;
    using Node = typename Storage::value_type;

public:
    CMap() = default;
    explicit CMap(INT_PTR blockSize) { static_cast<void>(blockSize); }
    CMap(const CMap& other) : CObject(other), m_map(other.m_map) {}
    CMap(CMap&& other) noexcept : m_map(std::move(other.m_map)) {}
    CMap& operator=(const CMap& other)
    {
        if (this != &other)
            m_map = other.m_map;
        return *this;
    }
    CMap& operator=(CMap&& other) noexcept
    {
        m_map = std::move(other.m_map);
        return *this;
    }
    ~CMap() override = default;

    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_map.size()); }
    INT_PTR GetSize() const { return GetCount(); }
    BOOL IsEmpty() const { return m_map.empty() ? TRUE : FALSE; }

    // Copies the value into rValue and returns TRUE when the key is present; otherwise returns
    // FALSE and leaves rValue alone.
    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        auto it = m_map.find(KEY(key));
        if (it == m_map.end())
            return FALSE;
        rValue = it->second;
        return TRUE;
    }
    // The value of the key, inserted value-initialised (0 for numbers and pointers) if absent.
    VALUE& operator[](ARG_KEY key) { return m_map[KEY(key)]; }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { m_map[KEY(key)] = newValue; }
    BOOL RemoveKey(ARG_KEY key) { return m_map.erase(KEY(key)) > 0 ? TRUE : FALSE; }
    void RemoveAll() { m_map.clear(); }

    POSITION GetStartPosition() const { return positionOf(m_map.begin()); }
    // Returns the element at rNextPosition and moves rNextPosition to the next (nullptr after
    // the last). A null position throws CInvalidArgException.
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        if (rNextPosition == nullptr)
            AfxThrowInvalidArgException("map position past the end");
        const Node* node = static_cast<const Node*>(rNextPosition);
        auto it = m_map.find(node->first);
        if (it == m_map.end() || &*it != node)
            AfxThrowInvalidArgException("map position of an element no longer in the map");
        rKey = it->first;
        rValue = it->second;
        rNextPosition = positionOf(std::next(it));
    }

    // Hash table sizing, for compatibility: reserves room for that many elements.
    void InitHashTable(UINT hashSize, BOOL allocNow = TRUE)
    {
        static_cast<void>(allocNow);
        m_map.reserve(hashSize);
    }
    UINT GetHashTableSize() const { return static_cast<UINT>(m_map.bucket_count()); }

private:
    POSITION positionOf(typename Storage::const_iterator it) const
    {
        return it == m_map.end() ? nullptr : const_cast<Node*>(&*it);
    }

    Storage m_map;
};

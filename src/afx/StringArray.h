// CStringArray: the framework's array of CString. It is a CArray<CString> (bounds-checked,
// copyable) that also takes plain const char* texts, a null pointer reading as "".
#pragma once

#include "afx/Array.h"
#include "afx/Export.h"
#include "afx/Object.h"
#include "afx/String.h"

class ORVEL_API CStringArray : public CArray<CString, const CString&> {
    DECLARE_DYNAMIC(CStringArray)
public:
    using Base = CArray<CString, const CString&>;

    CStringArray() = default;
    CStringArray(const CStringArray&) = default;
    CStringArray(CStringArray&&) noexcept = default;
    CStringArray& operator=(const CStringArray&) = default;
    CStringArray& operator=(CStringArray&&) noexcept = default;
    ~CStringArray() override;

    using Base::Add;
    using Base::InsertAt;
    using Base::SetAt;
    using Base::SetAtGrow;
    INT_PTR Add(const char* newElement);
    void SetAt(INT_PTR index, const char* newElement);
    void SetAtGrow(INT_PTR index, const char* newElement);
    void InsertAt(INT_PTR index, const char* newElement, INT_PTR count = 1);

    // Copy and Append of another CStringArray (the base versions take a CArray).
    void Copy(const CStringArray& src) { Base::Copy(src); }
    INT_PTR Append(const CStringArray& src) { return Base::Append(src); }

    // Index of the first element equal to text, or -1.
    INT_PTR Find(const char* text) const;
};

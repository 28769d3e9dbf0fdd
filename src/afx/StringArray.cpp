// CStringArray: the const char* entry points and the run-time class.
#include "afx/StringArray.h"

IMPLEMENT_DYNAMIC(CStringArray, CObject)

CStringArray::~CStringArray() = default;

INT_PTR CStringArray::Add(const char* newElement)
{
    return Base::Add(CString(newElement));
}

void CStringArray::SetAt(INT_PTR index, const char* newElement)
{
    Base::SetAt(index, CString(newElement));
}

void CStringArray::SetAtGrow(INT_PTR index, const char* newElement)
{
    Base::SetAtGrow(index, CString(newElement));
}

void CStringArray::InsertAt(INT_PTR index, const char* newElement, INT_PTR count)
{
    Base::InsertAt(index, CString(newElement), count);
}

INT_PTR CStringArray::Find(const char* text) const
{
    const CString wanted(text);
    for (INT_PTR i = 0; i < GetSize(); ++i)
        if (GetAt(i) == wanted)
            return i;
    return -1;
}

// CRuntimeClass operations and the registry lookups.
#include "afx/RuntimeClass.h"

#include "afx/detail/ClassRegistry.h"
#include "afx/Object.h"

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    if (pBaseClass == nullptr)
        return false;
    // Bounded walk: a malformed description with a cycle must not hang the caller.
    const CRuntimeClass* current = this;
    for (int depth = 0; current != nullptr && depth < 1024; ++depth) {
        if (current == pBaseClass)
            return true;
        current = current->GetBaseClass();
    }
    return false;
}

CObject* CRuntimeClass::CreateObject() const
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    return m_pfnCreateObject();
}

CRuntimeClass* CRuntimeClass::FromName(const char* lpszClassName)
{
    return AfxFindRuntimeClass(lpszClassName);
}

CRuntimeClass* AfxFindRuntimeClass(const char* lpszClassName)
{
    return afx_detail::ClassRegistry::Instance().Find(lpszClassName);
}

std::vector<CString> AfxGetRuntimeClassNames()
{
    std::vector<CString> names;
    for (const CRuntimeClass* c : afx_detail::ClassRegistry::Instance().Visible())
        names.emplace_back(c->m_lpszClassName);
    return names;
}

void AfxDoForAllClasses(void (*pfn)(const CRuntimeClass* pClass, void* pContext), void* pContext)
{
    if (pfn == nullptr)
        return;
    for (const CRuntimeClass* c : afx_detail::ClassRegistry::Instance().Visible())
        pfn(c, pContext);
}

void AfxClassInit(CRuntimeClass* pNewClass)
{
    AfxClassInit(pNewClass, pNewClass);
}

void AfxClassInit(CRuntimeClass* pNewClass, const void* hModule)
{
    afx_detail::ClassRegistry::Instance().Register(pNewClass, afx_detail::ClassRegistry::ModuleOf(hModule));
}

void AfxClassTerm(CRuntimeClass* pClass)
{
    afx_detail::ClassRegistry::Instance().Unregister(pClass);
}

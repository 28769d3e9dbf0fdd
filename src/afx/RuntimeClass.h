// CRuntimeClass: the run-time description of a class derived from CObject (its name, size,
// base class and, for dynamically creatable classes, a factory), as the framework lays it out.
// Instances are static objects created by the IMPLEMENT_ macros of Object.h.
#pragma once

#include <vector>

#include "afx/Export.h"
#include "afx/String.h"
#include "afx/Types.h"

class CObject;

struct ORVEL_API CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    // Creates a new object of the class; nullptr for classes that are not dynamically creatable.
    CObject* (*m_pfnCreateObject)();
    // Returns the base class; nullptr for CObject. A function rather than a pointer, so that the
    // description of a class never depends on the initialisation order of another file's statics.
    CRuntimeClass* (*m_pfnGetBaseClass)();
    // Next class of the same module, kept by the class registry.
    CRuntimeClass* m_pNextClass;

    CRuntimeClass* GetBaseClass() const { return m_pfnGetBaseClass != nullptr ? m_pfnGetBaseClass() : nullptr; }
    // True when this class is pBaseClass or derives from it (false for nullptr).
    bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    // A new object (the caller owns it, as in the framework: wrap it in a std::unique_ptr);
    // nullptr when the class is not dynamically creatable.
    CObject* CreateObject() const;
    // The registered class of that name, as AfxFindRuntimeClass.
    static CRuntimeClass* FromName(const char* lpszClassName);
};

// The registered class of that name among the linked modules and the classes that no module
// has taken over (the host's own); nullptr when there is none. Names are case-sensitive.
ORVEL_API CRuntimeClass* AfxFindRuntimeClass(const char* lpszClassName);

// The names of all classes that AfxFindRuntimeClass can find, most recently linked module first.
ORVEL_API std::vector<CString> AfxGetRuntimeClassNames();

// Calls pfn for every class that AfxFindRuntimeClass can find. The list is taken first, so the
// callback may itself use the registry.
ORVEL_API void AfxDoForAllClasses(void (*pfn)(const CRuntimeClass* pClass, void* pContext), void* pContext);

// Registry entry points behind the IMPLEMENT_ macros. AfxClassInit registers a class with the
// module that contains it (or with the module handle given, for classes described at run time);
// AfxClassTerm removes it from wherever it is registered. Both are safe to call from static
// constructors and destructors, on any thread.
ORVEL_API void AfxClassInit(CRuntimeClass* pNewClass);
ORVEL_API void AfxClassInit(CRuntimeClass* pNewClass, const void* hModule);
ORVEL_API void AfxClassTerm(CRuntimeClass* pClass);

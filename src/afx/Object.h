// CObject, the root of the classes that carry run-time class information, and the macros that
// give a class that information (DECLARE_/IMPLEMENT_DYNAMIC, DECLARE_/IMPLEMENT_DYNCREATE,
// RUNTIME_CLASS). IMPLEMENT_ macros also register the class, at static-initialisation time,
// with the class registry: it is then found by AfxFindRuntimeClass once its module has been
// initialised and linked (ExtensionModule.h, DynLinkLibrary.h), and removed again when the
// static objects of its module are destroyed.
#pragma once

#include "afx/Export.h"
#include "afx/RuntimeClass.h"
#include "afx/Types.h"

class ORVEL_API CObject {
public:
    virtual ~CObject();

    virtual CRuntimeClass* GetRuntimeClass() const;
    // TRUE when this object's class is the given class or derives from it.
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    static CRuntimeClass classCObject;
    static CRuntimeClass* GetThisClass();

protected:
    CObject() = default;
    // Copyable for the derived classes (domain objects copy member-wise); protected so that a
    // CObject cannot be sliced off on its own.
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// Registers a class with the registry for as long as the object lives; the IMPLEMENT_ macros
// create one static instance per class.
struct ORVEL_API AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
    ~AFX_CLASSINIT();
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;

    CRuntimeClass* m_pClass;
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                     \
public:                                                 \
    static CRuntimeClass class##class_name;             \
    static CRuntimeClass* GetThisClass();               \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew)                              \
    CRuntimeClass* class_name::GetThisClass() { return &class_name::class##class_name; }            \
    CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), \
                                                   0xFFFF, pfnNew, &base_class_name::GetThisClass,   \
                                                   nullptr};                                          \
    CRuntimeClass* class_name::GetRuntimeClass() const { return &class_name::class##class_name; }   \
    namespace {                                                                                       \
    AFX_CLASSINIT afxClassInit_##class_name(&class_name::class##class_name);                          \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                 \
    CObject* class_name::CreateObject() { return new class_name; }       \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, class_name::CreateObject)

// Builds a recordset class that the library keeps to itself (not exported, so a host cannot name
// its constructor) the way the library's own objects reach it: by name through the class registry,
// then put on the test's connection. The class's header gives the members' layout.
#pragma once

#include <memory>

#include "afx/RuntimeClass.h"
#include "odbc/Recordset.h"

namespace orvel::test {

template <class T>
std::unique_ptr<T> MakePrivateRecordset(const char* className, CDatabase* database)
{
    CRuntimeClass* cls = AfxFindRuntimeClass(className);
    if (cls == nullptr)
        return nullptr;
    CObject* object = cls->CreateObject();
    if (object == nullptr)
        return nullptr;
    std::unique_ptr<T> rs(static_cast<T*>(object));
    rs->m_pDatabase = database;
    return rs;
}

}  // namespace orvel::test

// The framework's basic type names, as the host application code spells them. They are plain
// aliases of the standard types so that code written against the framework compiles unchanged.
#pragma once

#include <cstdint>

// unixODBC's sqltypes.h defines BOOL as a macro for int; the alias is only needed when it has
// not been included first, and either spelling names the same type.
#ifndef BOOL
using BOOL = int;
#endif
using BYTE = unsigned char;
using WORD = unsigned short;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = long;
using ULONG = unsigned long;
using LCID = DWORD;
using LPCTSTR = const char*;
using LPTSTR = char*;
using LPCSTR = const char*;
using TCHAR = char;
using INT_PTR = std::intptr_t;
using POSITION = void*;
using LONGLONG = long long;
using ULONGLONG = unsigned long long;
// An OLE Automation date: days since 30 December 1899, the fraction being the time of day.
using DATE = double;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

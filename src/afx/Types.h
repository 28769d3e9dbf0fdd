// The framework's basic type names, as the host application code spells them. They are plain
// aliases of the standard types so that code written against the framework compiles unchanged.
#pragma once

#include <cstdint>

using BOOL = int;
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

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

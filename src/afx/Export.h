// Symbol visibility of the shared library. Everything is built with hidden visibility; the
// classes and functions that a host may call carry ORVEL_API, so that the library's exported
// symbols are exactly its public interface.
#pragma once

#if defined(ORVEL_STATIC_BUILD)
#define ORVEL_API
#else
#define ORVEL_API __attribute__((visibility("default")))
#endif
#define ORVEL_LOCAL __attribute__((visibility("hidden")))

#pragma once

// Platform description for the Linux editor build: integer and character types, compiler
// helpers, and the export macros.

#include <cstddef>
#include <cstdint>

#ifndef PLATFORM_LINUX
#define PLATFORM_LINUX 1
#endif
#define PLATFORM_WINDOWS 0
#define PLATFORM_MAC 0
#define PLATFORM_APPLE 0
#define PLATFORM_UNIX 1
#define PLATFORM_DESKTOP 1
#define PLATFORM_64BITS 1
#define PLATFORM_LITTLE_ENDIAN 1
#define PLATFORM_TCHAR_IS_CHAR16 1
#define PLATFORM_WCHAR_IS_4_BYTES 1
#define PLATFORM_CACHE_LINE_SIZE 64

// 64-bit integers are long long, as in the engine, so "long" stays a distinct type.
typedef unsigned char uint8;
typedef unsigned short int uint16;
typedef unsigned int uint32;
typedef unsigned long long uint64;
typedef signed char int8;
typedef signed short int int16;
typedef signed int int32;
typedef signed long long int64;

typedef char ANSICHAR;
typedef wchar_t WIDECHAR;
typedef char8_t UTF8CHAR;
typedef char16_t UCS2CHAR;
typedef char16_t UTF16CHAR;
typedef char32_t UTF32CHAR;
typedef char16_t TCHAR;

typedef std::size_t SIZE_T;
typedef std::ptrdiff_t SSIZE_T;
typedef std::uintptr_t UPTRINT;
typedef std::intptr_t PTRINT;
typedef decltype(nullptr) TYPE_OF_NULLPTR;

#define TEXT_PASTE(x) u##x
#define TEXT(x) TEXT_PASTE(x)

#define LINE_TERMINATOR TEXT("\n")
#define LINE_TERMINATOR_ANSI "\n"

#define FORCEINLINE inline __attribute__((always_inline))
#define FORCENOINLINE __attribute__((noinline))
#define FORCEINLINE_DEBUGGABLE inline
#define RESTRICT __restrict
#define CONSTEXPR constexpr
#define ABSTRACT
#define UE_NODISCARD [[nodiscard]]
#define UE_NORETURN [[noreturn]]
#define LIKELY(x) __builtin_expect(!!(x), 1)
#define UNLIKELY(x) __builtin_expect(!!(x), 0)
#define UE_LIKELY(x) LIKELY(x)
#define UE_UNLIKELY(x) UNLIKELY(x)
#define UE_ASSUME(x) ((void)0)
#define PLATFORM_BREAK() __builtin_trap()
#define UE_DEBUG_BREAK() ((void)0)

#ifndef DLLEXPORT
#define DLLEXPORT __attribute__((visibility("default")))
#endif
#ifndef DLLIMPORT
#define DLLIMPORT __attribute__((visibility("default")))
#endif

#ifndef CORE_API
#define CORE_API DLLEXPORT
#endif

#define PRAGMA_DISABLE_DEPRECATION_WARNINGS _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wdeprecated-declarations\"")
#define PRAGMA_ENABLE_DEPRECATION_WARNINGS _Pragma("GCC diagnostic pop")
#define PRAGMA_DISABLE_OPTIMIZATION
#define PRAGMA_ENABLE_OPTIMIZATION
#define UE_DISABLE_OPTIMIZATION
#define UE_ENABLE_OPTIMIZATION

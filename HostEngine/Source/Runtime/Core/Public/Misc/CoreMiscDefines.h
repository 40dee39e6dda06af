#pragma once

#include "HAL/Platform.h"

enum
{
	INDEX_NONE = -1
};
enum
{
	UNICODE_BOM = 0xfeff
};

enum EForceInit
{
	ForceInit,
	ForceInitToZero
};

enum ENoInit
{
	NoInit
};

enum EInPlace
{
	InPlace
};

#define UE_DEPRECATED(Version, Message) [[deprecated(Message " Please update your code to the new API before upgrading to the next release, otherwise your project will no longer compile.")]]
#define UE_DEPRECATED_FORGAME(Version, Message)
#define UE_ARRAY_COUNT(Array) (sizeof(Array) / sizeof((Array)[0]))
#define UE_NONCOPYABLE(TypeName)                   \
	TypeName(TypeName&&) = delete;                 \
	TypeName(const TypeName&) = delete;            \
	TypeName& operator=(const TypeName&) = delete; \
	TypeName& operator=(TypeName&&) = delete;

#define PURE_VIRTUAL(func, ...)                                                     \
	{                                                                               \
		LowLevelFatalError(TEXT("Pure virtual not implemented (%s)"), TEXT(#func)); \
		__VA_ARGS__                                                                 \
	}

#define UE_PTRDIFF_TO_INT32(argument) static_cast<int32>(argument)
#define UE_PTRDIFF_TO_UINT32(argument) static_cast<uint32>(argument)

#define UE_STATIC_ONLY(T) \
	T() = delete;         \
	~T() = delete;        \
	T(const T&) = delete; \
	T& operator=(const T&) = delete;

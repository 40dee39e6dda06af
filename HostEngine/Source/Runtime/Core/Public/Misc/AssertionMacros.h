#pragma once

#include "CoreTypes.h"
#include "Misc/HostFormatArgs.h"

/** Failure reporting behind check, ensure and friends. */
struct FDebug
{
	/** Prints the failed assertion and aborts the process. */
	[[noreturn]] static CORE_API void AssertFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message = TEXT(""));

	/** Reports a failed ensure (once per call site) and returns false so the caller can carry on. */
	static CORE_API bool EnsureFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message = TEXT(""));

	/** Host stand-in reached but not written: prints the function and aborts. */
	[[noreturn]] static CORE_API void HostUnimplemented(const ANSICHAR* Function, const ANSICHAR* File, int32 Line);

	template <typename... ArgTypes>
	[[noreturn]] static void AssertFailedf(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Format, const ArgTypes&... Args)
	{
		const std::u16string Message = UE::Core::HostFormat::Format(Format, Args...);
		AssertFailed(Expr, File, Line, Message.c_str());
	}

	template <typename... ArgTypes>
	static bool EnsureFailedf(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Format, const ArgTypes&... Args)
	{
		const std::u16string Message = UE::Core::HostFormat::Format(Format, Args...);
		return EnsureFailed(Expr, File, Line, Message.c_str());
	}
};

#define check(expr)                                            \
	do                                                         \
	{                                                          \
		if (UNLIKELY(!(expr)))                                 \
		{                                                      \
			::FDebug::AssertFailed(#expr, __FILE__, __LINE__); \
		}                                                      \
	} while (false)

#define checkf(expr, format, ...)                                                      \
	do                                                                                 \
	{                                                                                  \
		if (UNLIKELY(!(expr)))                                                         \
		{                                                                              \
			::FDebug::AssertFailedf(#expr, __FILE__, __LINE__, format, ##__VA_ARGS__); \
		}                                                                              \
	} while (false)

#define verify(expr)                                           \
	do                                                         \
	{                                                          \
		if (UNLIKELY(!(expr)))                                 \
		{                                                      \
			::FDebug::AssertFailed(#expr, __FILE__, __LINE__); \
		}                                                      \
	} while (false)

#define verifyf(expr, format, ...)                                                     \
	do                                                                                 \
	{                                                                                  \
		if (UNLIKELY(!(expr)))                                                         \
		{                                                                              \
			::FDebug::AssertFailedf(#expr, __FILE__, __LINE__, format, ##__VA_ARGS__); \
		}                                                                              \
	} while (false)

#define checkNoEntry() ::FDebug::AssertFailed("Enclosing block should never be called", __FILE__, __LINE__)
#define checkNoReentry() ((void)0)
#define checkNoRecursion() ((void)0)
#define unimplemented() ::FDebug::AssertFailed("Unimplemented function called", __FILE__, __LINE__)
#define checkSlow(expr) ((void)0)
#define checkfSlow(expr, format, ...) ((void)0)
#define verifySlow(expr) ((void)(expr))
#define checkCode(Code) \
	do                  \
	{                   \
		Code;           \
	} while (false)

// An ensure reports the first failure of each call site and evaluates to the condition.
#define UE_HOST_ENSURE_IMPL(bAlways, expr, ...) \
	(LIKELY(!!(expr)) || ([&]() -> bool         \
						  { \
		static bool bReported = false; \
		if (!bReported || (bAlways)) \
		{ \
			bReported = true; \
			return ::FDebug::EnsureFailedf(#expr, __FILE__, __LINE__, ##__VA_ARGS__); \
		} \
		return false; }()))

#define ensure(expr) UE_HOST_ENSURE_IMPL(false, expr, TEXT(""))
#define ensureMsgf(expr, format, ...) UE_HOST_ENSURE_IMPL(false, expr, format, ##__VA_ARGS__)
#define ensureAlways(expr) UE_HOST_ENSURE_IMPL(true, expr, TEXT(""))
#define ensureAlwaysMsgf(expr, format, ...) UE_HOST_ENSURE_IMPL(true, expr, format, ##__VA_ARGS__)

#define LowLevelFatalError(format, ...) ::FDebug::AssertFailedf("LowLevelFatalError", __FILE__, __LINE__, format, ##__VA_ARGS__)

/** A host stand-in that is reached but not written: prints "HostEngine: <function> is not implemented" and aborts. */
#define HOST_UNIMPLEMENTED() ::FDebug::HostUnimplemented(__PRETTY_FUNCTION__, __FILE__, __LINE__)

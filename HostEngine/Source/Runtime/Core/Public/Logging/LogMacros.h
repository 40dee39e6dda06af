#pragma once

#include "CoreTypes.h"
#include "Logging/LogCategory.h"
#include "Logging/LogVerbosity.h"
#include "Misc/HostFormatArgs.h"
#include <type_traits>

/** Message output behind UE_LOG. */
struct FMsg
{
	/** Prints "Category: Verbosity: Message" to stderr and records it; Fatal aborts afterwards. */
	static CORE_API void LogMessage(const ANSICHAR* File, int32 Line, const FLogCategoryName& Category, ELogVerbosity::Type Verbosity, const TCHAR* Message);

	template <typename FmtType, typename... Types>
	static void Logf(const ANSICHAR* File, int32 Line, const FLogCategoryName& Category, ELogVerbosity::Type Verbosity, const FmtType& Fmt, Types... Args)
	{
		static_assert(std::is_convertible_v<const FmtType&, const TCHAR*>, "Formatting string must be a TCHAR array.");
		const std::u16string Message = UE::Core::HostFormat::Format(static_cast<const TCHAR*>(Fmt), Args...);
		LogMessage(File, Line, Category, Verbosity, Message.c_str());
	}
};

#define UE_LOG(CategoryName, Verbosity, Format, ...)                                                                                                         \
	do                                                                                                                                                       \
	{                                                                                                                                                        \
		if constexpr ((ELogVerbosity::Verbosity & ELogVerbosity::VerbosityMask) <= std::decay_t<decltype(CategoryName)>::CompileTimeVerbosity)               \
		{                                                                                                                                                    \
			if ((ELogVerbosity::Verbosity & ELogVerbosity::VerbosityMask) == ELogVerbosity::Fatal || !(CategoryName).IsSuppressed(ELogVerbosity::Verbosity)) \
			{                                                                                                                                                \
				::FMsg::Logf(__FILE__, __LINE__, (CategoryName).GetCategoryName(), ELogVerbosity::Verbosity, Format, ##__VA_ARGS__);                         \
			}                                                                                                                                                \
		}                                                                                                                                                    \
	} while (false)

#define UE_CLOG(Condition, CategoryName, Verbosity, Format, ...)    \
	do                                                              \
	{                                                               \
		if (Condition)                                              \
		{                                                           \
			UE_LOG(CategoryName, Verbosity, Format, ##__VA_ARGS__); \
		}                                                           \
	} while (false)

#define UE_LOG_ACTIVE(CategoryName, Verbosity) (!(CategoryName).IsSuppressed(ELogVerbosity::Verbosity))

#define UE_SUPPRESS(CategoryName, Verbosity, ExecuteIfUnsuppressed) \
	do                                                              \
	{                                                               \
		if (!(CategoryName).IsSuppressed(ELogVerbosity::Verbosity)) \
		{                                                           \
			ExecuteIfUnsuppressed;                                  \
		}                                                           \
	} while (false)

#define DECLARE_LOG_CATEGORY_EXTERN(CategoryName, DefaultVerbosity, CompileTimeVerbosity)                                                \
	extern struct FLogCategory##CategoryName : public FLogCategory<ELogVerbosity::DefaultVerbosity, ELogVerbosity::CompileTimeVerbosity> \
	{                                                                                                                                    \
		FORCEINLINE FLogCategory##CategoryName()                                                                                         \
			: FLogCategory(TEXT(#CategoryName))                                                                                          \
		{                                                                                                                                \
		}                                                                                                                                \
	} CategoryName;

#define DEFINE_LOG_CATEGORY(CategoryName) FLogCategory##CategoryName CategoryName;

#define DEFINE_LOG_CATEGORY_STATIC(CategoryName, DefaultVerbosity, CompileTimeVerbosity)                                                 \
	static struct FLogCategory##CategoryName : public FLogCategory<ELogVerbosity::DefaultVerbosity, ELogVerbosity::CompileTimeVerbosity> \
	{                                                                                                                                    \
		FORCEINLINE FLogCategory##CategoryName()                                                                                         \
			: FLogCategory(TEXT(#CategoryName))                                                                                          \
		{                                                                                                                                \
		}                                                                                                                                \
	} CategoryName;

#define DECLARE_LOG_CATEGORY_CLASS(CategoryName, DefaultVerbosity, CompileTimeVerbosity) \
	DEFINE_LOG_CATEGORY_STATIC(CategoryName, DefaultVerbosity, CompileTimeVerbosity)

#define DEFINE_LOG_CATEGORY_CLASS(Class, CategoryName)

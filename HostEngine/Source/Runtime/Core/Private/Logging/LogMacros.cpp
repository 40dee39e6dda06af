#include "Logging/LogMacros.h"

#include "Containers/StringConv.h"
#include "CoreGlobals.h"
#include "LogRecorder.h"
#include "Logging/LogCategory.h"
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace UE::Core::Private
{
	FLogRecorder& LogRecorder()
	{
		// Leaked on purpose: modules log from their static destructors.
		static FLogRecorder* Instance = new FLogRecorder();
		return *Instance;
	}
} // namespace UE::Core::Private

const TCHAR* ToString(ELogVerbosity::Type Verbosity)
{
	switch (Verbosity & ELogVerbosity::VerbosityMask)
	{
		case ELogVerbosity::NoLogging:
			return TEXT("NoLogging");
		case ELogVerbosity::Fatal:
			return TEXT("Fatal");
		case ELogVerbosity::Error:
			return TEXT("Error");
		case ELogVerbosity::Warning:
			return TEXT("Warning");
		case ELogVerbosity::Display:
			return TEXT("Display");
		case ELogVerbosity::Log:
			return TEXT("Log");
		case ELogVerbosity::Verbose:
			return TEXT("Verbose");
		case ELogVerbosity::VeryVerbose:
			return TEXT("VeryVerbose");
		default:
			return TEXT("UknownVerbosity");
	}
}

ELogVerbosity::Type ParseLogVerbosityFromString(const TCHAR* VerbosityString)
{
	for (uint8 Value = ELogVerbosity::NoLogging; Value < ELogVerbosity::NumVerbosity; ++Value)
	{
		if (FCString::Stricmp(VerbosityString, ToString(static_cast<ELogVerbosity::Type>(Value))) == 0)
		{
			return static_cast<ELogVerbosity::Type>(Value);
		}
	}
	return ELogVerbosity::NoLogging;
}

void FMsg::LogMessage(const ANSICHAR* File, int32 Line, const FLogCategoryName& Category, ELogVerbosity::Type Verbosity, const TCHAR* Message)
{
	const ELogVerbosity::Type Level = static_cast<ELogVerbosity::Type>(Verbosity & ELogVerbosity::VerbosityMask);
	UE::Core::Private::FLogRecorder& Log = UE::Core::Private::LogRecorder();
	{
		std::lock_guard<std::mutex> Lock(Log.Mutex);
		HostTest::FRecordedLogLine& Recorded = Log.Lines.AddDefaulted_GetRef();
		Recorded.Category = Category;
		Recorded.Verbosity = Level;
		Recorded.Message = Message;
	}

	if (Log.bEcho.load() || Level == ELogVerbosity::Fatal)
	{
		// The engine's console format: "LogTemp: Warning: text", with the verbosity left out for Log.
		FString Text = Category.ToString();
		Text += TEXT(": ");
		if (Level != ELogVerbosity::Log)
		{
			Text += ToString(Level);
			Text += TEXT(": ");
		}
		Text += Message;
		const FTCHARToUTF8 Utf8(*Text);
		std::fprintf(stderr, "%s\n", reinterpret_cast<const char*>(Utf8.Get()));
		std::fflush(stderr);
	}

	if (Level == ELogVerbosity::Fatal)
	{
		std::fprintf(stderr, "Fatal error: [File:%s] [Line: %d]\n", File, Line);
		std::fflush(stderr);
		std::abort();
	}
}

FLogCategoryBase::FLogCategoryBase(const TCHAR* InCategoryName, ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity)
	: FLogCategoryBase(FLogCategoryName(InCategoryName), InDefaultVerbosity, InCompileTimeVerbosity)
{
}

FLogCategoryBase::FLogCategoryBase(const FLogCategoryName& InCategoryName, ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity)
	: Verbosity(static_cast<ELogVerbosity::Type>(InDefaultVerbosity & ELogVerbosity::VerbosityMask)), DefaultVerbosity(static_cast<ELogVerbosity::Type>(InDefaultVerbosity & ELogVerbosity::VerbosityMask)), CompileTimeVerbosity(InCompileTimeVerbosity), CategoryName(InCategoryName)
{
}

FLogCategoryBase::~FLogCategoryBase() = default;

void FLogCategoryBase::SetVerbosity(ELogVerbosity::Type NewVerbosity)
{
	// Never louder than what was compiled in.
	const ELogVerbosity::Type Requested = static_cast<ELogVerbosity::Type>(NewVerbosity & ELogVerbosity::VerbosityMask);
	Verbosity = Requested > CompileTimeVerbosity ? CompileTimeVerbosity : Requested;
}

void FLogCategoryBase::ResetFromDefault()
{
	SetVerbosity(DefaultVerbosity);
}

#include "HostTest/CoreProbe.h"

#include "Logging/LogRecorder.h"
#include <mutex>

namespace HostTest
{
	FString GetTextNamespace(const FText& Text)
	{
		return FTextInspector::GetNamespace(Text).Get(FString());
	}

	FString GetTextKey(const FText& Text)
	{
		return FTextInspector::GetKey(Text).Get(FString());
	}

	FString GetTextSourceString(const FText& Text)
	{
		const FString* Source = FTextInspector::GetSourceString(Text);
		return Source ? *Source : FString();
	}

	bool IsTextLocalizable(const FText& Text)
	{
		return FTextInspector::ShouldGatherForLocalization(Text);
	}

	bool IsTextFromString(const FText& Text)
	{
		return Text.IsInitializedFromString();
	}
} // namespace HostTest

namespace HostTest
{
	TArray<FRecordedLogLine> GetRecordedLogLines()
	{
		UE::Core::Private::FLogRecorder& Log = UE::Core::Private::LogRecorder();
		std::lock_guard<std::mutex> Lock(Log.Mutex);
		return Log.Lines;
	}

	void ClearRecordedLogLines()
	{
		UE::Core::Private::FLogRecorder& Log = UE::Core::Private::LogRecorder();
		std::lock_guard<std::mutex> Lock(Log.Mutex);
		Log.Lines.Reset();
	}

	int32 CountLogLines(FName Category, ELogVerbosity::Type Verbosity)
	{
		UE::Core::Private::FLogRecorder& Log = UE::Core::Private::LogRecorder();
		std::lock_guard<std::mutex> Lock(Log.Mutex);
		int32 Count = 0;
		for (const FRecordedLogLine& Line : Log.Lines)
		{
			if ((Category.IsNone() || Line.Category == Category) && (Verbosity == ELogVerbosity::All || Line.Verbosity == Verbosity))
			{
				++Count;
			}
		}
		return Count;
	}

	bool HasLogLineContaining(const FString& Substring, FName Category)
	{
		UE::Core::Private::FLogRecorder& Log = UE::Core::Private::LogRecorder();
		std::lock_guard<std::mutex> Lock(Log.Mutex);
		for (const FRecordedLogLine& Line : Log.Lines)
		{
			if ((Category.IsNone() || Line.Category == Category) && Line.Message.Contains(Substring, ESearchCase::CaseSensitive))
			{
				return true;
			}
		}
		return false;
	}

	void SetLogEcho(bool bEchoToStandardError)
	{
		UE::Core::Private::LogRecorder().bEcho.store(bEchoToStandardError);
	}
} // namespace HostTest

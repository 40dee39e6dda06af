#pragma once

#include "CoreMinimal.h"

/** What tests may observe of Core: the log, what a text was made from, and FMemory's allocations. */
namespace HostTest
{
	struct FRecordedLogLine
	{
		FName Category;
		ELogVerbosity::Type Verbosity = ELogVerbosity::Log;
		FString Message;
	};

	/** Every line UE_LOG let through (and every failed ensure), oldest first. */
	CORE_API TArray<FRecordedLogLine> GetRecordedLogLines();
	CORE_API void ClearRecordedLogLines();
	/** Lines of Category (any if None) at Verbosity (any if All). */
	CORE_API int32 CountLogLines(FName Category = NAME_None, ELogVerbosity::Type Verbosity = ELogVerbosity::All);
	/** Whether a recorded message contains Substring (case-sensitive), optionally in one category. */
	CORE_API bool HasLogLineContaining(const FString& Substring, FName Category = NAME_None);
	/** Whether log lines are also printed to stderr (on by default). Fatal lines always are. */
	CORE_API void SetLogEcho(bool bEchoToStandardError);

	/**
	 * Blocks handed out by FMemory (Malloc, and Realloc when it moves the block) since the process started. The
	 * containers allocate through operator new instead; a program that counts heap allocations adds both.
	 */
	CORE_API uint64 GetMemoryAllocationCount();

	/** The LOCTEXT namespace of a text, empty if it has none. */
	CORE_API FString GetTextNamespace(const FText& Text);
	/** The LOCTEXT key of a text, empty if it has none. */
	CORE_API FString GetTextKey(const FText& Text);
	/** The string a text was written with (for numbers and formats: the current result). */
	CORE_API FString GetTextSourceString(const FText& Text);
	/** True for texts the localization gatherer would collect: LOCTEXT/NSLOCTEXT that are not invariant. */
	CORE_API bool IsTextLocalizable(const FText& Text);
	/** True when the text came from FText::FromString. */
	CORE_API bool IsTextFromString(const FText& Text);
} // namespace HostTest

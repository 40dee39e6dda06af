#pragma once

#include "CoreMinimal.h"
#include "Logging/TokenizedMessage.h"

/**
 * What tests set and observe of Core around packaging: the project and engine directories behind
 * FPaths, the game thread's task queue (the host has no engine loop; a test is the game thread and
 * pumps it), and the message log listings.
 */
namespace HostTest
{
	/** Roots FPaths at Directory: ProjectDir() is Directory with a trailing '/', the project file <Name>.uproject. Empty forgets it. */
	CORE_API void SetProjectDirectory(const FString& Directory, const FString& ProjectName);
	/** Roots FPaths::EngineDir() at Directory (default: "Engine/" under the working directory). */
	CORE_API void SetEngineDirectory(const FString& Directory);

	/** Runs the game-thread tasks queued so far (AsyncTask to the game thread); returns how many ran. */
	CORE_API int32 TickGameThread();
	/** Ticks until Predicate holds or TimeoutSeconds pass; returns whether it held. */
	CORE_API bool TickGameThreadUntil(TFunctionRef<bool()> Predicate, float TimeoutSeconds);

	struct FMessageLogEntry
	{
		FName LogName;
		EMessageSeverity::Type Severity = EMessageSeverity::Info;
		FString Text;
		/** Raised by FMessageLog::Notify: Text is the notification's text. */
		bool bIsNotification = false;
		/** The start of a page (FMessageLog::NewPage): Text is its label. The listing shows only its last page. */
		bool bIsNewPage = false;
	};

	/** Everything the message logs received, oldest first, across all listings. */
	CORE_API TArray<FMessageLogEntry> GetMessageLogEntries();
	CORE_API void ClearMessageLogEntries();
	/** What the listing shows now: its last page, starting with the page's own entry, if it has one. */
	CORE_API TArray<FMessageLogEntry> GetMessageLogPage(FName LogName);
}

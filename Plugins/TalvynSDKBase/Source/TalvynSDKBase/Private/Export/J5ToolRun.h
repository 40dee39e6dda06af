#pragma once

#include "CoreMinimal.h"

#if WITH_EDITOR

#include "Delegates/Delegate.h"
#include "Templates/SharedPointer.h"

class FMonitoredProcess;

/**
 * One run of an engine tool (the cook, UnrealPak) as a child process. Output arrives on the process's
 * monitoring thread and is handed to the game thread, where the run is found again through a weak
 * pointer: a run that is gone is never touched. Diagnostics (the tool's error and warning lines) are
 * collected once each, up to the tool's closing summary, which only repeats them.
 */
class FJ5ToolRun : public TSharedFromThis<FJ5ToolRun>
{
public:
	/** One line of output, on the game thread. */
	DECLARE_DELEGATE_OneParam(FOnLine, const FString& /*Line*/);
	/** A new error or warning line, on the game thread. */
	DECLARE_DELEGATE_TwoParams(FOnDiagnostic, bool /*bIsError*/, const FString& /*Line*/);
	/** The end, on the game thread: the exit code, or cancelled. */
	DECLARE_DELEGATE_TwoParams(FOnFinished, int32 /*ReturnCode*/, bool /*bCanceled*/);

	/** A short name for logs and reasons ("The cook", "UnrealPak"). */
	FString ToolName;
	FOnLine OnLine;
	FOnDiagnostic OnDiagnostic;
	FOnFinished OnFinished;

	~FJ5ToolRun();

	/** Starts Executable with Params; false (with nothing running and nothing called back) when it could not be started. */
	bool Start(const FString& Executable, const FString& Params);

	/** Stops the tool and its children; OnFinished then reports cancelled. */
	void Cancel();

	/** Stops the tool at once and waits for it, calling nothing back (the editor is shutting down). */
	void Abandon();

	bool IsRunning() const;

	/** The error lines seen so far, once each, in order. */
	const TArray<FString>& GetErrors() const
	{
		return Errors;
	}

private:
	void HandleLine(const FString& Line);
	void HandleEnd(int32 ReturnCode, bool bCanceled);

	TSharedPtr<FMonitoredProcess> Process;
	TArray<FString> Errors;
	TSet<FString> SeenDiagnostics;
	bool bInSummary = false;
	bool bFinished = false;
};

#endif

#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "CoreMinimal.h"
#include "Delegates/Delegate.h"
#include "HAL/PlatformProcess.h"

#include <atomic>
#include <chrono>
#include <thread>

/** One line of the child's output, without its line end. */
DECLARE_DELEGATE_OneParam(FOnMonitoredProcessOutput, FString);
/** The child's exit code. */
DECLARE_DELEGATE_OneParam(FOnMonitoredProcessCompleted, int32);

/**
 * Runs a program and watches it on a thread of its own: the output arrives line by line through
 * OnOutput, the end through OnCompleted (exit code) or, after Cancel, OnCanceled. All three are called
 * on the monitoring thread.
 */
class FMonitoredProcess
{
public:
	CORE_API FMonitoredProcess(const FString& InURL, const FString& InParams, bool InHidden, bool InCreatePipes = true);
	CORE_API FMonitoredProcess(const FString& InURL, const FString& InParams, const FString& InWorkingDir, bool InHidden, bool InCreatePipes = true);
	/** Cancels a process still running (its whole tree) and waits for the monitoring thread. */
	CORE_API virtual ~FMonitoredProcess();

	FSimpleDelegate& OnCanceled()
	{
		return CanceledDelegate;
	}

	FOnMonitoredProcessCompleted& OnCompleted()
	{
		return CompletedDelegate;
	}

	FOnMonitoredProcessOutput& OnOutput()
	{
		return OutputDelegate;
	}

	/** Starts the program; false when it could not be started (nothing is called back then). */
	CORE_API virtual bool Launch();
	CORE_API void Cancel(bool InKillTree = false);
	CORE_API bool IsRunning() const;
	CORE_API int32 GetReturnCode() const;
	CORE_API FString GetCommandline() const;
	CORE_API const FString& GetFullOutputWithoutDelegate() const;

private:
	void Run();
	void ProcessOutput(const FString& Output, bool bFlush);

	FString URL;
	FString Params;
	FString WorkingDir;
	bool bCreatePipes;

	FProcHandle ProcessHandle;
	void* ReadPipe = nullptr;
	void* WritePipe = nullptr;
	std::thread Thread;
	std::atomic<bool> bIsRunning { false };
	std::atomic<bool> bCanceling { false };
	std::atomic<bool> bKillTree { false };
	std::atomic<int32> ReturnCode { -1 };
	FString OutputBuffer;
	FString FullOutput;

	FSimpleDelegate CanceledDelegate;
	FOnMonitoredProcessCompleted CompletedDelegate;
	FOnMonitoredProcessOutput OutputDelegate;
};

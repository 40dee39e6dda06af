#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"

/** A started child process. The host keeps the process id and whether its exit has been collected. */
struct FProcHandle
{
	FProcHandle() = default;
	explicit FProcHandle(int32 InProcessId)
		: ProcessId(InProcessId)
	{
	}

	bool IsValid() const
	{
		return ProcessId > 0;
	}

	void Reset()
	{
		ProcessId = 0;
		bReaped = false;
		ReturnCode = -1;
	}

	int32 ProcessId = 0;
	bool bReaped = false;
	int32 ReturnCode = -1;
};

/**
 * Processes on Linux. CreateProc runs the program itself, with no shell: Parms is split at spaces,
 * double quotes group words (and are dropped), nothing is expanded. A child is started in its own
 * process group so that TerminateProc can end what it started too.
 */
struct FUnixPlatformProcess
{
	static CORE_API FProcHandle CreateProc(const TCHAR* URL, const TCHAR* Parms, bool bLaunchDetached, bool bLaunchHidden, bool bLaunchReallyHidden, uint32* OutProcessID, int32 PriorityModifier, const TCHAR* OptionalWorkingDirectory, void* PipeWriteChild, void* PipeReadChild = nullptr);
	static CORE_API bool ExecProcess(const TCHAR* URL, const TCHAR* Params, int32* OutReturnCode, FString* OutStdOut, FString* OutStdErr, const TCHAR* OptionalWorkingDirectory = nullptr, bool bShouldEndWithParentProcess = false);
	static CORE_API bool IsProcRunning(FProcHandle& ProcessHandle);
	static CORE_API void WaitForProc(FProcHandle& ProcessHandle);
	static CORE_API bool GetProcReturnCode(FProcHandle& ProcHandle, int32* ReturnCode);
	static CORE_API void CloseProc(FProcHandle& ProcessHandle);
	static CORE_API void TerminateProc(FProcHandle& ProcessHandle, bool KillTree = false);

	static CORE_API bool CreatePipe(void*& ReadPipe, void*& WritePipe, bool bWritePipeLocal = false);
	/** What is in the pipe now, without waiting, decoded from UTF-8. */
	static CORE_API FString ReadPipe(void* ReadPipe);
	static CORE_API void ClosePipe(void* ReadPipe, void* WritePipe);

	static CORE_API void Sleep(float Seconds);
	static CORE_API uint32 GetCurrentProcessId();
	static CORE_API const TCHAR* BaseDir();
	static CORE_API const TCHAR* ExecutablePath();
	static CORE_API const TCHAR* GetBinariesSubdirectory();

	/** The words CreateProc passes to the program for Parms. */
	static CORE_API TArray<FString> HostSplitCommandLine(const TCHAR* Parms);
};

typedef FUnixPlatformProcess FPlatformProcess;

#include "Misc/MonitoredProcess.h"

FMonitoredProcess::FMonitoredProcess(const FString& InURL, const FString& InParams, bool InHidden, bool InCreatePipes)
	: FMonitoredProcess(InURL, InParams, FString(), InHidden, InCreatePipes)
{
}

FMonitoredProcess::FMonitoredProcess(const FString& InURL, const FString& InParams, const FString& InWorkingDir, bool InHidden, bool InCreatePipes)
	: URL(InURL)
	, Params(InParams)
	, WorkingDir(InWorkingDir)
	, bCreatePipes(InCreatePipes)
{
}

FMonitoredProcess::~FMonitoredProcess()
{
	if (IsRunning())
	{
		Cancel(true);
	}
	if (Thread.joinable())
	{
		Thread.join();
	}
	if (ReadPipe || WritePipe)
	{
		FPlatformProcess::ClosePipe(ReadPipe, WritePipe);
	}
}

bool FMonitoredProcess::Launch()
{
	if (bIsRunning)
	{
		return false;
	}
	if (bCreatePipes && !FPlatformProcess::CreatePipe(ReadPipe, WritePipe))
	{
		return false;
	}
	ProcessHandle = FPlatformProcess::CreateProc(*URL, *Params, false, true, true, nullptr, 0, WorkingDir.IsEmpty() ? nullptr : *WorkingDir, WritePipe);
	if (!ProcessHandle.IsValid())
	{
		return false;
	}
	bIsRunning = true;
	Thread = std::thread([this]() { Run(); });
	return true;
}

void FMonitoredProcess::Cancel(bool InKillTree)
{
	bKillTree = InKillTree;
	bCanceling = true;
}

bool FMonitoredProcess::IsRunning() const
{
	return bIsRunning;
}

int32 FMonitoredProcess::GetReturnCode() const
{
	return ReturnCode;
}

FString FMonitoredProcess::GetCommandline() const
{
	return FString::Printf(TEXT("%s %s"), *URL, *Params);
}

const FString& FMonitoredProcess::GetFullOutputWithoutDelegate() const
{
	return FullOutput;
}

void FMonitoredProcess::ProcessOutput(const FString& Output, bool bFlush)
{
	OutputBuffer += Output;
	int32 LineEnd = INDEX_NONE;
	while (OutputBuffer.FindChar(TEXT('\n'), LineEnd))
	{
		FString Line = OutputBuffer.Left(LineEnd);
		OutputBuffer.RightChopInline(LineEnd + 1);
		Line.RemoveFromEnd(TEXT("\r"));
		if (OutputDelegate.IsBound())
		{
			OutputDelegate.Execute(Line);
		}
		else
		{
			FullOutput += Line + TEXT("\n");
		}
	}
	if (bFlush && !OutputBuffer.IsEmpty())
	{
		FString Line = MoveTemp(OutputBuffer);
		OutputBuffer.Empty();
		if (OutputDelegate.IsBound())
		{
			OutputDelegate.Execute(Line);
		}
		else
		{
			FullOutput += Line;
		}
	}
}

void FMonitoredProcess::Run()
{
	bool bWasCanceled = false;
	while (FPlatformProcess::IsProcRunning(ProcessHandle))
	{
		if (bCanceling)
		{
			FPlatformProcess::TerminateProc(ProcessHandle, bKillTree);
			FPlatformProcess::WaitForProc(ProcessHandle);
			bWasCanceled = true;
			break;
		}
		ProcessOutput(FPlatformProcess::ReadPipe(ReadPipe), false);
		FPlatformProcess::Sleep(0.01f);
	}
	ProcessOutput(FPlatformProcess::ReadPipe(ReadPipe), true);

	int32 Code = -1;
	FPlatformProcess::GetProcReturnCode(ProcessHandle, &Code);
	ReturnCode = Code;
	FPlatformProcess::CloseProc(ProcessHandle);
	bIsRunning = false;

	if (bWasCanceled)
	{
		CanceledDelegate.ExecuteIfBound();
	}
	else
	{
		CompletedDelegate.ExecuteIfBound(Code);
	}
}

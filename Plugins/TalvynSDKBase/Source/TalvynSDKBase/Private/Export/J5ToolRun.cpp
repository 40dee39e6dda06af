#include "Export/J5ToolRun.h"

#if WITH_EDITOR

#include "Async/Async.h"
#include "Misc/MonitoredProcess.h"
#include "TalvynSDKBaseLog.h"

FJ5ToolRun::~FJ5ToolRun()
{
	Abandon();
}

bool FJ5ToolRun::Start(const FString& Executable, const FString& Params)
{
	UE_LOG(LogTalvynSDK, Log, TEXT("Running %s %s"), *Executable, *Params);
	TSharedPtr<FMonitoredProcess> NewProcess = MakeShared<FMonitoredProcess>(Executable, Params, true, true);
	const TWeakPtr<FJ5ToolRun> WeakRun = AsShared();
	NewProcess->OnOutput().BindLambda([WeakRun](FString Line)
	{
		AsyncTask(ENamedThreads::GameThread, [WeakRun, Line = MoveTemp(Line)]()
		{
			if (TSharedPtr<FJ5ToolRun> Run = WeakRun.Pin())
			{
				Run->HandleLine(Line);
			}
		});
	});
	NewProcess->OnCompleted().BindLambda([WeakRun](int32 ReturnCode)
	{
		AsyncTask(ENamedThreads::GameThread, [WeakRun, ReturnCode]()
		{
			if (TSharedPtr<FJ5ToolRun> Run = WeakRun.Pin())
			{
				Run->HandleEnd(ReturnCode, false);
			}
		});
	});
	NewProcess->OnCanceled().BindLambda([WeakRun]()
	{
		AsyncTask(ENamedThreads::GameThread, [WeakRun]()
		{
			if (TSharedPtr<FJ5ToolRun> Run = WeakRun.Pin())
			{
				Run->HandleEnd(-1, true);
			}
		});
	});
	if (!NewProcess->Launch())
	{
		return false;
	}
	Process = MoveTemp(NewProcess);
	return true;
}

void FJ5ToolRun::Cancel()
{
	if (Process.IsValid() && !bFinished)
	{
		UE_LOG(LogTalvynSDK, Warning, TEXT("Cancelling %s."), *ToolName);
		Process->Cancel(true);
	}
}

void FJ5ToolRun::Abandon()
{
	OnLine.Unbind();
	OnDiagnostic.Unbind();
	OnFinished.Unbind();
	if (Process.IsValid())
	{
		// The process object stops the tool and waits for its monitoring thread; what that thread queued
		// for the game thread finds this run gone.
		Process->Cancel(true);
		Process.Reset();
	}
}

bool FJ5ToolRun::IsRunning() const
{
	return Process.IsValid() && !bFinished;
}

void FJ5ToolRun::HandleLine(const FString& Line)
{
	UE_LOG(LogTalvynSDK, Log, TEXT("[%s] %s"), *ToolName, *Line);
	// The closing "Warning/Error Summary" repeats what was reported already.
	if (Line.Contains(TEXT("Warning/Error Summary"), ESearchCase::IgnoreCase))
	{
		bInSummary = true;
	}
	const bool bIsError = Line.Contains(TEXT("Error: "), ESearchCase::CaseSensitive) || Line.StartsWith(TEXT("Error:"), ESearchCase::CaseSensitive);
	const bool bIsWarning = !bIsError && (Line.Contains(TEXT("Warning: "), ESearchCase::CaseSensitive) || Line.StartsWith(TEXT("Warning:"), ESearchCase::CaseSensitive));
	if (!bInSummary && (bIsError || bIsWarning))
	{
		const FString Diagnostic = Line.TrimStartAndEnd();
		bool bSeen = false;
		SeenDiagnostics.Add(Diagnostic, &bSeen);
		if (!bSeen)
		{
			if (bIsError)
			{
				Errors.Add(Diagnostic);
			}
			OnDiagnostic.ExecuteIfBound(bIsError, Diagnostic);
		}
	}
	OnLine.ExecuteIfBound(Line);
}

void FJ5ToolRun::HandleEnd(int32 ReturnCode, bool bCanceled)
{
	if (bFinished)
	{
		return;
	}
	bFinished = true;
	// The callback may drop the last reference to this run; keep it until the end of this call.
	const TSharedRef<FJ5ToolRun> Self = AsShared();
	const FOnFinished Finished = OnFinished;
	OnFinished.Unbind();
	Finished.ExecuteIfBound(ReturnCode, bCanceled);
}

#endif

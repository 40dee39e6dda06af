#include "Export/J5ToolStage.h"

#if WITH_EDITOR

#include "Export/J5ExportJob.h"
#include "Export/J5ToolRun.h"

namespace J5ToolStagePrivate
{
	/** How many of a failed tool's error lines its reason repeats (all of them are in the message log). */
	constexpr int32 MaxErrorsInReason = 5;
}

FJ5ToolStage::~FJ5ToolStage()
{
	if (Run.IsValid())
	{
		Run->Abandon();
	}
}

void FJ5ToolStage::Start(FJ5ExportJob& InJob)
{
	OwningJob = InJob.AsShared();
	FString Executable;
	FString Params;
	FString Reason;
	if (!Prepare(InJob.GetContext(), Executable, Params, Reason))
	{
		InJob.StageFailed(Reason);
		return;
	}
	Run = MakeShared<FJ5ToolRun>();
	Run->ToolName = GetToolName();
	const TWeakPtr<FJ5ToolStage> WeakStage = AsShared();
	Run->OnLine.BindLambda([WeakStage](const FString& Line)
	{
		const TSharedPtr<FJ5ToolStage> Stage = WeakStage.Pin();
		const TSharedPtr<FJ5ExportJob> Pinned = Stage.IsValid() ? Stage->OwningJob.Pin() : TSharedPtr<FJ5ExportJob>();
		if (Pinned.IsValid())
		{
			Stage->HandleLine(*Pinned, Line);
		}
	});
	Run->OnDiagnostic.BindLambda([WeakStage](bool bIsError, const FString& Line)
	{
		const TSharedPtr<FJ5ToolStage> Stage = WeakStage.Pin();
		const TSharedPtr<FJ5ExportJob> Pinned = Stage.IsValid() ? Stage->OwningJob.Pin() : TSharedPtr<FJ5ExportJob>();
		if (Pinned.IsValid())
		{
			Pinned->AddDiagnostic(bIsError, Line);
		}
	});
	Run->OnFinished.BindLambda([WeakStage](int32 ReturnCode, bool bCanceled)
	{
		if (const TSharedPtr<FJ5ToolStage> Stage = WeakStage.Pin())
		{
			Stage->HandleEnd(ReturnCode, bCanceled);
		}
	});
	if (!Run->Start(Executable, Params))
	{
		Run.Reset();
		InJob.StageFailed(FString::Printf(TEXT("%s (%s) could not be started."), *GetToolName(), *Executable));
	}
}

void FJ5ToolStage::Cancel()
{
	if (Run.IsValid())
	{
		Run->Cancel();
	}
}

void FJ5ToolStage::Abandon()
{
	if (Run.IsValid())
	{
		Run->Abandon();
		Run.Reset();
	}
}

void FJ5ToolStage::HandleEnd(int32 ReturnCode, bool bCanceled)
{
	const TSharedPtr<FJ5ExportJob> Pinned = OwningJob.Pin();
	const TSharedPtr<FJ5ToolRun> Finished = Run;
	if (!Pinned.IsValid() || !Finished.IsValid())
	{
		return;
	}
	if (bCanceled)
	{
		Pinned->StageCanceled();
		return;
	}
	if (ReturnCode != 0)
	{
		FString Reason = FString::Printf(TEXT("%s failed with exit code %d; %s"), *GetToolName(), ReturnCode, *GetLogHint(Pinned->GetContext()));
		const TArray<FString>& Errors = Finished->GetErrors();
		for (int32 Index = 0; Index < Errors.Num() && Index < J5ToolStagePrivate::MaxErrorsInReason; ++Index)
		{
			Reason += TEXT("\n") + Errors[Index];
		}
		Pinned->StageFailed(Reason);
		return;
	}
	FString Reason;
	if (!Finish(Pinned->GetContext(), Reason))
	{
		Pinned->StageFailed(Reason);
		return;
	}
	Pinned->StageSucceeded();
}

#endif

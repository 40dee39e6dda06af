#include "Export/J5ExportJob.h"

#if WITH_EDITOR

#include "Export/J5ExportStage.h"
#include "J5Package.h"
#include "J5PackageExportReport.h"
#include "Logging/MessageLog.h"
#include "TalvynSDKBaseLog.h"

TSharedPtr<FJ5ExportJob>& FJ5ExportJob::Current()
{
	static TSharedPtr<FJ5ExportJob> Running;
	return Running;
}

FString FJ5ExportJob::GetBusyReason()
{
	const TSharedPtr<FJ5ExportJob>& Running = Current();
	return Running.IsValid()
		? FString::Printf(TEXT("%s of %s is still running; wait for it to finish or cancel it."), *Running->Title, *Running->Context.PackageName)
		: FString();
}

FJ5ExportJob::FJ5ExportJob(const FString& InTitle, const TArray<TSharedRef<FJ5ExportStage>>& InStages)
	: Title(InTitle)
	, Stages(InStages)
{
}

void FJ5ExportJob::Run(UJ5Package& Package, const FString& InTitle, const TArray<TSharedRef<FJ5ExportStage>>& InStages)
{
	const FString Busy = GetBusyReason();
	if (!Busy.IsEmpty())
	{
		// The results listing keeps showing the export that runs.
		J5PackageExport::ReportFailure(Package, InTitle, Busy);
		return;
	}
	// The results listing shows this export alone, as the engine's packaging does.
	FMessageLog(J5PackageExport::MessageLogName).NewPage(FText::FromString(FString::Printf(TEXT("%s: %s"), *Package.GetName(), *InTitle)));
	const TSharedRef<FJ5ExportJob> Job = MakeShareable(new FJ5ExportJob(InTitle, InStages));
	FString Refusal;
	if (!FJ5ExportContext::Make(Package, Job->Context, Refusal))
	{
		J5PackageExport::ReportFailure(Package, InTitle, Refusal);
		return;
	}
	for (const TSharedRef<FJ5ExportStage>& Stage : InStages)
	{
		Refusal = Stage->GetRefusal(Job->Context);
		if (!Refusal.IsEmpty())
		{
			J5PackageExport::ReportFailure(Package, InTitle, Refusal);
			return;
		}
	}

	Current() = Job;
	const TWeakPtr<FJ5ExportJob> WeakJob = Job;
	Job->Notification.Begin(FString::Printf(TEXT("%s: %s"), *InTitle, *Job->Context.PackageName), FSimpleDelegate::CreateLambda([WeakJob]()
	{
		if (TSharedPtr<FJ5ExportJob> Pinned = WeakJob.Pin())
		{
			Pinned->Cancel();
		}
	}));
	Job->StartNextStage();
}

void FJ5ExportJob::StartNextStage()
{
	++StageIndex;
	if (!Stages.IsValidIndex(StageIndex))
	{
		Succeed();
		return;
	}
	const FString Description = Stages[StageIndex]->Describe(Context);
	UE_LOG(LogTalvynSDK, Log, TEXT("%s: %s"), *Context.PackageName, *Description);
	Notification.SetProgress(Description);
	// Keep the stage alive while it starts: a stage that ends at once may end the job.
	const TSharedRef<FJ5ExportStage> Stage = Stages[StageIndex];
	Stage->Start(*this);
}

void FJ5ExportJob::SetProgress(const FString& Text)
{
	Notification.SetProgress(Text);
}

void FJ5ExportJob::AddDiagnostic(bool bIsError, const FString& Line)
{
	FMessageLog Log(J5PackageExport::MessageLogName);
	Log.SuppressLoggingToOutputLog(true);
	if (bIsError)
	{
		Log.Error(FText::FromString(Line));
	}
	else
	{
		Log.Warning(FText::FromString(Line));
	}
}

void FJ5ExportJob::StageSucceeded()
{
	if (bEnded)
	{
		return;
	}
	// A Cancel that came as the stage was ending stops the export here.
	if (bCancelRequested)
	{
		StageCanceled();
		return;
	}
	StartNextStage();
}

void FJ5ExportJob::StageFailed(const FString& Reason)
{
	if (bEnded)
	{
		return;
	}
	const TSharedRef<FJ5ExportJob> Self = AsShared();
	CleanUp();
	End();
	UE_LOG(LogTalvynSDK, Error, TEXT("%s: %s: %s"), *Context.PackageName, *Title, *Reason);
	// The message log has the tool's error lines already; the reason's first line says what failed.
	FString Headline = Reason;
	Reason.Split(TEXT("\n"), &Headline, nullptr);
	FMessageLog(J5PackageExport::MessageLogName).SuppressLoggingToOutputLog(true).Error(FText::FromString(FString::Printf(TEXT("%s: %s: %s"), *Context.PackageName, *Title, *Headline)));
	Notification.Fail(FString::Printf(TEXT("%s failed: %s"), *Title, *Context.PackageName), Reason);
}

void FJ5ExportJob::StageCanceled()
{
	if (bEnded)
	{
		return;
	}
	const TSharedRef<FJ5ExportJob> Self = AsShared();
	CleanUp();
	End();
	const FString Detail = TEXT("canceled; nothing was exported.");
	UE_LOG(LogTalvynSDK, Warning, TEXT("%s: %s: %s"), *Context.PackageName, *Title, *Detail);
	FMessageLog(J5PackageExport::MessageLogName).SuppressLoggingToOutputLog(true).Warning(FText::FromString(FString::Printf(TEXT("%s: %s: %s"), *Context.PackageName, *Title, *Detail)));
	Notification.Canceled(FString::Printf(TEXT("%s canceled: %s"), *Title, *Context.PackageName), TEXT("Nothing was exported."));
}

void FJ5ExportJob::Cancel()
{
	if (!bEnded && Stages.IsValidIndex(StageIndex))
	{
		bCancelRequested = true;
		Stages[StageIndex]->Cancel();
	}
}

void FJ5ExportJob::Succeed()
{
	const TSharedRef<FJ5ExportJob> Self = AsShared();
	End();
	const FString Detail = FString::Join(Context.Results, TEXT("; "));
	UE_LOG(LogTalvynSDK, Log, TEXT("%s: %s: %s"), *Context.PackageName, *Title, *Detail);
	FMessageLog(J5PackageExport::MessageLogName).SuppressLoggingToOutputLog(true).Info(FText::FromString(FString::Printf(TEXT("%s: %s: %s"), *Context.PackageName, *Title, *Detail)));
	Notification.Succeed(FString::Printf(TEXT("%s done: %s"), *Title, *Context.PackageName), Detail);
}

void FJ5ExportJob::CleanUp()
{
	// Every stage's output goes, not only the running one's: an earlier pak must not pass for this export's result.
	for (const TSharedRef<FJ5ExportStage>& Stage : Stages)
	{
		Stage->CleanUp(Context);
	}
}

void FJ5ExportJob::End()
{
	bEnded = true;
	if (Current().Get() == this)
	{
		Current().Reset();
	}
}

void FJ5ExportJob::AbandonRunning()
{
	const TSharedPtr<FJ5ExportJob> Running = Current();
	if (!Running.IsValid())
	{
		return;
	}
	UE_LOG(LogTalvynSDK, Warning, TEXT("%s: the editor is closing; %s is stopped."), *Running->Context.PackageName, *Running->Title);
	if (Running->Stages.IsValidIndex(Running->StageIndex))
	{
		Running->Stages[Running->StageIndex]->Abandon();
	}
	Running->CleanUp();
	Running->End();
}

#endif

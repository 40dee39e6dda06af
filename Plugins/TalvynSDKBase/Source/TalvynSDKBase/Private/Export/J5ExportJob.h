#pragma once

#include "CoreMinimal.h"

#if WITH_EDITOR

#include "Export/J5ExportContext.h"
#include "Export/J5ExportNotification.h"
#include "Templates/SharedPointer.h"

class FJ5ExportStage;
class UJ5Package;

/**
 * An export in progress: its stages run one after the other under one notification, which shows the
 * running stage's progress and offers Cancel. One export runs at a time, editor-wide.
 */
class FJ5ExportJob : public TSharedFromThis<FJ5ExportJob>
{
public:
	/**
	 * Starts an export of the package made of the stages. Refusals (another export running, a stage that
	 * cannot run) are reported under InTitle and start nothing.
	 */
	static void Run(UJ5Package& Package, const FString& InTitle, const TArray<TSharedRef<FJ5ExportStage>>& InStages);

	/** Why no export can start now, or empty. */
	static FString GetBusyReason();

	/** Stops the running export, if any, without reporting: the editor is shutting down. */
	static void AbandonRunning();

	FJ5ExportContext& GetContext()
	{
		return Context;
	}

	/** The running stage's progress, as the notification's second line. */
	void SetProgress(const FString& Text);

	/** An error or warning a tool printed: one message log entry. */
	void AddDiagnostic(bool bIsError, const FString& Line);

	void StageSucceeded();
	void StageFailed(const FString& Reason);
	void StageCanceled();

	/** The user's Cancel. */
	void Cancel();

private:
	FJ5ExportJob(const FString& InTitle, const TArray<TSharedRef<FJ5ExportStage>>& InStages);

	void StartNextStage();
	void Succeed();
	/** Removes what the stages left half-written after a failure or cancel. */
	void CleanUp();
	void End();

	static TSharedPtr<FJ5ExportJob>& Current();

	FString Title;
	FJ5ExportContext Context;
	TArray<TSharedRef<FJ5ExportStage>> Stages;
	int32 StageIndex = INDEX_NONE;
	FJ5ExportNotification Notification;
	bool bCancelRequested = false;
	bool bEnded = false;
};

#endif

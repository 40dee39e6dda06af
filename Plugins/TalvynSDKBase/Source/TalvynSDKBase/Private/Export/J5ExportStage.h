#pragma once

#include "CoreMinimal.h"

#if WITH_EDITOR

class FJ5ExportJob;
struct FJ5ExportContext;

/**
 * One step of an export (save, cook, pak...). The job checks every stage before the first one starts,
 * so that a setup fault is told at once rather than after a long cook, then runs them in order.
 * A stage that is started ends by calling exactly one of the job's StageSucceeded, StageFailed or
 * StageCanceled, possibly before Start returns.
 */
class FJ5ExportStage
{
public:
	virtual ~FJ5ExportStage() = default;

	/** Why the stage cannot run for this context (a missing tool, an empty package...), or empty. */
	virtual FString GetRefusal(const FJ5ExportContext& Context) const
	{
		return FString();
	}

	/** What the notification says while the stage runs. */
	virtual FString Describe(const FJ5ExportContext& Context) const = 0;

	virtual void Start(FJ5ExportJob& Job) = 0;

	/** Asks a running stage to stop; it ends with StageCanceled. */
	virtual void Cancel()
	{
	}

	/** Stops at once without calling the job back (the editor is shutting down). */
	virtual void Abandon()
	{
	}

	/** Removes what a canceled or failed run of the stage left half-written. */
	virtual void CleanUp(const FJ5ExportContext& Context)
	{
	}
};

/** The stages an export is made of, one per file in this folder. */
namespace J5ExportStages
{
	/** Saves the unsaved packages of the package's folder and dependencies, with the editor's save prompt. */
	TSharedRef<FJ5ExportStage> MakeSave();
	/** Cooks the package's content into a folder of its own. */
	TSharedRef<FJ5ExportStage> MakeCook();
	/** Writes the cooked files of the package into <Package>.pak (beside IoStore containers, what they do not hold). */
	TSharedRef<FJ5ExportStage> MakePak();
	/** Writes the package's packages into the IoStore container <Package>.utoc/.ucas. */
	TSharedRef<FJ5ExportStage> MakeIoStore();
}

#endif

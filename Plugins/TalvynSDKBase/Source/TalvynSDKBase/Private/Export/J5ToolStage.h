#pragma once

#include "CoreMinimal.h"

#if WITH_EDITOR

#include "Export/J5ExportStage.h"
#include "Templates/SharedPointer.h"

class FJ5ToolRun;

/**
 * A stage that runs one engine tool: it prepares the tool's input and command line, runs it under the
 * job's notification, turns its error and warning lines into message log entries, and checks its output.
 */
class FJ5ToolStage : public FJ5ExportStage, public TSharedFromThis<FJ5ToolStage>
{
public:
	virtual ~FJ5ToolStage() override;

	//~ Begin FJ5ExportStage interface
	virtual void Start(FJ5ExportJob& Job) override;
	virtual void Cancel() override;
	virtual void Abandon() override;
	//~ End FJ5ExportStage interface

protected:
	/** The tool's name in logs and reasons. */
	virtual FString GetToolName() const = 0;

	/** Writes the tool's input files and makes its command line; false with the reason when it cannot. */
	virtual bool Prepare(FJ5ExportContext& Context, FString& OutExecutable, FString& OutParams, FString& OutReason) = 0;

	/** Each line the tool prints, for progress. */
	virtual void HandleLine(FJ5ExportJob& Job, const FString& Line)
	{
	}

	/** After the tool succeeded: checks what it wrote and notes the results; false with the reason. */
	virtual bool Finish(FJ5ExportContext& Context, FString& OutReason) = 0;

	/** Where the tool's whole output can be read, for a failure's reason. */
	virtual FString GetLogHint(const FJ5ExportContext& Context) const
	{
		return TEXT("see the output log.");
	}

private:
	void HandleEnd(int32 ReturnCode, bool bCanceled);

	TWeakPtr<FJ5ExportJob> OwningJob;
	TSharedPtr<FJ5ToolRun> Run;
};

#endif

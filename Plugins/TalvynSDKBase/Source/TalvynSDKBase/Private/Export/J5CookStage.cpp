#include "Export/J5ExportStage.h"

#if WITH_EDITOR

#include "Export/J5ExportContext.h"
#include "Export/J5ExportJob.h"
#include "Export/J5ToolStage.h"
#include "HAL/FileManager.h"
#include "Misc/Paths.h"
#include "UnrealEdMisc.h"

/**
 * Cooks the package's folder and maps as the engine's packaging runs the cook, into a folder of the
 * package's own: the project's Saved/Cooked, which the project's own packaging fills, is never touched.
 */
class FJ5CookStage : public FJ5ToolStage
{
public:
	virtual FString GetRefusal(const FJ5ExportContext& Context) const override
	{
		const FString Executable = GetExecutable();
		if (!FPaths::FileExists(Executable))
		{
			return FString::Printf(TEXT("the cook tool %s is missing."), *Executable);
		}
		FString Unused;
		if (!FJ5ExportContext::Quote(Context.ProjectFile, Unused) || !FJ5ExportContext::Quote(Context.OutputDir, Unused))
		{
			return TEXT("the project's path contains a double quote, which cannot be passed to the cook.");
		}
		return FString();
	}

	virtual FString Describe(const FJ5ExportContext& Context) const override
	{
		return FString::Printf(TEXT("Cooking for %s..."), *Context.Platform);
	}

protected:
	virtual FString GetToolName() const override
	{
		return TEXT("The cook");
	}

	virtual bool Prepare(FJ5ExportContext& Context, FString& OutExecutable, FString& OutParams, FString& OutReason) override
	{
		FString Relative;
		FJ5ExportContext::GetContentRelativePath(Context.PackageDirectory, Relative);
		const FString CookDir = FPaths::ConvertRelativePathToFull(FPaths::Combine(FPaths::ProjectContentDir(), Relative));
		IFileManager::Get().MakeDirectory(*Context.CookedPlatformDir, true);

		FString QuotedProject;
		FString QuotedCookDir;
		FString QuotedOutput;
		FString QuotedLog;
		FJ5ExportContext::Quote(Context.ProjectFile, QuotedProject);
		FJ5ExportContext::Quote(CookDir, QuotedCookDir);
		FJ5ExportContext::Quote(Context.CookedPlatformDir, QuotedOutput);
		FJ5ExportContext::Quote(Context.CookLogFile, QuotedLog);

		TArray<FString> Params;
		Params.Add(QuotedProject);
		Params.Add(TEXT("-run=cook"));
		Params.Add(TEXT("-targetplatform=") + Context.Platform);
		// -cookdir requests the folder's .uasset files only; maps are named.
		Params.Add(TEXT("-cookdir=") + QuotedCookDir);
		if (Context.MapNames.Num() > 0)
		{
			Params.Add(TEXT("-map=") + FString::Join(Context.MapNames, TEXT("+")));
		}
		Params.Add(TEXT("-OutputDir=") + QuotedOutput);
		// Loose files whatever the project's Zen setting: the pak is made of them.
		Params.Add(TEXT("-SkipZenStore"));
		// Each material carries its own shader code: the application has no shader library with this project's shaders.
		Params.Add(TEXT("-ini:Game:[/Script/UnrealEd.ProjectPackagingSettings]:bShareMaterialShaderCode=False"));
		// A second export recooks only what changed (and the cook keeps the folder instead of clearing it).
		Params.Add(TEXT("-iterate"));
		Params.Add(TEXT("-unattended -stdout -UTF8Output -CrashForUAT -NoLogTimes"));
		Params.Add(TEXT("-abslog=") + QuotedLog);

		OutExecutable = GetExecutable();
		OutParams = FString::Join(Params, TEXT(" "));
		return true;
	}

	virtual void HandleLine(FJ5ExportJob& Job, const FString& Line) override
	{
		// The cooker's progress: "Cooked packages <done> Packages Remain <left> Total <total>".
		const int32 Start = Line.Find(TEXT("Cooked packages "), ESearchCase::CaseSensitive);
		if (Start == INDEX_NONE)
		{
			return;
		}
		TArray<FString> Words;
		Line.Mid(Start).ParseIntoArrayWS(Words);
		if (Words.Num() >= 8 && Words[2].IsNumeric() && Words[7].IsNumeric())
		{
			Job.SetProgress(FString::Printf(TEXT("%s of %s packages cooked"), *Words[2], *Words[7]));
		}
	}

	virtual bool Finish(FJ5ExportContext& Context, FString& OutReason) override
	{
		Context.Results.Add(FString::Printf(TEXT("cooked into %s"), *Context.CookedPlatformDir));
		return true;
	}

	virtual FString GetLogHint(const FJ5ExportContext& Context) const override
	{
		return FString::Printf(TEXT("its log is %s"), *Context.CookLogFile);
	}

private:
	static FString GetExecutable()
	{
		return FPaths::ConvertRelativePathToFull(FUnrealEdMisc::Get().GetExecutableForCommandlets());
	}
};

namespace J5ExportStages
{
	TSharedRef<FJ5ExportStage> MakeCook()
	{
		return MakeShared<FJ5CookStage>();
	}
}

#endif

#include "Export/J5ExportStage.h"

#if WITH_EDITOR

#include "Export/J5CookedFiles.h"
#include "Export/J5ExportContext.h"
#include "Export/J5ExportJob.h"
#include "Export/J5ToolStage.h"
#include "HAL/FileManager.h"
#include "J5Package.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

/**
 * Writes <Package>.pak from the package's cooked files, with destination paths under the application's
 * project name, so the application mounts them below its own /Game/.
 */
class FJ5PakStage : public FJ5ToolStage
{
public:
	virtual FString GetRefusal(const FJ5ExportContext& Context) const override
	{
		const UJ5Package* Package = Context.Package.Get();
		if (Package != nullptr && Package->MissingDependencies.Num() > 0)
		{
			return FString::Printf(TEXT("%d referenced packages lie outside %s; run \"Copy Dependencies\" (or move them) and \"Find Dependencies\" first."), Package->MissingDependencies.Num(), *Context.PackageDirectory);
		}
		if (Context.PackageNames.Num() == 0)
		{
			return TEXT("the package has no assets; add some first.");
		}
		const FString Executable = FJ5ExportContext::GetUnrealPak();
		if (!FPaths::FileExists(Executable))
		{
			return FString::Printf(TEXT("the pak tool %s is missing."), *Executable);
		}
		FString Unused;
		if (!FJ5ExportContext::Quote(Context.PakFile, Unused))
		{
			return TEXT("the output path contains a double quote, which cannot be passed to the pak tool.");
		}
		return FString();
	}

	virtual FString Describe(const FJ5ExportContext& Context) const override
	{
		return FString::Printf(TEXT("Writing %s.pak..."), *Context.PackageName);
	}

	virtual void Start(FJ5ExportJob& Job) override
	{
		// A pak of an earlier export must not pass for this one's.
		IFileManager::Get().Delete(*Job.GetContext().PakFile);
		FJ5ToolStage::Start(Job);
	}

	virtual void CleanUp(const FJ5ExportContext& Context) override
	{
		IFileManager::Get().Delete(*Context.PakFile);
	}

protected:
	virtual FString GetToolName() const override
	{
		return TEXT("UnrealPak");
	}

	virtual bool Prepare(FJ5ExportContext& Context, FString& OutExecutable, FString& OutParams, FString& OutReason) override
	{
		TArray<FJ5CookedFile> Files;
		if (!J5CookedFiles::Find(Context, Files, OutReason))
		{
			return false;
		}
		TArray<FString> Lines;
		for (const FJ5CookedFile& File : Files)
		{
			// Beside IoStore containers the pak holds only what they do not; possibly nothing, which makes a pak with no entries.
			if (Context.bIoStore && J5CookedFiles::IsInContainer(File))
			{
				continue;
			}
			FString QuotedSource;
			FString QuotedDestination;
			if (!FJ5ExportContext::Quote(File.SourcePath, QuotedSource) || !FJ5ExportContext::Quote(J5CookedFiles::GetMountPath(Context, File), QuotedDestination))
			{
				OutReason = FString::Printf(TEXT("the cooked file %s has a double quote in its path, which the pak tool cannot read."), *File.SourcePath);
				return false;
			}
			Lines.Add(QuotedSource + TEXT(" ") + QuotedDestination + (Context.bCompress ? TEXT(" -compress") : TEXT("")));
		}
		IFileManager::Get().MakeDirectory(*Context.OutputDir, true);
		if (!FFileHelper::SaveStringArrayToFile(Lines, *Context.PakListFile, FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM))
		{
			OutReason = FString::Printf(TEXT("could not write the content list %s."), *Context.PakListFile);
			return false;
		}
		FileCount = Lines.Num();

		FString QuotedPak;
		FString QuotedList;
		FJ5ExportContext::Quote(Context.PakFile, QuotedPak);
		FJ5ExportContext::Quote(Context.PakListFile, QuotedList);
		OutExecutable = FJ5ExportContext::GetUnrealPak();
		OutParams = QuotedPak + TEXT(" -create=") + QuotedList + (Context.bCompress ? TEXT(" -compressionformats=Oodle") : TEXT(""));
		return true;
	}

	virtual bool Finish(FJ5ExportContext& Context, FString& OutReason) override
	{
		const int64 Size = IFileManager::Get().FileSize(*Context.PakFile);
		if (Size < 0)
		{
			OutReason = FString::Printf(TEXT("UnrealPak ended without writing %s."), *Context.PakFile);
			return false;
		}
		Context.Results.Add(FString::Printf(TEXT("wrote %s (%lld bytes, %d files; content list %s)"), *Context.PakFile, static_cast<long long>(Size), FileCount, *Context.PakListFile));
		return true;
	}

private:
	int32 FileCount = 0;
};

namespace J5ExportStages
{
	TSharedRef<FJ5ExportStage> MakePak()
	{
		return MakeShared<FJ5PakStage>();
	}
}

#endif

#include "Export/J5ExportStage.h"

#if WITH_EDITOR

#include "Export/J5CookedFiles.h"
#include "Export/J5ExportContext.h"
#include "Export/J5ExportJob.h"
#include "Export/J5ToolStage.h"
#include "HAL/FileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

/**
 * Writes the package's packages into an IoStore container, <Package>.utoc and .ucas, as the engine's
 * packaging makes a DLC container: a second UnrealPak run over the loose cook, beside the .pak of the same
 * base name (the runtime mounts a .utoc only beside its .pak).
 */
class FJ5IoStoreStage : public FJ5ToolStage
{
public:
	virtual FString GetRefusal(const FJ5ExportContext& Context) const override
	{
		FString Unused;
		for (const FString& Path : { Context.ProjectFile, Context.OutputDir, Context.CookedPlatformDir })
		{
			if (!FJ5ExportContext::Quote(Path, Unused))
			{
				return TEXT("the project's path contains a double quote, which cannot be passed to the pak tool.");
			}
		}
		return FString();
	}

	virtual FString Describe(const FJ5ExportContext& Context) const override
	{
		return FString::Printf(TEXT("Writing %s.utoc and .ucas..."), *Context.PackageName);
	}

	virtual void Start(FJ5ExportJob& Job) override
	{
		// A container of an earlier export must not pass for this one's.
		CleanUp(Job.GetContext());
		FJ5ToolStage::Start(Job);
	}

	virtual void CleanUp(const FJ5ExportContext& Context) override
	{
		IFileManager::Get().Delete(*Context.UtocFile);
		IFileManager::Get().Delete(*Context.UcasFile);
	}

protected:
	virtual FString GetToolName() const override
	{
		return TEXT("UnrealPak (IoStore)");
	}

	virtual bool Prepare(FJ5ExportContext& Context, FString& OutExecutable, FString& OutParams, FString& OutReason) override
	{
		for (const FString& Required : { Context.PackageStoreManifest, Context.ScriptObjectsFile })
		{
			if (!FPaths::FileExists(Required))
			{
				OutReason = FString::Printf(TEXT("the cook wrote no %s, which the IoStore container is made from; see its log %s."), *Required, *Context.CookLogFile);
				return false;
			}
		}
		TArray<FJ5CookedFile> Files;
		if (!J5CookedFiles::Find(Context, Files, OutReason))
		{
			return false;
		}
		TArray<FString> Lines;
		for (const FJ5CookedFile& File : Files)
		{
			if (!J5CookedFiles::IsListedInContainer(File))
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
			Lines.Add(QuotedSource + TEXT(" ") + QuotedDestination);
		}
		FileCount = Lines.Num();

		FString QuotedUtoc;
		FString QuotedList;
		FString QuotedProject;
		FString QuotedPlugin;
		FString QuotedCooked;
		FString QuotedManifest;
		FString QuotedScriptObjects;
		FString QuotedCommands;
		FJ5ExportContext::Quote(Context.UtocFile, QuotedUtoc);
		FJ5ExportContext::Quote(Context.IoStoreListFile, QuotedList);
		FJ5ExportContext::Quote(Context.ProjectFile, QuotedProject);
		FJ5ExportContext::Quote(Context.ContainerPluginFile, QuotedPlugin);
		FJ5ExportContext::Quote(Context.CookedPlatformDir, QuotedCooked);
		FJ5ExportContext::Quote(Context.PackageStoreManifest, QuotedManifest);
		FJ5ExportContext::Quote(Context.ScriptObjectsFile, QuotedScriptObjects);
		FJ5ExportContext::Quote(Context.IoStoreCommandsFile, QuotedCommands);

		// A minimal descriptor for the container's name; whether the tool needs the file itself is not known.
		const FString Descriptor = FString::Printf(TEXT("{\n\t\"FileVersion\": 3,\n\t\"Version\": 1,\n\t\"VersionName\": \"1.0\",\n\t\"FriendlyName\": \"%s\",\n\t\"CanContainContent\": true\n}\n"), *Context.PackageName);
		const FString Command = FString::Printf(TEXT("-Output=%s -ContainerName=%s -ResponseFile=%s"), *QuotedUtoc, *Context.PackageName, *QuotedList);
		IFileManager::Get().MakeDirectory(*Context.OutputDir, true);
		if (!FFileHelper::SaveStringArrayToFile(Lines, *Context.IoStoreListFile, FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM)
			|| !FFileHelper::SaveStringToFile(Command + TEXT("\n"), *Context.IoStoreCommandsFile, FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM)
			|| !FFileHelper::SaveStringToFile(Descriptor, *Context.ContainerPluginFile, FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM))
		{
			OutReason = FString::Printf(TEXT("could not write the container's lists into %s."), *Context.OutputDir);
			return false;
		}

		OutExecutable = FJ5ExportContext::GetUnrealPak();
		OutParams = FString::Printf(TEXT("%s -CreateDLCContainer=%s -CookedDirectory=%s -PackageStoreManifest=%s -ScriptObjects=%s -Commands=%s -unattended"),
			*QuotedProject, *QuotedPlugin, *QuotedCooked, *QuotedManifest, *QuotedScriptObjects, *QuotedCommands);
		return true;
	}

	virtual bool Finish(FJ5ExportContext& Context, FString& OutReason) override
	{
		const int64 TocSize = IFileManager::Get().FileSize(*Context.UtocFile);
		const int64 CasSize = IFileManager::Get().FileSize(*Context.UcasFile);
		if (TocSize < 0 || CasSize < 0)
		{
			OutReason = FString::Printf(TEXT("UnrealPak ended without writing %s and %s."), *Context.UtocFile, *Context.UcasFile);
			return false;
		}
		Context.Results.Add(FString::Printf(TEXT("wrote %s (%lld bytes) and %s (%lld bytes) with %d files (list %s)"),
			*Context.UtocFile, static_cast<long long>(TocSize), *Context.UcasFile, static_cast<long long>(CasSize), FileCount, *Context.IoStoreListFile));
		return true;
	}

private:
	int32 FileCount = 0;
};

namespace J5ExportStages
{
	TSharedRef<FJ5ExportStage> MakeIoStore()
	{
		return MakeShared<FJ5IoStoreStage>();
	}
}

#endif

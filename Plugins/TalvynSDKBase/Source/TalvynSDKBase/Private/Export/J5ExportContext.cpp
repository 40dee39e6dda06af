#include "Export/J5ExportContext.h"

#if WITH_EDITOR

#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "HAL/PlatformProcess.h"
#include "J5Package.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "TalvynSDKSettings.h"

bool FJ5ExportContext::GetContentRelativePath(const FString& LongPackageName, FString& OutRelative)
{
	FString Relative = LongPackageName;
	if (!Relative.RemoveFromStart(TEXT("/Game/"), ESearchCase::IgnoreCase) || Relative.IsEmpty())
	{
		return false;
	}
	OutRelative = Relative;
	return true;
}

FString FJ5ExportContext::GetUnrealPak()
{
#if PLATFORM_WINDOWS
	const FString FileName = TEXT("UnrealPak.exe");
#else
	const FString FileName = TEXT("UnrealPak");
#endif
	return FPaths::ConvertRelativePathToFull(FPaths::Combine(FPaths::EngineDir(), TEXT("Binaries"), FPlatformProcess::GetBinariesSubdirectory(), FileName));
}

bool FJ5ExportContext::Quote(const FString& Value, FString& OutQuoted)
{
	if (Value.Contains(TEXT("\"")))
	{
		return false;
	}
	OutQuoted = TEXT("\"") + Value + TEXT("\"");
	return true;
}

bool FJ5ExportContext::Make(UJ5Package& InPackage, FJ5ExportContext& OutContext, FString& OutReason)
{
	FString Relative;
	if (!GetContentRelativePath(InPackage.PackageDirectory, Relative))
	{
		OutReason = FString::Printf(TEXT("only content of the project's /Game folder can be exported, not \"%s\"."), *InPackage.PackageDirectory);
		return false;
	}
	const FString ProjectFilePath = FPaths::GetProjectFilePath();
	if (ProjectFilePath.IsEmpty() || !FPaths::FileExists(ProjectFilePath))
	{
		OutReason = TEXT("the editor has no project file to cook.");
		return false;
	}
	const UTalvynSDKSettings* Settings = GetDefault<UTalvynSDKSettings>();

	FJ5ExportContext& Context = OutContext;
	Context.Package = &InPackage;
	Context.PackageName = InPackage.GetName();
	Context.PackageDirectory = InPackage.PackageDirectory;
	Context.ProjectFile = FPaths::ConvertRelativePathToFull(ProjectFilePath);
	Context.ProjectName = FPaths::GetBaseFilename(ProjectFilePath);
	Context.Platform = Settings->GetCookPlatform();
	Context.MountProjectName = Settings->GetMountProjectName();
	Context.bCompress = Settings->bCompressPak;
	Context.bIoStore = Settings->ContainerFormat == ETalvynContainerFormat::PakAndIoStore;
	if (Context.Platform.Contains(TEXT(" ")) || Context.Platform.Contains(TEXT("\"")) || Context.Platform.Contains(TEXT("/")))
	{
		OutReason = FString::Printf(TEXT("\"%s\" is not a platform name; set Target Platform in Project Settings > Plugins > Talvyn SDK to Windows, Linux or Mac."), *Context.Platform);
		return false;
	}
	if (Context.MountProjectName.Contains(TEXT("/")) || Context.MountProjectName.Contains(TEXT("\\")) || Context.MountProjectName.Contains(TEXT("\"")) || Context.MountProjectName.Contains(TEXT("..")))
	{
		OutReason = FString::Printf(TEXT("\"%s\" is not a project name; set Application Project Name in Project Settings > Plugins > Talvyn SDK."), *Context.MountProjectName);
		return false;
	}

	Context.OutputDir = FPaths::ConvertRelativePathToFull(FPaths::Combine(FPaths::ProjectSavedDir(), TEXT("Talvyn"), Context.PackageName));
	Context.CookedPlatformDir = FPaths::Combine(Context.OutputDir, TEXT("Cooked"), Context.Platform);
	Context.CookedContentDir = FPaths::Combine(Context.CookedPlatformDir, Context.ProjectName, TEXT("Content"));
	Context.CookLogFile = FPaths::Combine(Context.OutputDir, TEXT("Cook.log"));
	Context.PakFile = FPaths::Combine(Context.OutputDir, Context.PackageName + TEXT(".pak"));
	Context.PakListFile = FPaths::Combine(Context.OutputDir, Context.PackageName + TEXT(".txt"));
	Context.UtocFile = FPaths::Combine(Context.OutputDir, Context.PackageName + TEXT(".utoc"));
	Context.UcasFile = FPaths::Combine(Context.OutputDir, Context.PackageName + TEXT(".ucas"));
	Context.IoStoreListFile = FPaths::Combine(Context.OutputDir, Context.PackageName + TEXT("-IoStore.txt"));
	Context.IoStoreCommandsFile = FPaths::Combine(Context.OutputDir, Context.PackageName + TEXT("-IoStoreCommands.txt"));
	// The container is made as a DLC container, whose name is the base name of this descriptor.
	Context.ContainerPluginFile = FPaths::Combine(Context.OutputDir, Context.PackageName + TEXT(".uplugin"));
	Context.PackageStoreManifest = FPaths::Combine(Context.CookedPlatformDir, Context.ProjectName, TEXT("Metadata"), TEXT("packagestore.manifest"));
	Context.ScriptObjectsFile = FPaths::Combine(Context.CookedPlatformDir, Context.ProjectName, TEXT("Metadata"), TEXT("scriptobjects.bin"));

	IAssetRegistry& AssetRegistry = FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get();
	const FTopLevelAssetPath WorldClass(TEXT("/Script/Engine"), TEXT("World"));
	for (const FSoftObjectPath& AssetPath : InPackage.MainAssets)
	{
		const FString LongName = AssetPath.GetLongPackageName();
		Context.PackageNames.AddUnique(LongName);
		const FAssetData AssetData = AssetRegistry.GetAssetByObjectPath(AssetPath);
		if (AssetData.IsValid() && AssetData.AssetClassPath == WorldClass)
		{
			Context.MapNames.AddUnique(LongName);
		}
	}
	for (const FName& Dependency : InPackage.Dependencies)
	{
		Context.PackageNames.AddUnique(Dependency.ToString());
	}
	return true;
}

#endif

#include "J5Package.h"
#include "J5PackageExportReport.h"
#include "TalvynSDKBaseLog.h"

#if WITH_EDITOR
#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Async/Async.h"
#include "Framework/Notifications/NotificationManager.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformProcess.h"
#include "Logging/MessageLog.h"
#include "Misc/FileHelper.h"
#include "Misc/MonitoredProcess.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "Settings/ProjectPackagingSettings.h"
#include "UObject/Package.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include "Widgets/Notifications/SNotificationList.h"

namespace J5PackageExport
{
	const FName MessageLogName(TEXT("PackagingResults"));

	/** How many error lines of a failed tool the notification and the log repeat. */
	constexpr int32 MaxReportedErrorLines = 5;

	/** The cook platform of the editor's own platform. */
	static FString GetCookPlatformName()
	{
		const FString Binaries = FPlatformProcess::GetBinariesSubdirectory();
		return Binaries == TEXT("Win64") ? FString(TEXT("Windows")) : Binaries;
	}

	/** An executable of the engine's own platform folder; on Windows with its .exe, which the existence check needs. */
	static FString GetEngineToolPath(const TCHAR* ToolName)
	{
#if PLATFORM_WINDOWS
		const FString FileName = FString(ToolName) + TEXT(".exe");
#else
		const FString FileName = ToolName;
#endif
		return FPaths::Combine(FPaths::EngineDir(), TEXT("Binaries"), FPlatformProcess::GetBinariesSubdirectory(), FileName);
	}

	static FString GetProjectName()
	{
		return FPaths::GetBaseFilename(FPaths::GetProjectFilePath());
	}

	/** A command-line argument in quotes; false for a value that quotes cannot carry. */
	static bool Quote(const FString& Value, FString& OutQuoted)
	{
		if (Value.Contains(TEXT("\"")))
		{
			return false;
		}
		OutQuoted = TEXT("\"") + Value + TEXT("\"");
		return true;
	}

	/** The path of a /Game package below the project's content folder ("Pack/Meshes/SM_Rock"); false for other roots. */
	static bool GetContentRelativePath(const FString& LongPackageName, FString& OutRelative)
	{
		FString Relative = LongPackageName;
		if (!Relative.RemoveFromStart(TEXT("/Game/"), ESearchCase::IgnoreCase))
		{
			return false;
		}
		OutRelative = Relative;
		return true;
	}

	static FString GetCookedContentDir()
	{
		return FPaths::Combine(FPaths::ProjectSavedDir(), TEXT("Cooked"), GetCookPlatformName(), GetProjectName(), TEXT("Content"));
	}

	/** Where Make Pak File writes <PackageName>.pak and its content list <PackageName>.txt. */
	static FString GetPakOutputDir(const UJ5Package& Package)
	{
		return FPaths::Combine(FPaths::ProjectSavedDir(), TEXT("Talvyn"), Package.GetName());
	}

	/** A notification that shows its final state at once and fades out after a while. */
	static void ShowFinished(const FString& Title, const FString& Detail, SNotificationItem::ECompletionState State, float ExpireDuration)
	{
		FNotificationInfo Info(FText::FromString(Title));
		Info.SubText = FText::FromString(Detail);
		Info.bFireAndForget = false;
		Info.bUseThrobber = false;
		Info.ExpireDuration = ExpireDuration;
		if (TSharedPtr<SNotificationItem> Item = FSlateNotificationManager::Get().AddNotification(Info))
		{
			Item->SetCompletionState(State);
			Item->ExpireAndFadeout();
		}
	}

	void ReportFailure(const UJ5Package& Package, const FString& Title, const FString& Reason)
	{
		UE_LOG(LogTalvynSDK, Error, TEXT("%s: %s: %s"), *Package.GetName(), *Title, *Reason);
		FMessageLog(MessageLogName).SuppressLoggingToOutputLog(true).Error(FText::FromString(FString::Printf(TEXT("%s: %s: %s"), *Package.GetName(), *Title, *Reason)));
		// Failures stay longer: their reason is what the user has to read.
		ShowFinished(Title, Reason, SNotificationItem::CS_Fail, 8.0f);
	}

	void ReportSuccess(const UJ5Package& Package, const FString& Title, const FString& Detail, bool bNotify)
	{
		UE_LOG(LogTalvynSDK, Log, TEXT("%s: %s: %s"), *Package.GetName(), *Title, *Detail);
		FMessageLog(MessageLogName).SuppressLoggingToOutputLog(true).Info(FText::FromString(FString::Printf(TEXT("%s: %s: %s"), *Package.GetName(), *Title, *Detail)));
		if (bNotify)
		{
			ShowFinished(Title, Detail, SNotificationItem::CS_Success, 5.0f);
		}
	}

	/**
	 * One engine tool started by an export operation: the process, its notification, and what its
	 * output told so far. Only one runs at a time; callbacks from the monitoring thread are moved to
	 * the game thread and find the run through a weak pointer, so a run that is gone is never touched.
	 */
	class FToolRun : public TSharedFromThis<FToolRun>
	{
	public:
		/** Called on the game thread when the tool ended: its exit code, or cancelled. */
		DECLARE_DELEGATE_TwoParams(FOnFinished, int32 /*ReturnCode*/, bool /*bCanceled*/);

		FString Title;
		FString ToolName;
		TWeakObjectPtr<UJ5Package> Package;
		TSharedPtr<FMonitoredProcess> Process;
		TSharedPtr<SNotificationItem> Notification;
		TArray<FString> ErrorLines;
		FOnFinished OnFinished;

		static TSharedPtr<FToolRun>& Current()
		{
			static TSharedPtr<FToolRun> Run;
			return Run;
		}

		static bool IsAnyRunning()
		{
			return Current().IsValid();
		}

		/** Starts URL with Params; false (with nothing running) when it could not be started. */
		bool Start(const FString& URL, const FString& Params)
		{
			UE_LOG(LogTalvynSDK, Log, TEXT("%s: running %s %s"), Package.IsValid() ? *Package->GetName() : TEXT("?"), *URL, *Params);
			Process = MakeShared<FMonitoredProcess>(URL, Params, true, true);
			const TWeakPtr<FToolRun> WeakRun = AsShared();
			Process->OnOutput().BindLambda([WeakRun](FString Line)
			{
				AsyncTask(ENamedThreads::GameThread, [WeakRun, Line = MoveTemp(Line)]()
				{
					if (TSharedPtr<FToolRun> Run = WeakRun.Pin())
					{
						Run->HandleOutput(Line);
					}
				});
			});
			Process->OnCompleted().BindLambda([WeakRun](int32 ReturnCode)
			{
				AsyncTask(ENamedThreads::GameThread, [WeakRun, ReturnCode]()
				{
					if (TSharedPtr<FToolRun> Run = WeakRun.Pin())
					{
						Run->Finish(ReturnCode, false);
					}
				});
			});
			Process->OnCanceled().BindLambda([WeakRun]()
			{
				AsyncTask(ENamedThreads::GameThread, [WeakRun]()
				{
					if (TSharedPtr<FToolRun> Run = WeakRun.Pin())
					{
						Run->Finish(-1, true);
					}
				});
			});

			FNotificationInfo Info(FText::FromString(Title + TEXT("...")));
			Info.bFireAndForget = false;
			Info.bUseThrobber = true;
			Info.ExpireDuration = 5.0f;
			Info.ButtonDetails.Add(FNotificationButtonInfo(
				FText::FromString(TEXT("Cancel")),
				FText::FromString(FString::Printf(TEXT("Stop %s"), *ToolName)),
				FSimpleDelegate::CreateLambda([WeakRun]()
				{
					if (TSharedPtr<FToolRun> Run = WeakRun.Pin())
					{
						Run->Cancel();
					}
				}),
				SNotificationItem::CS_Pending));
			Notification = FSlateNotificationManager::Get().AddNotification(Info);
			if (Notification.IsValid())
			{
				Notification->SetCompletionState(SNotificationItem::CS_Pending);
			}

			if (!Process->Launch())
			{
				Process.Reset();
				return false;
			}
			Current() = AsShared();
			return true;
		}

		void Cancel()
		{
			if (Process.IsValid())
			{
				UE_LOG(LogTalvynSDK, Warning, TEXT("%s: cancelling %s."), Package.IsValid() ? *Package->GetName() : TEXT("?"), *ToolName);
				Process->Cancel(true);
			}
		}

		void SetResult(bool bSuccess, const FString& Text, const FString& SubText)
		{
			if (Notification.IsValid())
			{
				Notification->SetText(FText::FromString(Text));
				Notification->SetSubText(FText::FromString(SubText));
				Notification->SetCompletionState(bSuccess ? SNotificationItem::CS_Success : SNotificationItem::CS_Fail);
				Notification->ExpireAndFadeout();
			}
		}

	private:
		void HandleOutput(const FString& Line)
		{
			UE_LOG(LogTalvynSDK, Log, TEXT("[%s] %s"), *ToolName, *Line);
			if (Line.Contains(TEXT(": Error:"), ESearchCase::CaseSensitive) || Line.StartsWith(TEXT("Error:"), ESearchCase::CaseSensitive))
			{
				ErrorLines.Add(Line.TrimStartAndEnd());
			}
			// The cooker's progress lines: "Cooked packages <done> Packages Remain <left> Total <total>".
			int32 Start = Line.Find(TEXT("Cooked packages "), ESearchCase::CaseSensitive);
			if (Start != INDEX_NONE && Notification.IsValid())
			{
				TArray<FString> Words;
				Line.Mid(Start).ParseIntoArrayWS(Words);
				if (Words.Num() >= 8)
				{
					Notification->SetSubText(FText::FromString(FString::Printf(TEXT("%s of %s packages cooked"), *Words[2], *Words[7])));
				}
			}
		}

		void Finish(int32 ReturnCode, bool bCanceled)
		{
			// Keep this run alive across the callbacks, then let the next one start.
			const TSharedRef<FToolRun> Self = AsShared();
			if (Current() == Self)
			{
				Current().Reset();
			}
			OnFinished.ExecuteIfBound(ReturnCode, bCanceled);
			OnFinished.Unbind();
			// The process object is released last; its monitoring thread has returned from its callbacks by then.
			AsyncTask(ENamedThreads::GameThread, [Finished = MoveTemp(Process)]() {});
		}
	};

	FString GetBusyReason()
	{
		const TSharedPtr<FToolRun>& Running = FToolRun::Current();
		return Running.IsValid() ? FString::Printf(TEXT("%s is still running; wait for it to finish or cancel it."), *Running->ToolName) : FString();
	}

	/** The error lines of a failed tool, as a notification's second line. */
	static FString DescribeFailure(const FToolRun& Run, int32 ReturnCode)
	{
		FString Reason = FString::Printf(TEXT("%s failed with exit code %d."), *Run.ToolName, ReturnCode);
		for (int32 Index = 0; Index < Run.ErrorLines.Num() && Index < MaxReportedErrorLines; ++Index)
		{
			Reason += TEXT("\n") + Run.ErrorLines[Index];
		}
		return Reason;
	}
}

using namespace J5PackageExport;

void UJ5Package::ApplyCookSettings()
{
	const FString Title = TEXT("Apply Cook Settings");
	if (PackageDirectory.IsEmpty())
	{
		ReportFailure(*this, Title, TEXT("the package lies in no content directory."));
		return;
	}
	UProjectPackagingSettings* Settings = GetMutableDefault<UProjectPackagingSettings>();
	TArray<FString> Changes;

	bool bDirectoryListed = false;
	for (const FDirectoryPath& Directory : Settings->DirectoriesToAlwaysCook)
	{
		FString Listed = Directory.Path;
		FPaths::NormalizeDirectoryName(Listed);
		bDirectoryListed |= Listed.Equals(PackageDirectory, ESearchCase::IgnoreCase);
	}
	if (!bDirectoryListed)
	{
		Settings->DirectoriesToAlwaysCook.Add(FDirectoryPath{ PackageDirectory });
		Changes.Add(FString::Printf(TEXT("added %s to the directories to always cook"), *PackageDirectory));
	}

	IAssetRegistry& AssetRegistry = FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get();
	const FTopLevelAssetPath WorldClass(TEXT("/Script/Engine"), TEXT("World"));
	for (const FSoftObjectPath& AssetPath : MainAssets)
	{
		const FAssetData AssetData = AssetRegistry.GetAssetByObjectPath(AssetPath);
		if (!AssetData.IsValid() || AssetData.AssetClassPath != WorldClass)
		{
			continue;
		}
		const FString MapName = AssetData.PackageName.ToString();
		bool bMapListed = false;
		for (const FFilePath& Map : Settings->MapsToCook)
		{
			bMapListed |= Map.FilePath.Equals(MapName, ESearchCase::IgnoreCase);
		}
		if (!bMapListed)
		{
			Settings->MapsToCook.Add(FFilePath{ MapName });
			Changes.Add(FString::Printf(TEXT("added the map %s to the maps to cook"), *MapName));
		}
	}

	if (Changes.Num() == 0)
	{
		ReportSuccess(*this, Title, TEXT("the project already cooks this package's content; nothing had to change."));
		return;
	}
	if (!Settings->TryUpdateDefaultConfigFile())
	{
		ReportFailure(*this, Title, FString::Printf(TEXT("could not write %s (is it read-only?)."), *Settings->GetDefaultConfigFilename()));
		return;
	}
	ReportSuccess(*this, Title, FString::Join(Changes, TEXT("; ")) + FString::Printf(TEXT(" (saved to %s)."), *Settings->GetDefaultConfigFilename()));
}

void UJ5Package::CookAssets()
{
	const FString Title = TEXT("Cook Assets");
	const FString Busy = GetBusyReason();
	if (!Busy.IsEmpty())
	{
		ReportFailure(*this, Title, Busy);
		return;
	}
	FString Relative;
	if (!GetContentRelativePath(PackageDirectory, Relative))
	{
		ReportFailure(*this, Title, FString::Printf(TEXT("only content of the project's /Game folder can be cooked, not %s."), *PackageDirectory));
		return;
	}
	const FString ProjectFile = FPaths::GetProjectFilePath();
	if (ProjectFile.IsEmpty() || !FPaths::FileExists(ProjectFile))
	{
		ReportFailure(*this, Title, TEXT("the editor has no project file to cook."));
		return;
	}
	const FString EditorCmd = GetEngineToolPath(TEXT("UnrealEditor-Cmd"));
	if (!FPaths::FileExists(EditorCmd))
	{
		ReportFailure(*this, Title, FString::Printf(TEXT("the cook tool %s is missing."), *EditorCmd));
		return;
	}
	const FString CookDir = FPaths::Combine(FPaths::ProjectContentDir(), Relative);
	FString QuotedProject;
	FString QuotedCookDir;
	if (!Quote(ProjectFile, QuotedProject) || !Quote(CookDir, QuotedCookDir))
	{
		ReportFailure(*this, Title, TEXT("the project path contains a double quote, which cannot be passed to the cook tool."));
		return;
	}
	const FString Params = FString::Printf(TEXT("%s -run=cook -targetplatform=%s -cookdir=%s -unattended"), *QuotedProject, *GetCookPlatformName(), *QuotedCookDir);

	TSharedRef<FToolRun> Run = MakeShared<FToolRun>();
	Run->Title = FString::Printf(TEXT("Cooking %s"), *GetName());
	Run->ToolName = TEXT("The cook");
	Run->Package = this;
	const TWeakPtr<FToolRun> WeakRun = Run;
	const FString PackageName = GetName();
	Run->OnFinished.BindLambda([WeakRun, PackageName, Title](int32 ReturnCode, bool bCanceled)
	{
		TSharedPtr<FToolRun> Finished = WeakRun.Pin();
		UJ5Package* Package = Finished.IsValid() ? Finished->Package.Get() : nullptr;
		if (!Finished.IsValid())
		{
			return;
		}
		if (bCanceled)
		{
			UE_LOG(LogTalvynSDK, Warning, TEXT("%s: the cook was cancelled."), *PackageName);
			Finished->SetResult(false, TEXT("Cook cancelled"), TEXT("The cook was cancelled; cooked files may be incomplete."));
		}
		else if (ReturnCode != 0)
		{
			const FString Reason = DescribeFailure(*Finished, ReturnCode);
			UE_LOG(LogTalvynSDK, Error, TEXT("%s: Cook Assets: %s"), *PackageName, *Reason);
			FMessageLog(MessageLogName).SuppressLoggingToOutputLog(true).Error(FText::FromString(FString::Printf(TEXT("%s: Cook Assets: %s"), *PackageName, *Reason)));
			Finished->SetResult(false, TEXT("Cook failed"), Reason);
		}
		else
		{
			const FString Detail = FString::Printf(TEXT("cooked files are in %s."), *GetCookedContentDir());
			if (Package)
			{
				ReportSuccess(*Package, Title, Detail);
			}
			Finished->SetResult(true, TEXT("Cook complete"), Detail);
		}
	});
	if (!Run->Start(EditorCmd, Params))
	{
		Run->SetResult(false, TEXT("Cook failed"), FString::Printf(TEXT("%s could not be started."), *EditorCmd));
		ReportFailure(*this, Title, FString::Printf(TEXT("%s could not be started."), *EditorCmd));
	}
}

void UJ5Package::MakePakFile()
{
	const FString Title = TEXT("Make Pak File");
	const FString Busy = GetBusyReason();
	if (!Busy.IsEmpty())
	{
		ReportFailure(*this, Title, Busy);
		return;
	}
	if (MissingDependencies.Num() > 0)
	{
		ReportFailure(*this, Title, FString::Printf(TEXT("%d referenced packages lie outside %s; run \"Copy Dependencies\" (or move them) and \"Find Dependencies\" first."), MissingDependencies.Num(), *PackageDirectory));
		return;
	}
	if (MainAssets.Num() == 0)
	{
		ReportFailure(*this, Title, TEXT("the package has no assets; add some first."));
		return;
	}

	// The packages to ship: the main assets' and their dependencies inside the directory.
	TArray<FString> PackageNames;
	for (const FSoftObjectPath& AssetPath : MainAssets)
	{
		PackageNames.AddUnique(AssetPath.GetLongPackageName());
	}
	for (const FName& Dependency : Dependencies)
	{
		PackageNames.AddUnique(Dependency.ToString());
	}

	const FString CookedContentDir = GetCookedContentDir();
	const FString MountRoot = FString::Printf(TEXT("../../../%s/Content/"), *GetProjectName());
	TArray<FString> ResponseLines;
	TArray<FString> NotCooked;
	for (const FString& PackageName : PackageNames)
	{
		FString Relative;
		if (!GetContentRelativePath(PackageName, Relative))
		{
			NotCooked.Add(PackageName);
			continue;
		}
		bool bFound = false;
		for (const TCHAR* Extension : { TEXT(".umap"), TEXT(".uasset") })
		{
			const FString CookedFile = FPaths::Combine(CookedContentDir, Relative) + Extension;
			if (!FPaths::FileExists(CookedFile))
			{
				continue;
			}
			bFound = true;
			// A cooked package comes with its exports and bulk data files.
			for (const TCHAR* Companion : { Extension, TEXT(".uexp"), TEXT(".ubulk"), TEXT(".uptnl") })
			{
				const FString File = FPaths::Combine(CookedContentDir, Relative) + Companion;
				if (FPaths::FileExists(File))
				{
					ResponseLines.Add(FString::Printf(TEXT("\"%s\" \"%s%s%s\""), *File, *MountRoot, *Relative, Companion));
				}
			}
			break;
		}
		if (!bFound)
		{
			NotCooked.Add(PackageName);
		}
	}
	if (ResponseLines.Num() == 0)
	{
		ReportFailure(*this, Title, FString::Printf(TEXT("nothing is cooked for this package in %s; run \"Cook Assets\" first."), *CookedContentDir));
		return;
	}
	if (NotCooked.Num() > 0)
	{
		ReportFailure(*this, Title, FString::Printf(TEXT("no cooked files for %s; run \"Cook Assets\" again."), *FString::Join(NotCooked, TEXT(", "))));
		return;
	}
	const FString UnrealPak = GetEngineToolPath(TEXT("UnrealPak"));
	if (!FPaths::FileExists(UnrealPak))
	{
		ReportFailure(*this, Title, FString::Printf(TEXT("the pak tool %s is missing."), *UnrealPak));
		return;
	}

	const FString OutputDir = GetPakOutputDir(*this);
	const FString PakFile = FPaths::Combine(OutputDir, GetName() + TEXT(".pak"));
	const FString ResponseFile = FPaths::Combine(OutputDir, GetName() + TEXT(".txt"));
	for (const FString& Line : ResponseLines)
	{
		if (Line.Len() - Line.Replace(TEXT("\""), TEXT("")).Len() != 4)
		{
			ReportFailure(*this, Title, TEXT("a cooked file's path contains a double quote, which the pak tool cannot read."));
			return;
		}
	}
	FString QuotedPak;
	FString QuotedResponse;
	if (!Quote(PakFile, QuotedPak) || !Quote(ResponseFile, QuotedResponse))
	{
		ReportFailure(*this, Title, TEXT("the output path contains a double quote, which cannot be passed to the pak tool."));
		return;
	}
	IFileManager::Get().MakeDirectory(*OutputDir, true);
	if (!FFileHelper::SaveStringArrayToFile(ResponseLines, *ResponseFile, FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM))
	{
		ReportFailure(*this, Title, FString::Printf(TEXT("could not write the content list %s."), *ResponseFile));
		return;
	}
	UE_LOG(LogTalvynSDK, Log, TEXT("%s: the pak will hold %d files (content list %s):"), *GetName(), ResponseLines.Num(), *ResponseFile);
	for (const FString& Line : ResponseLines)
	{
		UE_LOG(LogTalvynSDK, Log, TEXT("    %s"), *Line);
	}
	// A pak left from an earlier run must not pass for this run's result.
	IFileManager::Get().Delete(*PakFile);

	TSharedRef<FToolRun> Run = MakeShared<FToolRun>();
	Run->Title = FString::Printf(TEXT("Writing %s.pak"), *GetName());
	Run->ToolName = TEXT("UnrealPak");
	Run->Package = this;
	const TWeakPtr<FToolRun> WeakRun = Run;
	const FString PackageName = GetName();
	Run->OnFinished.BindLambda([WeakRun, PackageName, PakFile, Title](int32 ReturnCode, bool bCanceled)
	{
		TSharedPtr<FToolRun> Finished = WeakRun.Pin();
		if (!Finished.IsValid())
		{
			return;
		}
		const int64 Size = IFileManager::Get().FileSize(*PakFile);
		FString Failure;
		if (bCanceled)
		{
			IFileManager::Get().Delete(*PakFile);
			UE_LOG(LogTalvynSDK, Warning, TEXT("%s: writing the pak was cancelled."), *PackageName);
			Finished->SetResult(false, TEXT("Pak cancelled"), TEXT("Writing the pak was cancelled; no pak was written."));
			return;
		}
		if (ReturnCode != 0)
		{
			Failure = DescribeFailure(*Finished, ReturnCode);
		}
		else if (Size < 0)
		{
			Failure = FString::Printf(TEXT("UnrealPak ended without writing %s."), *PakFile);
		}
		if (!Failure.IsEmpty())
		{
			UE_LOG(LogTalvynSDK, Error, TEXT("%s: %s: %s"), *PackageName, *Title, *Failure);
			FMessageLog(MessageLogName).SuppressLoggingToOutputLog(true).Error(FText::FromString(FString::Printf(TEXT("%s: %s: %s"), *PackageName, *Title, *Failure)));
			Finished->SetResult(false, TEXT("Pak failed"), Failure);
			return;
		}
		const FString Detail = FString::Printf(TEXT("wrote %s (%lld bytes)."), *PakFile, static_cast<long long>(Size));
		UE_LOG(LogTalvynSDK, Log, TEXT("%s: %s: %s"), *PackageName, *Title, *Detail);
		FMessageLog(MessageLogName).SuppressLoggingToOutputLog(true).Info(FText::FromString(FString::Printf(TEXT("%s: %s: %s"), *PackageName, *Title, *Detail)));
		Finished->SetResult(true, TEXT("Pak written"), Detail);
	});
	const FString Params = FString::Printf(TEXT("%s -create=%s"), *QuotedPak, *QuotedResponse);
	if (!Run->Start(UnrealPak, Params))
	{
		Run->SetResult(false, TEXT("Pak failed"), FString::Printf(TEXT("%s could not be started."), *UnrealPak));
		ReportFailure(*this, Title, FString::Printf(TEXT("%s could not be started."), *UnrealPak));
	}
}

#else

void UJ5Package::ApplyCookSettings()
{
}

void UJ5Package::CookAssets()
{
}

void UJ5Package::MakePakFile()
{
}

#endif

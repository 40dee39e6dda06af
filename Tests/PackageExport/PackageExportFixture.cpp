#include "PackageExportFixture.h"

#include "HostTest/AssetRegistryProbe.h"
#include "HostTest/CoreProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "HostTest/DeveloperToolSettingsProbe.h"
#include "HostTest/ExportProbe.h"
#include "HostTest/DeveloperSettingsProbe.h"
#include "HostTest/NotificationProbe.h"
#include "HostTest/UnrealEdProbe.h"
#include "TalvynSDKSettings.h"
#include "Misc/CoreDelegates.h"
#include "Modules/ModuleManager.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace
{

	FString ToFString(const std::filesystem::path& Path)
	{
		return FString(UTF8_TO_TCHAR(Path.string().c_str()));
	}

	void ClearToolEnvironment()
	{
		for (const char* Name : { "FAKE_COOK_ARGS_FILE", "FAKE_COOK_EXIT_CODE", "FAKE_COOK_HANG", "FAKE_COOK_SKIP", "FAKE_COOK_WARN", "FAKE_COOK_NO_METADATA", "FAKE_COOK_PID_FILE",
			"FAKE_UNREALPAK_ARGS_FILE", "FAKE_UNREALPAK_EXIT_CODE", "FAKE_UNREALPAK_HANG" })
		{
			unsetenv(Name);
		}
	}

	/** The plugin's settings as a new project has them. */
	void ResetSettings()
	{
		UTalvynSDKSettings* Settings = GetMutableDefault<UTalvynSDKSettings>();
		Settings->TargetPlatform.Empty();
		Settings->ApplicationProjectName.Empty();
		Settings->bCompressPak = true;
		Settings->ContainerFormat = ETalvynContainerFormat::Pak;
	}
}

void FPackageExportTest::SetUp()
{
	HostTest::SetLogEcho(false);
	ClearToolEnvironment();
	char Template[] = "/tmp/PackageExport-XXXXXX";
	Root = std::filesystem::path(mkdtemp(Template)) / "Talvyn Wörkspace";
	ProjectName = "Demo Prøject";
	ProjectDir = Root / ProjectName;
	std::filesystem::create_directories(ProjectDir / "Config");
	std::ofstream(ProjectDir / (ProjectName + ".uproject")) << "{ \"FileVersion\": 3 }\n";

	EngineBinaries = Root / "Engine" / "Binaries" / "Linux";
	std::filesystem::create_directories(EngineBinaries);
	std::filesystem::create_symlink(HOST_FAKE_COOK, EngineBinaries / "UnrealEditor-Cmd");
	std::filesystem::create_symlink(HOST_FAKE_UNREALPAK, EngineBinaries / "UnrealPak");

	HostTest::SetProjectDirectory(ToFString(ProjectDir), ToFString(std::filesystem::path(ProjectName)));
	HostTest::SetEngineDirectory(ToFString(Root / "Engine"));
	HostTest::ReloadProjectPackagingSettings();

	// The editor has the plugin's runtime module started: it stops a running export when the editor exits.
	ASSERT_NE(FModuleManager::Get().LoadModule(FName(TEXT("TalvynSDKBase"))), nullptr);
	ResetSettings();
	HostTest::ResetSavePrompts();
	HostTest::ClearInvokedTabs();

	FString Error;
	ASSERT_TRUE(HostTest::LoadAssetRegistryFromString(TEXT(
		"asset /Game/Pack/SM_Rock /Script/Engine.StaticMesh\n"
		"asset /Game/Pack/T_Rock /Script/Engine.Texture2D\n"
		"asset /Game/Pack/Maps/Level /Script/Engine.World\n"), TEXT("fixture"), Error));
	WriteContentFile("Pack/SM_Rock.uasset");
	WriteContentFile("Pack/T_Rock.uasset", "/Script/Engine.Texture2D");
	WriteContentFile("Pack/Maps/Level.umap", "/Script/Engine.World");
	if (bWithMaterialAndEditorOnlySource)
	{
		ASSERT_TRUE(HostTest::LoadAssetRegistryFromString(TEXT(
			"asset /Game/Pack/M_Rock /Script/Engine.Material\n"
			"asset /Game/Art/SM_Rock_Source /Script/Engine.StaticMesh\n"
			"dep /Game/Pack/SM_Rock /Game/Pack/M_Rock\n"
			"dep /Game/Pack/M_Rock /Game/Pack/T_Rock\n"
			"dep /Game/Pack/SM_Rock /Game/Art/SM_Rock_Source editoronly\n"), TEXT("fixture"), Error)) << TCHAR_TO_UTF8(*Error);
		WriteContentFile("Pack/M_Rock.uasset", "/Script/Engine.Material");
		WriteContentFile("Art/SM_Rock_Source.uasset");
	}
	else
	{
		ASSERT_TRUE(HostTest::LoadAssetRegistryFromString(TEXT("dep /Game/Pack/SM_Rock /Game/Pack/T_Rock\n"), TEXT("fixture"), Error)) << TCHAR_TO_UTF8(*Error);
	}
	// One File Per Actor: the map's actors are packages of their own, which the cook turns into generated cells.
	WriteContentFile("__ExternalActors__/Pack/Maps/Level/0/AB/Actor1.uasset", "/Script/Engine.Actor");
	WriteContentFile("__ExternalActors__/Pack/Maps/Level/0/CD/Actor2.uasset", "/Script/Engine.Actor");

	UPackage* Outer = CreatePackage(TEXT("/Game/Pack/PKG_Pack"));
	Package = NewObject<UJ5Package>(Outer, TEXT("PKG_Pack"));
	Package->FindAllAssets();
	Package->FindAllDependencies();
	HostTest::ClearRecordedLogLines();
	HostTest::ClearMessageLogEntries();
	HostTest::ClearShownNotifications();
}

void FPackageExportTest::TearDown()
{
	// A tool still running is cancelled, so the next test starts with none.
	for (int32 Index = 0; Index < HostTest::GetShownNotifications().Num(); ++Index)
	{
		HostTest::ClickNotificationButton(Index, TEXT("Cancel"));
	}
	WaitForToolToFinish(10.f);
	// Whatever still runs (a test that cleared its notifications) stops as at the editor's exit.
	FCoreDelegates::OnPreExit.Broadcast();
	HostTest::TickGameThread();
	HostTest::ClearShownNotifications();
	HostTest::ClearMessageLogEntries();
	HostTest::ClearAssetRegistry();
	HostTest::ResetObjects();
	HostTest::SetProjectDirectory(FString(), FString());
	HostTest::ReloadProjectPackagingSettings();
	HostTest::SetEngineDirectory(FString());
	HostTest::ResetSavePrompts();
	HostTest::ResetSavedPackages();
	ResetSettings();
	ClearToolEnvironment();
	std::error_code Error;
	std::filesystem::remove_all(Root.parent_path(), Error);
}

bool FPackageExportTest::WaitForToolToFinish(float TimeoutSeconds)
{
	return HostTest::TickGameThreadUntil([]()
	{
		for (const HostTest::FShownNotification& Shown : HostTest::GetShownNotifications())
		{
			if (Shown.State == SNotificationItem::CS_Pending)
			{
				return false;
			}
		}
		return true;
	}, TimeoutSeconds);
}

bool FPackageExportTest::WaitForOutputContaining(const FString& Text, float TimeoutSeconds)
{
	return HostTest::TickGameThreadUntil([&Text]() { return HostTest::HasLogLineContaining(Text); }, TimeoutSeconds);
}

void FPackageExportTest::RemoveTool(const char* ToolName)
{
	std::filesystem::remove(EngineBinaries / ToolName);
}

void FPackageExportTest::WriteContentFile(const std::string& RelativePath, const char* ClassPath)
{
	const std::filesystem::path File = ProjectDir / "Content" / RelativePath;
	std::filesystem::create_directories(File.parent_path());
	std::filesystem::path PackageName = std::filesystem::path("/Game") / RelativePath;
	PackageName.replace_extension();
	std::ofstream(File, std::ios::binary) << "package " << PackageName.string() << "\nobject " << PackageName.string() << "." << PackageName.filename().string() << " " << ClassPath << "\n";
}

std::filesystem::path FPackageExportTest::CookedFile(const std::string& RelativePath, const std::string& Platform) const
{
	return ProjectDir / "Saved" / "Talvyn" / "PKG_Pack" / "Cooked" / Platform / ProjectName / "Content" / RelativePath;
}

std::filesystem::path FPackageExportTest::PakFile() const
{
	return ProjectDir / "Saved" / "Talvyn" / "PKG_Pack" / "PKG_Pack.pak";
}

std::filesystem::path FPackageExportTest::ResponseFile() const
{
	return ProjectDir / "Saved" / "Talvyn" / "PKG_Pack" / "PKG_Pack.txt";
}

std::filesystem::path FPackageExportTest::OutputFile(const std::string& Suffix) const
{
	return ProjectDir / "Saved" / "Talvyn" / "PKG_Pack" / ("PKG_Pack" + Suffix);
}

std::string FPackageExportTest::ReadFile(const std::filesystem::path& File) const
{
	std::ifstream Stream(File, std::ios::binary);
	return std::string(std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>());
}

std::vector<std::string> FPackageExportTest::ReadLines(const std::filesystem::path& File) const
{
	std::vector<std::string> Lines;
	std::ifstream Stream(File, std::ios::binary);
	std::string Line;
	while (std::getline(Stream, Line))
	{
		Lines.push_back(Line);
	}
	return Lines;
}

std::vector<std::string> FPackageExportTest::ReadPakIndex() const
{
	const std::string Bytes = ReadFile(PakFile());
	auto ReadInt = [&Bytes](size_t Offset, size_t Size)
	{
		uint64_t Value = 0;
		for (size_t Byte = 0; Byte < Size; ++Byte)
		{
			Value |= static_cast<uint64_t>(static_cast<unsigned char>(Bytes[Offset + Byte])) << (8 * Byte);
		}
		return Value;
	};
	std::vector<std::string> Mounts;
	if (Bytes.size() < 20 || Bytes.compare(Bytes.size() - 8, 8, "HOSTPAK1") != 0)
	{
		return Mounts;
	}
	const uint64_t Count = ReadInt(Bytes.size() - 20, 4);
	size_t Offset = ReadInt(Bytes.size() - 16, 8);
	for (uint64_t Index = 0; Index < Count; ++Index)
	{
		const size_t Length = ReadInt(Offset, 4);
		Mounts.push_back(Bytes.substr(Offset + 4, Length));
		Offset += 4 + Length + 16;
	}
	return Mounts;
}

FPackageExportTest::FShown FPackageExportTest::LastNotification() const
{
	const TArray<HostTest::FShownNotification> All = HostTest::GetShownNotifications();
	FShown Shown;
	if (All.Num() > 0)
	{
		Shown.Text = All.Last().Text;
		Shown.SubText = All.Last().SubText;
		Shown.State = All.Last().State;
		Shown.Buttons = All.Last().VisibleButtons;
		Shown.bThrobber = All.Last().bThrobberShown;
	}
	return Shown;
}

int32 FPackageExportTest::NotificationCount() const
{
	return HostTest::GetShownNotifications().Num();
}

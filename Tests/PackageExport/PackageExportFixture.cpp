#include "PackageExportFixture.h"

#include "HostTest/AssetRegistryProbe.h"
#include "HostTest/CoreProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "HostTest/DeveloperToolSettingsProbe.h"
#include "HostTest/ExportProbe.h"
#include "HostTest/NotificationProbe.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace
{
	const FTopLevelAssetPath StaticMeshClass(TEXT("/Script/Engine"), TEXT("StaticMesh"));
	const FTopLevelAssetPath TextureClass(TEXT("/Script/Engine"), TEXT("Texture2D"));
	const FTopLevelAssetPath WorldClass(TEXT("/Script/Engine"), TEXT("World"));

	FString ToFString(const std::filesystem::path& Path)
	{
		return FString(UTF8_TO_TCHAR(Path.string().c_str()));
	}

	void ClearToolEnvironment()
	{
		for (const char* Name : { "FAKE_COOK_ARGS_FILE", "FAKE_COOK_EXIT_CODE", "FAKE_COOK_HANG", "FAKE_COOK_SKIP",
			"FAKE_UNREALPAK_ARGS_FILE", "FAKE_UNREALPAK_EXIT_CODE", "FAKE_UNREALPAK_HANG" })
		{
			unsetenv(Name);
		}
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

	HostTest::AddAsset(FName(TEXT("/Game/Pack/SM_Rock")), StaticMeshClass);
	HostTest::AddAsset(FName(TEXT("/Game/Pack/T_Rock")), TextureClass);
	HostTest::AddAsset(FName(TEXT("/Game/Pack/Maps/Level")), WorldClass);
	HostTest::AddDependency(FName(TEXT("/Game/Pack/SM_Rock")), FName(TEXT("/Game/Pack/T_Rock")));
	WriteContentFile("Pack/SM_Rock.uasset");
	WriteContentFile("Pack/T_Rock.uasset");
	WriteContentFile("Pack/Maps/Level.umap");

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
	HostTest::TickGameThread();
	HostTest::ClearShownNotifications();
	HostTest::ClearMessageLogEntries();
	HostTest::ClearAssetRegistry();
	HostTest::ResetObjects();
	HostTest::SetProjectDirectory(FString(), FString());
	HostTest::ReloadProjectPackagingSettings();
	HostTest::SetEngineDirectory(FString());
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

void FPackageExportTest::WriteContentFile(const std::string& RelativePath)
{
	const std::filesystem::path File = ProjectDir / "Content" / RelativePath;
	std::filesystem::create_directories(File.parent_path());
	std::ofstream(File, std::ios::binary) << "package " << RelativePath << '\n';
}

std::filesystem::path FPackageExportTest::CookedFile(const std::string& RelativePath) const
{
	return ProjectDir / "Saved" / "Cooked" / "Linux" / ProjectName / "Content" / RelativePath;
}

std::filesystem::path FPackageExportTest::PakFile() const
{
	return ProjectDir / "Saved" / "Talvyn" / "PKG_Pack" / "PKG_Pack.pak";
}

std::filesystem::path FPackageExportTest::ResponseFile() const
{
	return ProjectDir / "Saved" / "Talvyn" / "PKG_Pack" / "PKG_Pack.txt";
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

#include "PreviewSession.h"

#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "FileHelpers.h"
#include "HostTest/AssetRegistryProbe.h"
#include "HostTest/AssetToolsProbe.h"
#include "HostTest/CoreProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "HostTest/DeveloperSettingsProbe.h"
#include "HostTest/DeveloperToolSettingsProbe.h"
#include "HostTest/ExportProbe.h"
#include "HostTest/ModuleProbe.h"
#include "HostTest/NotificationProbe.h"
#include "HostTest/PropertyEditorProbe.h"
#include "HostTest/SlateProbe.h"
#include "HostTest/UnrealEdProbe.h"
#include "IDetailsView.h"
#include "J5Package.h"
#include "Misc/CoreDelegates.h"
#include "Misc/PackageName.h"
#include "TalvynSDKSettings.h"
#include "UObject/UnrealType.h"
#include "Modules/ModuleManager.h"
#include "PropertyCustomizationHelpers.h"
#include "Templates/Casts.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "Widgets/Input/SButton.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace EditorPreview
{
	const FName PluginLogCategory(TEXT("LogTalvynSDK"));
	const TCHAR* const RedColor = TEXT("(R=1.000000,G=0.000000,B=0.000000,A=1.000000)");
	const char* const DataFileName = "Assets.txt";

	static std::string ToUtf8(const FString& Text)
	{
		return std::string(TCHAR_TO_UTF8(*Text));
	}

	static FString ToFString(const std::string& Text)
	{
		return FString(UTF8_TO_TCHAR(Text.c_str()));
	}

	static std::string Trim(const std::string& Text)
	{
		const size_t First = Text.find_first_not_of(" \t\r\n");
		if (First == std::string::npos)
		{
			return std::string();
		}
		const size_t Last = Text.find_last_not_of(" \t\r\n");
		return Text.substr(First, Last - First + 1);
	}

	static std::vector<std::string> SplitLines(const std::string& Text)
	{
		std::vector<std::string> Lines;
		std::istringstream Stream(Text);
		std::string Line;
		while (std::getline(Stream, Line))
		{
			Lines.push_back(Line);
		}
		return Lines;
	}

	static std::string Quoted(const std::string& Text)
	{
		return "\"" + Text + "\"";
	}

	/** "/Game/A/B" or "/Game/A/B.B" as a package name and an asset name; false for anything outside /Game. */
	static bool SplitAssetPath(const std::string& Path, std::string& OutPackage, std::string& OutAsset)
	{
		if (Path.rfind("/Game/", 0) != 0 || Path.size() <= 6 || Path.back() == '/')
		{
			return false;
		}
		const size_t Dot = Path.find('.');
		OutPackage = Path.substr(0, Dot);
		OutAsset = Dot == std::string::npos ? OutPackage.substr(OutPackage.rfind('/') + 1) : Path.substr(Dot + 1);
		return !OutAsset.empty() && OutPackage.back() != '/';
	}

	static bool FindAsset(const std::string& Path, FAssetData& OutAsset)
	{
		std::string Package;
		std::string Asset;
		if (!SplitAssetPath(Path, Package, Asset))
		{
			throw FPreviewError(Quoted(Path) + " lies outside the project; asset paths start with /Game/.");
		}
		TArray<FAssetData> Found;
		IAssetRegistry::GetChecked().GetAssetsByPackageName(FName(*ToFString(Package)), Found);
		for (const FAssetData& Candidate : Found)
		{
			if (Candidate.AssetName == FName(*ToFString(Asset)))
			{
				OutAsset = Candidate;
				return true;
			}
		}
		return false;
	}

	/** One widget as text lines, following what a person reads off it. */
	static std::vector<std::string> RenderWidget(const HostTest::FWidgetSnapshot& Widget, bool bColor)
	{
		const FString* const Visibility = Widget.Arguments.Find(TEXT("Visibility"));
		if (Visibility != nullptr && (*Visibility == TEXT("Collapsed") || *Visibility == TEXT("Hidden")))
		{
			return {};
		}
		auto Argument = [&Widget](const TCHAR* Name) -> std::string
		{
			const FString* const Value = Widget.Arguments.Find(Name);
			return Value != nullptr ? ToUtf8(*Value) : std::string();
		};

		if (Widget.Type == TEXT("SButton"))
		{
			return { "[ " + Argument(TEXT("Text")) + " ]" };
		}
		if (Widget.Type == TEXT("STextBlock"))
		{
			const FString* const Color = Widget.Arguments.Find(TEXT("ColorAndOpacity"));
			const bool bRed = Color != nullptr && *Color == RedColor;
			std::vector<std::string> Lines;
			for (std::string Line : SplitLines(Argument(TEXT("Text"))))
			{
				// Tabs indent the reference tree; a fixed width keeps it readable in any terminal.
				std::string Expanded;
				for (const char Character : Line)
				{
					Expanded += Character == '\t' ? std::string("    ") : std::string(1, Character);
				}
				Lines.push_back(bRed && bColor ? "\x1b[31m" + Expanded + "\x1b[0m" : Expanded);
			}
			return Lines;
		}
		if (Widget.Type == TEXT("SObjectPropertyEntryBox"))
		{
			const std::string Path = Argument(TEXT("ObjectPath"));
			return { "[ " + (Path.empty() || Path == "unset" ? std::string("None") : Path) + " \xE2\x96\xBE ]" };
		}

		std::vector<std::vector<std::string>> Parts;
		for (const HostTest::FWidgetSnapshot& Child : Widget.Children)
		{
			std::vector<std::string> ChildLines = RenderWidget(Child, bColor);
			if (!ChildLines.empty())
			{
				Parts.push_back(MoveTemp(ChildLines));
			}
		}
		std::vector<std::string> Lines;
		if (Widget.Type == TEXT("SHorizontalBox"))
		{
			// Side by side: the first lines share a line, what wraps below follows under it.
			std::string First;
			std::vector<std::string> Rest;
			for (const std::vector<std::string>& Piece : Parts)
			{
				First += (First.empty() ? "" : " ") + Piece[0];
				Rest.insert(Rest.end(), Piece.begin() + 1, Piece.end());
			}
			if (!Parts.empty())
			{
				Lines.push_back(First);
			}
			Lines.insert(Lines.end(), Rest.begin(), Rest.end());
			return Lines;
		}
		for (const std::vector<std::string>& Piece : Parts)
		{
			Lines.insert(Lines.end(), Piece.begin(), Piece.end());
		}
		return Lines;
	}

	static std::string DescribeVerbosity(ELogVerbosity::Type Verbosity)
	{
		switch (Verbosity)
		{
		case ELogVerbosity::Fatal: return "Fatal: ";
		case ELogVerbosity::Error: return "Error: ";
		case ELogVerbosity::Warning: return "Warning: ";
		case ELogVerbosity::Display: return "Display: ";
		default: return "";
		}
	}

	static fs::path ExecutableDirectory()
	{
		std::error_code Error;
		const fs::path Self = fs::read_symlink("/proc/self/exe", Error);
		return Error ? fs::current_path() : Self.parent_path();
	}
}

using namespace EditorPreview;

FPreviewSession::FPreviewSession(const FOptions& InOptions)
	: Options(InOptions)
{
	if (Options.ToolsDir.empty())
	{
		Options.ToolsDir = ExecutableDirectory().string();
	}
}

FPreviewSession::~FPreviewSession()
{
	if (bStarted)
	{
		// Editors go first: their panels hold customizations whose code lives in the plugin's module.
		View.Reset();
		HostTest::TickGameThreadUntil([]() { return HostTest::TickGameThread() == 0; }, 5.0f);
		HostTest::CloseAllAssetEditors();
		HostTest::ResetAssetEditorRecords();
		// The editor's exit: a tool still running is stopped before the modules unload.
		FCoreDelegates::OnPreExit.Broadcast();
		HostTest::UnloadAllModules();
	}
	if (!WorkRoot.empty())
	{
		std::error_code Error;
		fs::remove_all(WorkRoot, Error);
	}
}

void FPreviewSession::Print(const std::string& Text)
{
	std::fputs(Text.c_str(), stdout);
	std::fflush(stdout);
}

void FPreviewSession::Start()
{
	HostTest::SetLogEcho(false);

	std::error_code Error;
	const fs::path ProjectDir = fs::path(Options.ProjectDir);
	if (!fs::is_directory(ProjectDir, Error))
	{
		throw FPreviewError("no project folder " + Quoted(Options.ProjectDir) + ".");
	}
	const fs::path DataFile = ProjectDir / DataFileName;
	if (!fs::is_regular_file(DataFile, Error))
	{
		throw FPreviewError(Quoted(Options.ProjectDir) + " is not a sample project: it has no " + DataFileName + ".");
	}
	std::string ProjectName = fs::weakly_canonical(ProjectDir, Error).filename().string();
	if (ProjectName.empty())
	{
		ProjectName = "Project";
	}

	FString LoadError;
	if (!HostTest::LoadAssetRegistryFromFile(ToFString(DataFile.string()), LoadError))
	{
		throw FPreviewError("the sample file could not be read:\n" + ToUtf8(LoadError));
	}

	// Apply Cook Settings and the export write into the project: they get a working copy, so the sample stays as it is.
	char Template[] = "/tmp/EditorPreview-XXXXXX";
	if (mkdtemp(Template) == nullptr)
	{
		throw FPreviewError("could not make a working folder in /tmp.");
	}
	WorkRoot = Template;
	const fs::path WorkProject = fs::path(WorkRoot) / ProjectName;
	fs::create_directories(WorkProject / "Config");
	fs::create_directories(WorkProject / "Content");
	if (fs::is_directory(ProjectDir / "Config", Error))
	{
		fs::copy(ProjectDir / "Config", WorkProject / "Config", fs::copy_options::recursive | fs::copy_options::overwrite_existing, Error);
	}
	std::ofstream(WorkProject / (ProjectName + ".uproject")) << "{ \"FileVersion\": 3 }\n";

	const fs::path EngineBinaries = fs::path(WorkRoot) / "Engine" / "Binaries" / "Linux";
	fs::create_directories(EngineBinaries);
	fs::create_symlink(fs::path(Options.ToolsDir) / "FakeCookCommandlet", EngineBinaries / "UnrealEditor-Cmd", Error);
	fs::create_symlink(fs::path(Options.ToolsDir) / "FakeUnrealPak", EngineBinaries / "UnrealPak", Error);

	HostTest::SetProjectDirectory(ToFString(WorkProject.string()), ToFString(ProjectName));
	HostTest::SetEngineDirectory(ToFString((fs::path(WorkRoot) / "Engine").string()));
	HostTest::ReloadProjectPackagingSettings();
	HostTest::ReloadDeveloperSettings(*GetMutableDefault<UTalvynSDKSettings>());

	// The editor starts the plugin's modules from the plugin's descriptor, runtime first.
	for (const TCHAR* ModuleName : { TEXT("TalvynSDKBase"), TEXT("TalvynSDKBaseEditor") })
	{
		if (FModuleManager::Get().LoadModule(FName(ModuleName)) == nullptr)
		{
			throw FPreviewError("the plugin module " + ToUtf8(ModuleName) + " could not be loaded.");
		}
	}
	bStarted = true;

	// The sample's content as the editor holds it once loaded, and on disk in the working copy, where the cook reads it.
	HostTest::LoadRegisteredAssets();
	TArray<FAssetData> AllAssets;
	IAssetRegistry::GetChecked().GetAllAssets(AllAssets);
	TArray<UPackage*> ContentPackages;
	for (const FAssetData& Asset : AllAssets)
	{
		if (UPackage* Package = Asset.GetPackage())
		{
			ContentPackages.AddUnique(Package);
			continue;
		}
		// Assets of classes the host does not have (a widget blueprint) stay on disk only, as a placeholder file.
		FString Filename;
		if (FPackageName::TryConvertLongPackageNameToFilename(Asset.PackageName.ToString(), Filename, FPackageName::GetAssetPackageExtension()))
		{
			fs::create_directories(fs::path(ToUtf8(Filename)).parent_path(), Error);
			std::ofstream(ToUtf8(Filename)) << "package " << ToUtf8(Asset.PackageName.ToString()) << "\n";
		}
	}
	UEditorLoadingAndSavingUtils::SavePackages(ContentPackages, /*bOnlyDirty=*/false);

	Print("Project " + ProjectName + ": " + std::to_string(HostTest::GetNumRegisteredAssets()) + " assets, "
		+ std::to_string(HostTest::GetNumRegisteredDependencies()) + " package references; changes go to a working copy, <work>/" + ProjectName + ", removed at exit\n");
	LogLinesShown = HostTest::GetRecordedLogLines().Num();
}

bool FPreviewSession::RunAction(const std::string& RawLine)
{
	const std::string Line = Trim(RawLine);
	if (Line.empty())
	{
		return true;
	}
	if (Line[0] == '#')
	{
		// A script's comments narrate the steps, so they are shown where they stand.
		Print("\n" + Line + "\n");
		return true;
	}
	const size_t Space = Line.find_first_of(" \t");
	const std::string Verb = Line.substr(0, Space);
	const std::string Argument = Space == std::string::npos ? std::string() : Trim(Line.substr(Space));
	auto RequireArgument = [&Verb, &Argument](const char* What)
	{
		if (Argument.empty())
		{
			throw FPreviewError(Quoted(Verb) + " needs " + What + ".");
		}
	};

	Print("\n> " + Line + "\n");
	if (Verb == "quit" || Verb == "exit")
	{
		return false;
	}
	if (Verb == "new")
	{
		RequireArgument("a folder and a name, e.g. \"new /Game/Talvyn/Pack PKG_Arena\"");
		const size_t Gap = Argument.find_first_of(" \t");
		if (Gap == std::string::npos)
		{
			throw FPreviewError("\"new\" needs a folder and a name, e.g. \"new /Game/Talvyn/Pack PKG_Arena\".");
		}
		NewPackage(Argument.substr(0, Gap), Trim(Argument.substr(Gap)));
	}
	else if (Verb == "open")
	{
		RequireArgument("an asset path");
		OpenPackage(Argument);
	}
	else if (Verb == "click")
	{
		RequireArgument("a button label");
		Click(Argument);
	}
	else if (Verb == "cook")
	{
		Cook();
	}
	else if (Verb == "modify")
	{
		RequireArgument("an asset path");
		Modify(Argument);
	}
	else if (Verb == "setting")
	{
		const size_t Gap = Argument.find_first_of(" \t");
		if (Argument.empty() || Gap == std::string::npos)
		{
			throw FPreviewError("\"setting\" needs a name and a value, e.g. \"setting ContainerFormat PakAndIoStore\".");
		}
		SetSetting(Argument.substr(0, Gap), Trim(Argument.substr(Gap)));
		return true;
	}
	else if (Verb == "pick")
	{
		RequireArgument("an asset path");
		Pick(Argument);
	}
	else if (Verb == "expand" || Verb == "collapse")
	{
		RequireArgument("a group name");
		SetGroup(Argument, Verb == "expand");
	}
	else if (Verb == "search")
	{
		Search(Argument);
	}
	else if (Verb == "undo" || Verb == "redo")
	{
		StepHistory(Verb == "undo");
	}
	else if (Verb == "picker")
	{
		ListPicker();
		return true;
	}
	else if (Verb != "show")
	{
		throw FPreviewError("unknown action " + Quoted(Verb) + "; actions are new, open, click, cook, modify, setting, pick, undo, redo, expand, collapse, search, picker, show, quit.");
	}
	Print(RenderPanel());
	ReportActivity();
	return true;
}

void FPreviewSession::NewPackage(const std::string& FolderAsTyped, const std::string& Name)
{
	std::string Folder = FolderAsTyped;
	while (Folder.size() > 1 && Folder.back() == '/')
	{
		Folder.pop_back();
	}
	if (Folder != "/Game" && Folder.rfind("/Game/", 0) != 0)
	{
		throw FPreviewError("the folder " + Quoted(Folder) + " lies outside the project; content folders start with /Game.");
	}
	if (Name.find_first_of(" \t/.") != std::string::npos)
	{
		throw FPreviewError(Quoted(Name) + " is not an asset name (no spaces, slashes or dots).");
	}
	FAssetData Existing;
	if (FindAsset(Folder + "/" + Name, Existing))
	{
		throw FPreviewError("an asset " + Folder + "/" + Name + " exists already; use \"open\" for it.");
	}

	// The Content Browser's menu: Talvyn > the entry that makes package assets.
	const TArray<HostTest::FNewAssetMenuEntry> Menu = HostTest::GetNewAssetMenu();
	const HostTest::FNewAssetMenuEntry* Entry = nullptr;
	for (const HostTest::FNewAssetMenuEntry& Candidate : Menu)
	{
		if (Candidate.SupportedClass == UJ5Package::StaticClass() && Candidate.CategoryNames.ContainsByPredicate([](const FText& Category) { return Category.ToString() == TEXT("Talvyn"); }))
		{
			Entry = &Candidate;
		}
	}
	if (Entry == nullptr)
	{
		throw FPreviewError("the new-asset menu has no Talvyn package entry; is the plugin's editor module loaded?");
	}
	Print("Content Browser: " + Folder + " > right-click > Talvyn > " + ToUtf8(Entry->DisplayName.ToString()) + ", named " + Name + "\n");
	UObject* const Asset = HostTest::CreateAssetFromMenu(*Entry, ToFString(Folder), ToFString(Name));
	if (Asset == nullptr)
	{
		throw FPreviewError("the package asset " + Folder + "/" + Name + " could not be created.");
	}
	ShowEditor(Asset);
}

void FPreviewSession::OpenPackage(const std::string& AssetPath)
{
	FAssetData AssetData;
	if (!FindAsset(AssetPath, AssetData))
	{
		throw FPreviewError("the project has no asset " + Quoted(AssetPath) + ".");
	}
	if (AssetData.AssetClassPath != UJ5Package::StaticClass()->GetStructPathName())
	{
		throw FPreviewError(AssetPath + " is a " + ToUtf8(AssetData.AssetClassPath.GetAssetName().ToString()) + ", not a package asset; only package assets have the panel.");
	}
	UJ5Package* Package = FindObject<UJ5Package>(nullptr, *AssetData.GetObjectPathString());
	if (Package == nullptr)
	{
		// Loading stands in for reading the asset from disk: a package asset as saved, with nothing gathered yet.
		UPackage* const Outer = CreatePackage(*AssetData.PackageName.ToString());
		Package = NewObject<UJ5Package>(Outer, AssetData.AssetName, RF_Public | RF_Standalone);
	}
	Print("Content Browser: double-click " + ToUtf8(AssetData.GetObjectPathString()) + "\n");
	ShowEditor(Package);
}

void FPreviewSession::ShowEditor(UObject* Asset)
{
	View.Reset();
	HostTest::CloseAllAssetEditors();
	if (!HostTest::OpenAssetsFromContentBrowser({ Asset }))
	{
		throw FPreviewError("no editor opens " + ToUtf8(Asset->GetPathName()) + ".");
	}
	const TArray<HostTest::FAssetEditorRecord> Records = HostTest::GetAssetEditorRecords();
	if (Records.Num() == 0 || !Records.Last().DetailsView.IsValid())
	{
		throw FPreviewError("the editor of " + ToUtf8(Asset->GetPathName()) + " shows no details panel.");
	}
	View = Records.Last().DetailsView;
	Print("Opened " + ToUtf8(Asset->GetPathName()) + " in the asset editor\n");
}

TSharedRef<IDetailsView> FPreviewSession::RequireView() const
{
	if (!View.IsValid())
	{
		throw FPreviewError("no package is open; start with \"new <folder> <name>\" or \"open <asset path>\".");
	}
	return View.ToSharedRef();
}

void FPreviewSession::Click(const std::string& Label)
{
	const TSharedRef<IDetailsView> Panel = RequireView();
	std::vector<std::string> Labels;
	TSharedPtr<SWidget> Target;
	for (const HostTest::FDetailCategoryLayout& Category : HostTest::GetLayout(Panel).Categories)
	{
		for (const HostTest::FDetailRowLayout& Row : Category.Rows)
		{
			if (!Category.bShown || !Row.bShown)
			{
				continue;
			}
			for (const TSharedPtr<SWidget>& Content : { Row.WholeRowWidget, Row.NameWidget, Row.ValueWidget })
			{
				if (!Content.IsValid())
				{
					continue;
				}
				for (const TSharedRef<SWidget>& Button : HostTest::FindWidgetsOfType(Content.ToSharedRef(), TEXT("SButton")))
				{
					const HostTest::FWidgetSnapshot Snapshot = HostTest::PaintWidget(Button);
					const FString* const Text = Snapshot.Arguments.Find(TEXT("Text"));
					const std::string ButtonLabel = Text != nullptr ? ToUtf8(*Text) : std::string();
					Labels.push_back(ButtonLabel);
					if (!Target.IsValid() && ButtonLabel == Label)
					{
						Target = Button;
					}
				}
			}
		}
	}
	if (!Target.IsValid())
	{
		std::string Known;
		for (const std::string& Shown : Labels)
		{
			Known += (Known.empty() ? "" : ", ") + Quoted(Shown);
		}
		throw FPreviewError("no button labelled " + Quoted(Label) + " is on the panel; the buttons shown are " + Known + ".");
	}
	const FReply Reply = HostTest::ClickButton(StaticCastSharedRef<SButton>(Target.ToSharedRef()));
	if (!Reply.IsEventHandled())
	{
		Print("(the button did not respond)\n");
	}
}

void FPreviewSession::StepHistory(const bool bUndo)
{
	// Edit > Undo and Edit > Redo name the step they take, as the editor's menu does.
	const HostTest::FUndoHistory History = HostTest::GetUndoHistory();
	const int32 Index = History.Transactions.Num() - History.NumUndone - (bUndo ? 1 : 0);
	if (Index < 0 || Index >= History.Transactions.Num())
	{
		Print(bUndo ? "Nothing to undo.\n" : "Nothing to redo.\n");
		return;
	}
	const std::string Name = TCHAR_TO_UTF8(*History.Transactions[Index].Description);
	if (bUndo ? HostTest::UndoTransaction() : HostTest::RedoTransaction())
	{
		Print((bUndo ? "Undid " : "Redid ") + Quoted(Name) + ".\n");
	}
}

void FPreviewSession::Cook()
{
	const TSharedRef<IDetailsView> Panel = RequireView();
	const TArray<TWeakObjectPtr<UObject>>& Selected = Panel->GetSelectedObjects();
	UJ5Package* Package = Selected.Num() > 0 ? Cast<UJ5Package>(Selected[0].Get()) : nullptr;
	if (Package == nullptr)
	{
		throw FPreviewError("the open panel shows no package asset to cook.");
	}
	// The panel has no button for it; the command runs as the editor's other entry points would run it.
	Print("Cook Assets (the package's command; the panel shows no button for it)\n");
	Package->CookAssets();
}

void FPreviewSession::Modify(const std::string& AssetPath)
{
	FAssetData AssetData;
	if (!FindAsset(AssetPath, AssetData))
	{
		throw FPreviewError("the project has no asset " + Quoted(AssetPath) + ".");
	}
	UPackage* const Package = AssetData.GetPackage();
	if (Package == nullptr)
	{
		throw FPreviewError(AssetPath + " is not loaded in the editor (its class is one the preview does not have), so it cannot be changed.");
	}
	Package->SetDirtyFlag(true);
	Print("Changed " + ToUtf8(AssetData.GetObjectPathString()) + " in the editor without saving it\n");
}

void FPreviewSession::SetSetting(const std::string& Name, const std::string& Value)
{
	// Project Settings > Plugins > Talvyn SDK edits the class default object and saves it to the default config file.
	UTalvynSDKSettings* const Settings = GetMutableDefault<UTalvynSDKSettings>();
	std::string Known;
	for (TFieldIterator<FProperty> It(Settings->GetClass()); It; ++It)
	{
		if (!It->HasAllPropertyFlags(CPF_Config | CPF_Edit))
		{
			continue;
		}
		if (!It->GetName().Equals(ToFString(Name), ESearchCase::IgnoreCase))
		{
			Known += (Known.empty() ? "" : ", ") + ToUtf8(It->GetName());
			continue;
		}
		if (!It->HostSetValueFromString(Settings, ToFString(Value)))
		{
			throw FPreviewError(Quoted(Value) + " is not a value of " + ToUtf8(It->GetName()) + " (" + ToUtf8(It->GetCPPType()) + ").");
		}
		if (!Settings->TryUpdateDefaultConfigFile())
		{
			throw FPreviewError("the setting could not be saved to " + Tidy(Settings->GetDefaultConfigFilename()) + ".");
		}
		Print("Project Settings > " + ToUtf8(Settings->GetCategoryName().ToString()) + " > " + ToUtf8(Settings->GetSectionText().ToString()) + ": "
			+ ToUtf8(It->GetName()) + " = " + ToUtf8(It->HostGetValueString(Settings)) + " (saved to " + Tidy(Settings->GetDefaultConfigFilename()) + ")\n");
		return;
	}
	throw FPreviewError("the Talvyn SDK settings have no " + Quoted(Name) + "; they are " + Known + ".");
}

void FPreviewSession::Pick(const std::string& AssetPath)
{
	const TSharedRef<IDetailsView> Panel = RequireView();
	FAssetData AssetData;
	if (!FindAsset(AssetPath, AssetData))
	{
		throw FPreviewError("the project has no asset " + Quoted(AssetPath) + ".");
	}
	const TArray<TSharedRef<SObjectPropertyEntryBox>> Boxes = HostTest::FindEntryBoxes(Panel);
	if (Boxes.Num() == 0)
	{
		throw FPreviewError("the panel shows no asset picker.");
	}
	for (const FAssetData& Offered : HostTest::GetPickerEntries(Boxes[0]))
	{
		if (Offered.GetSoftObjectPath() == AssetData.GetSoftObjectPath())
		{
			if (!HostTest::PickAsset(Boxes[0], Offered))
			{
				throw FPreviewError("the picker refused " + AssetPath + ".");
			}
			return;
		}
	}
	throw FPreviewError("the picker does not offer " + AssetPath + " (" + ToUtf8(AssetData.AssetClassPath.GetAssetName().ToString())
		+ "); it offers levels, meshes and blueprints inside the package's folder. Run \"picker\" to list them.");
}

void FPreviewSession::SetGroup(const std::string& Group, bool bExpanded)
{
	const TSharedRef<IDetailsView> Panel = RequireView();
	std::string Known;
	for (const HostTest::FDetailCategoryLayout& Category : HostTest::GetLayout(Panel).Categories)
	{
		for (const HostTest::FDetailRowLayout& Row : Category.Rows)
		{
			if (Row.Kind != HostTest::EDetailRowKind::Group || !Row.bShown)
			{
				continue;
			}
			if (ToUtf8(Row.DisplayName) == Group || ToUtf8(Row.GroupName.ToString()) == Group)
			{
				HostTest::SetGroupExpanded(Panel, Category.Name, Row.GroupName, bExpanded);
				return;
			}
			Known += (Known.empty() ? "" : ", ") + Quoted(ToUtf8(Row.DisplayName));
		}
	}
	throw FPreviewError("no group " + Quoted(Group) + " is on the panel" + (Known.empty() ? std::string("; it shows none.") : "; the groups shown are " + Known + "."));
}

void FPreviewSession::Search(const std::string& Text)
{
	HostTest::SetSearchText(RequireView(), ToFString(Text));
}

void FPreviewSession::ListPicker()
{
	const TArray<TSharedRef<SObjectPropertyEntryBox>> Boxes = HostTest::FindEntryBoxes(RequireView());
	if (Boxes.Num() == 0)
	{
		throw FPreviewError("the panel shows no asset picker.");
	}
	const TArray<FAssetData> Entries = HostTest::GetPickerEntries(Boxes[0]);
	std::string Text = "Add Asset picker offers " + std::to_string(Entries.Num()) + " assets:\n";
	for (const FAssetData& Entry : Entries)
	{
		Text += "  " + ToUtf8(Entry.GetObjectPathString()) + "  (" + ToUtf8(Entry.AssetClassPath.GetAssetName().ToString()) + ")\n";
	}
	Print(Text);
}

std::string FPreviewSession::RenderPanel()
{
	const TSharedRef<IDetailsView> Panel = RequireView();
	const HostTest::FPaintedDetailsPanel Painted = HostTest::PaintDetailsView(Panel);
	const bool bColor = Options.bColor;
	std::string Text;
	for (const HostTest::FPaintedDetailCategory& Category : Painted.Categories)
	{
		const std::string Title = ToUtf8(Category.DisplayName.IsEmpty() ? Category.Name.ToString() : Category.DisplayName);
		// A rule across the panel's width, as the category's header bar.
		std::string Rule;
		for (size_t Column = Title.size() + 4; Column < 48; ++Column)
		{
			Rule += "\xE2\x94\x80";
		}
		Text += (bColor ? "\x1b[1m" : "") + std::string("\xE2\x94\x80\xE2\x94\x80 ") + Title + " " + Rule + (bColor ? "\x1b[0m" : "") + "\n";
		for (const HostTest::FPaintedDetailRow& Row : Category.Rows)
		{
			const std::string Indent = std::string(2 + 2 * Row.Depth, ' ');
			std::vector<std::string> Lines;
			if (Row.Kind == HostTest::EDetailRowKind::Group)
			{
				const bool bOpen = Row.Value == TEXT("expanded");
				Lines.push_back(std::string(bOpen ? "\xE2\x96\xBE " : "\xE2\x96\xB8 ") + ToUtf8(Row.Label));
			}
			else if (Row.Kind == HostTest::EDetailRowKind::Property)
			{
				std::string Name = ToUtf8(Row.Label);
				Name.resize(std::max<size_t>(Name.size() + 1, 24), ' ');
				Lines.push_back(Name + ToUtf8(Row.Value));
			}
			else if (Row.bWholeRow)
			{
				Lines = RenderWidget(Row.WholeRow, bColor);
			}
			else
			{
				std::vector<std::string> Name = RenderWidget(Row.NameColumn, bColor);
				std::vector<std::string> Value = RenderWidget(Row.ValueColumn, bColor);
				if (!Name.empty() && !Value.empty())
				{
					Name[0] += "  " + Value[0];
					Value.erase(Value.begin());
				}
				Lines = Name;
				Lines.insert(Lines.end(), Value.begin(), Value.end());
			}
			for (const std::string& Line : Lines)
			{
				Text += Indent + Line + "\n";
			}
		}
	}
	if (Painted.Categories.Num() == 0)
	{
		Text += "(nothing on the panel matches the search)\n";
	}
	return Text;
}

void FPreviewSession::ReportActivity()
{
	// A tool started by a button runs in the background; the editor keeps ticking until it reports back.
	HostTest::TickGameThreadUntil([]()
	{
		HostTest::TickGameThread();
		for (const HostTest::FShownNotification& Shown : HostTest::GetShownNotifications())
		{
			if (Shown.State == SNotificationItem::CS_Pending)
			{
				return false;
			}
		}
		return true;
	}, 120.0f);
	HostTest::TickGameThread();

	std::string Text;
	const TArray<TArray<FName>> Prompts = HostTest::GetSavePrompts();
	for (int32 Index = SavePromptsShown; Index < Prompts.Num(); ++Index)
	{
		std::string Names;
		for (const FName& PackageName : Prompts[Index])
		{
			Names += (Names.empty() ? "" : ", ") + ToUtf8(PackageName.ToString());
		}
		Text += "  save dialog | Save Content: " + Names + " -> Save\n";
	}
	SavePromptsShown = Prompts.Num();
	const TArray<HostTest::FRecordedLogLine> Lines = HostTest::GetRecordedLogLines();
	for (int32 Index = LogLinesShown; Index < Lines.Num(); ++Index)
	{
		if (Lines[Index].Category == PluginLogCategory)
		{
			Text += "  log | " + DescribeVerbosity(Lines[Index].Verbosity) + Tidy(Lines[Index].Message) + "\n";
		}
	}
	LogLinesShown = Lines.Num();

	const TArray<HostTest::FShownNotification> Notifications = HostTest::GetShownNotifications();
	for (int32 Index = NotificationsShown; Index < Notifications.Num(); ++Index)
	{
		const HostTest::FShownNotification& Shown = Notifications[Index];
		Text += "  notification | " + Tidy(Shown.Text);
		if (!Shown.SubText.IsEmpty())
		{
			Text += ": " + Tidy(Shown.SubText.Replace(TEXT("\n"), TEXT(" / ")));
		}
		Text += "\n";
	}
	NotificationsShown = Notifications.Num();
	Print(Text);
}

std::string FPreviewSession::Tidy(const FString& Text) const
{
	std::string Result = ToUtf8(Text);
	if (WorkRoot.empty())
	{
		return Result;
	}
	for (size_t Found = Result.find(WorkRoot); Found != std::string::npos; Found = Result.find(WorkRoot, Found))
	{
		Result.replace(Found, WorkRoot.size(), "<work>");
	}
	return Result;
}

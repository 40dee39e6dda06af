#include "CoreMinimal.h"
#include "DetailLayoutBuilder.h"
#include "HostTest/AssetRegistryProbe.h"
#include "HostTest/CoreProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "HostTest/DeveloperToolSettingsProbe.h"
#include "HostTest/ExportProbe.h"
#include "HostTest/NotificationProbe.h"
#include "HostTest/PropertyEditorProbe.h"
#include "HostTest/SlateProbe.h"
#include "IDetailsView.h"
#include "Internationalization/Internationalization.h"
#include "J5Package.h"
#include "J5PackageCustomization.h"
#include "Modules/ModuleManager.h"
#include "PropertyCustomizationHelpers.h"
#include "PropertyEditorModule.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "Widgets/Input/SButton.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <functional>

namespace
{
	const FTopLevelAssetPath StaticMeshClass(TEXT("/Script/Engine"), TEXT("StaticMesh"));
	const FTopLevelAssetPath WorldClass(TEXT("/Script/Engine"), TEXT("World"));
	const FTopLevelAssetPath PackageClass(TEXT("/Script/TalvynSDKBase"), TEXT("J5Package"));
	const FTopLevelAssetPath MaterialClass(TEXT("/Script/Engine"), TEXT("Material"));
	const FName LogTalvynSDKName(TEXT("LogTalvynSDK"));
	const FName EditorModuleName(TEXT("TalvynSDKBaseEditor"));

	struct FCommandTexts
	{
		const TCHAR* Label;
		const TCHAR* Tooltip;
	};

	const FCommandTexts FindAssetsTexts{ TEXT("Add All Assets"), TEXT("Find all assets in this directory and add them to the package. Generate names and thumbnails for each.") };
	const FCommandTexts RemoveAssetsTexts{ TEXT("Remove All Assets"), TEXT("Remove all assets from this package, reseting it to its default state.") };
	const FCommandTexts ApplyCookTexts{ TEXT("Apply Cook Settings"), TEXT("Set project cook settings.") };
	const FCommandTexts MakePakTexts{ TEXT("Make Pak File"), TEXT("Export cooked assets to a .pak file to use in Talvyn.") };
	const FCommandTexts FindDependenciesTexts{ TEXT("Find Dependencies"), TEXT("Find all additional assets needed by the assets in this package.") };
	const FCommandTexts CopyDependenciesTexts{ TEXT("Copy Dependencies"), TEXT("EXPERIMENTAL: Copy missing dependencies into this directory. Works fine for missing textures but can go wrong with more complex assets. Use the migration tool or move manually in this case.") };
	const FCommandTexts CookAssetsTexts{ TEXT("Cook Assets"), TEXT("Cook all the files required by this asset.") };

	/** Counts the log lines of the plugin that contain Text. */
	int32 CountPluginLines(const TCHAR* Text)
	{
		int32 Count = 0;
		for (const HostTest::FRecordedLogLine& Line : HostTest::GetRecordedLogLines())
		{
			Count += (Line.Category == LogTalvynSDKName && Line.Message.Contains(Text, ESearchCase::CaseSensitive)) ? 1 : 0;
		}
		return Count;
	}
}

/** The customization with its protected members in reach, for what no widget shows. */
class FExposedCustomization : public FJ5PackageCustomization
{
public:
	using FJ5PackageCustomization::DetailBuilder;
	using FJ5PackageCustomization::Package;
	using FJ5PackageCustomization::IsButtonEnabled;
	using FJ5PackageCustomization::OnFindAssetsClicked;
	using FJ5PackageCustomization::OnRemoveAssetsClicked;
	using FJ5PackageCustomization::OnApplyCookClicked;
	using FJ5PackageCustomization::OnMakePakClicked;
	using FJ5PackageCustomization::OnCookFilesClicked;
	using FJ5PackageCustomization::OnGetDependenciesClicked;
	using FJ5PackageCustomization::OnCopyDependenciesClicked;
	using FJ5PackageCustomization::OnGetFindAssetsButtonText;
	using FJ5PackageCustomization::OnGetFindAssetsButtonTooltipText;
	using FJ5PackageCustomization::OnGetRemoveAssetsButtonText;
	using FJ5PackageCustomization::OnGetRemoveAssetsButtonTooltipText;
	using FJ5PackageCustomization::OnGetApplyCookButtonText;
	using FJ5PackageCustomization::OnGetApplyCookButtonTooltipText;
	using FJ5PackageCustomization::OnGetMakePakButtonText;
	using FJ5PackageCustomization::OnGetMakePakButtonTooltipText;
	using FJ5PackageCustomization::OnGetCookFilesButtonText;
	using FJ5PackageCustomization::OnGetCookFilesButtonTooltipText;
	using FJ5PackageCustomization::OnGetGetDependenciesButtonText;
	using FJ5PackageCustomization::OnGetGetDependenciesButtonTooltipText;
	using FJ5PackageCustomization::OnGetCopyDependenciesButtonText;
	using FJ5PackageCustomization::OnGetCopyDependenciesButtonTooltipText;
};

/**
 * A started editor module and a package asset /Game/Talvyn/Pack/PKG_Pack whose folder holds a mesh and
 * a map; the mesh refers to one package outside the folder and to engine content. Panels are opened
 * as an asset editor opens them.
 */
class FPanelCommandsTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		HostTest::SetLogEcho(false);
		// Apply Cook Settings writes the project's configuration: keep it out of the working directory.
		char Template[] = "/tmp/PanelCommands-XXXXXX";
		ProjectDir = mkdtemp(Template);
		std::filesystem::create_directories(ProjectDir / "Config");
		HostTest::SetProjectDirectory(FString(UTF8_TO_TCHAR(ProjectDir.string().c_str())), FString(TEXT("Demo")));
		HostTest::ReloadProjectPackagingSettings();

		HostTest::AddAsset(FName(TEXT("/Game/Talvyn/Pack/PKG_Pack")), PackageClass);
		HostTest::AddAsset(FName(TEXT("/Game/Talvyn/Pack/SM_Rock")), StaticMeshClass);
		HostTest::AddAsset(FName(TEXT("/Game/Talvyn/Pack/Maps/Level")), WorldClass);
		HostTest::AddDependency(FName(TEXT("/Game/Talvyn/Pack/SM_Rock")), FName(TEXT("/Game/Shared/M_Stone")));
		HostTest::AddDependency(FName(TEXT("/Game/Talvyn/Pack/SM_Rock")), FName(TEXT("/Engine/BasicShapes/Cube")));

		Package = NewPackageAsset(TEXT("/Game/Talvyn/Pack/PKG_Pack"), TEXT("PKG_Pack"));
		BroadcastHandle = Package->OnPackageChanged.AddLambda([this]() { ++BroadcastCount; });

		FModuleManager::Get().LoadModuleChecked(EditorModuleName);
		HostTest::ClearRecordedLogLines();
	}

	void TearDown() override
	{
		// Panels go first: their customizations must not outlive the module that made them.
		Views.Empty();
		Latest.Reset();
		BuildHook = nullptr;
		FModuleManager::Get().UnloadModule(EditorModuleName);
		FInternationalization::Get().SetCurrentCulture(TEXT("en"));
		HostTest::ClearShownNotifications();
		HostTest::ClearMessageLogEntries();
		HostTest::ClearAssetRegistry();
		HostTest::ResetObjects();
		HostTest::SetProjectDirectory(FString(), FString());
		HostTest::ReloadProjectPackagingSettings();
		HostTest::ClearRecordedLogLines();
		std::error_code Error;
		std::filesystem::remove_all(ProjectDir, Error);
	}

	static UJ5Package* NewPackageAsset(const TCHAR* LongPackageName, const TCHAR* AssetName)
	{
		UPackage* Outer = CreatePackage(LongPackageName);
		// With the flags the Content Browser gives a new asset: transactional, so that its changes can be undone.
		return NewObject<UJ5Package>(Outer, AssetName, RF_Public | RF_Standalone | RF_Transactional);
	}

	TSharedRef<IDetailsView> OpenPanel(const TArray<UObject*>& Objects)
	{
		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView(Objects);
		Views.Add(View);
		return View;
	}

	TSharedRef<IDetailsView> OpenPanel()
	{
		return OpenPanel({ Package });
	}

	/**
	 * Makes the panels build the exposed customization instead of the module's, and calls BuildHook each
	 * time a panel makes one (that is, at the start of every build of a package panel).
	 */
	void UseExposedCustomization()
	{
		FPropertyEditorModule& PropertyEditor = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
		PropertyEditor.RegisterCustomClassLayout(FName(TEXT("J5Package")), FOnGetDetailCustomizationInstance::CreateLambda([this]() -> TSharedRef<IDetailCustomization>
		{
			if (BuildHook)
			{
				BuildHook();
			}
			TSharedRef<FExposedCustomization> Made = MakeShared<FExposedCustomization>();
			Latest = Made;
			return Made;
		}));
	}

	struct FShownButton
	{
		TSharedRef<SButton> Button;
		HostTest::FWidgetSnapshot Painted;
	};

	/** The buttons of the panel's current rows, in row order, as painted now. */
	static TArray<FShownButton> GetButtons(const TSharedRef<IDetailsView>& View)
	{
		TArray<FShownButton> Buttons;
		const HostTest::FDetailPanelLayout Layout = HostTest::GetLayout(View);
		for (const HostTest::FDetailCategoryLayout& Category : Layout.Categories)
		{
			for (const HostTest::FDetailRowLayout& Row : Category.Rows)
			{
				if (!Row.WholeRowWidget.IsValid())
				{
					continue;
				}
				for (const TSharedRef<SWidget>& Widget : HostTest::FindWidgetsOfType(Row.WholeRowWidget.ToSharedRef(), TEXT("SButton")))
				{
					Buttons.Add(FShownButton{ StaticCastSharedRef<SButton>(Widget), HostTest::PaintWidget(Widget) });
				}
			}
		}
		return Buttons;
	}

	static TSharedPtr<SButton> FindButton(const TSharedRef<IDetailsView>& View, const TCHAR* Label)
	{
		for (const FShownButton& Shown : GetButtons(View))
		{
			if (Shown.Painted.Arguments.FindRef(TEXT("Text")) == Label)
			{
				return Shown.Button;
			}
		}
		return nullptr;
	}

	/** Clicks the button of that label as a user would; fails the test when the panel shows none. */
	FReply Click(const TSharedRef<IDetailsView>& View, const TCHAR* Label)
	{
		const TSharedPtr<SButton> Button = FindButton(View, Label);
		if (!Button.IsValid())
		{
			ADD_FAILURE() << "no button " << TCHAR_TO_UTF8(Label);
			return FReply::Unhandled();
		}
		return HostTest::ClickButton(Button.ToSharedRef());
	}

	static int32 Refreshes(const TSharedRef<IDetailsView>& View)
	{
		return HostTest::GetRefreshCount(View);
	}

	/** Fills the package with its assets and their dependencies, and shows the result. */
	void FillPackage(const TSharedRef<IDetailsView>& View)
	{
		Package->FindAllAssets();
		Package->FindAllDependencies();
		ASSERT_EQ(Package->MissingDependencies.Num(), 1);
		View->ForceRefresh();
		BroadcastCount = 0;
		HostTest::ClearRecordedLogLines();
	}

	std::filesystem::path ProjectDir;
	UJ5Package* Package = nullptr;
	FDelegateHandle BroadcastHandle;
	int32 BroadcastCount = 0;
	TArray<TSharedRef<IDetailsView>> Views;
	TWeakPtr<FExposedCustomization> Latest;
	std::function<void()> BuildHook;
};

// Each command, clicked as a user does

TEST_F(FPanelCommandsTest, AddAllAssetsFillsThePackageAndRefreshesOnlyThroughTheBroadcast)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	const int32 Before = Refreshes(View);

	EXPECT_TRUE(Click(View, TEXT("Add All Assets")).IsEventHandled());
	EXPECT_EQ(Package->MainAssets.Num(), 2);
	EXPECT_EQ(BroadcastCount, 1);
	EXPECT_EQ(Refreshes(View), Before + 1);

	EXPECT_TRUE(Click(View, TEXT("Add All Assets")).IsEventHandled());
	EXPECT_EQ(Package->MainAssets.Num(), 2);
	EXPECT_EQ(BroadcastCount, 1);
	EXPECT_EQ(Refreshes(View), Before + 1);
}

TEST_F(FPanelCommandsTest, RemoveAllAssetsEmptiesThePackageAndRefreshesOnlyThroughTheBroadcast)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	FillPackage(View);
	const int32 Before = Refreshes(View);

	EXPECT_TRUE(Click(View, TEXT("Remove All Assets")).IsEventHandled());
	EXPECT_EQ(Package->MainAssets.Num(), 0);
	EXPECT_EQ(Package->MissingDependencies.Num(), 0);
	EXPECT_EQ(BroadcastCount, 1);
	EXPECT_EQ(Refreshes(View), Before + 1);

	EXPECT_TRUE(Click(View, TEXT("Remove All Assets")).IsEventHandled());
	EXPECT_EQ(BroadcastCount, 1);
	EXPECT_EQ(Refreshes(View), Before + 1);
}

TEST_F(FPanelCommandsTest, ApplyCookSettingsRunsOncePerClickWithoutRefreshing)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	const int32 Before = Refreshes(View);

	EXPECT_TRUE(Click(View, TEXT("Apply Cook Settings")).IsEventHandled());
	EXPECT_EQ(CountPluginLines(TEXT("Apply Cook Settings:")), 1);
	EXPECT_TRUE(Click(View, TEXT("Apply Cook Settings")).IsEventHandled());
	EXPECT_EQ(CountPluginLines(TEXT("Apply Cook Settings:")), 2);

	EXPECT_EQ(Refreshes(View), Before);
	EXPECT_EQ(BroadcastCount, 0);
}

TEST_F(FPanelCommandsTest, MakePakFileRunsOncePerClickWithoutRefreshing)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	const int32 Before = Refreshes(View);

	// An empty package cannot be exported: the operation says so, and the click is still handled.
	EXPECT_TRUE(Click(View, TEXT("Make Pak File")).IsEventHandled());
	EXPECT_EQ(CountPluginLines(TEXT("Make Pak File:")), 1);
	EXPECT_TRUE(Click(View, TEXT("Make Pak File")).IsEventHandled());
	EXPECT_EQ(CountPluginLines(TEXT("Make Pak File:")), 2);

	EXPECT_EQ(Refreshes(View), Before);
	EXPECT_EQ(BroadcastCount, 0);
}

TEST_F(FPanelCommandsTest, FindDependenciesRebuildsOnceWhetherOrNotItsOperationBroadcast)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	Package->FindAllAssets();
	BroadcastCount = 0;
	int32 Before = Refreshes(View);

	EXPECT_TRUE(Click(View, TEXT("Find Dependencies")).IsEventHandled());
	EXPECT_EQ(Package->MissingDependencies.Num(), 1);
	EXPECT_EQ(BroadcastCount, 1);
	// The broadcast's rebuild frees the builder the click's customization holds, so the click adds none of its own.
	EXPECT_EQ(Refreshes(View), Before + 1);
	EXPECT_TRUE(FindButton(View, TEXT("Copy Dependencies")).IsValid());

	// Nothing new to find: no broadcast, and the click's own refresh only.
	Before = Refreshes(View);
	EXPECT_TRUE(Click(View, TEXT("Find Dependencies")).IsEventHandled());
	EXPECT_EQ(BroadcastCount, 1);
	EXPECT_EQ(Refreshes(View), Before + 1);
}

TEST_F(FPanelCommandsTest, CopyDependenciesRunsOnceAndRefreshesOnce)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	FillPackage(View);
	const int32 Before = Refreshes(View);

	EXPECT_TRUE(Click(View, TEXT("Copy Dependencies")).IsEventHandled());

	EXPECT_EQ(CountPluginLines(TEXT("outside packages copied into")), 1);
	EXPECT_EQ(Refreshes(View), Before + 1);
	EXPECT_EQ(BroadcastCount, 0);
}

TEST_F(FPanelCommandsTest, DependencyCommandsRefreshAfterTheirOperationHasReturned)
{
	UseExposedCustomization();
	const TSharedRef<IDetailsView> View = OpenPanel();
	FillPackage(View);

	// The search reports the engine content it met each time it runs; the copy ends with its summary.
	TArray<int32> EngineReportsSeenByBuild;
	TArray<int32> CopyReportsSeenByBuild;
	BuildHook = [&]()
	{
		EngineReportsSeenByBuild.Add(CountPluginLines(TEXT("/Engine/BasicShapes/Cube")));
		CopyReportsSeenByBuild.Add(CountPluginLines(TEXT("outside packages copied into")));
	};

	Click(View, TEXT("Find Dependencies"));
	ASSERT_EQ(EngineReportsSeenByBuild.Num(), 1);
	EXPECT_EQ(EngineReportsSeenByBuild[0], 1);

	Click(View, TEXT("Copy Dependencies"));
	ASSERT_EQ(CopyReportsSeenByBuild.Num(), 2);
	EXPECT_EQ(CopyReportsSeenByBuild[1], 1);
}

TEST_F(FPanelCommandsTest, CookAssetsCommandWorksAlthoughNoButtonShowsIt)
{
	UseExposedCustomization();
	const TSharedRef<IDetailsView> View = OpenPanel();
	FillPackage(View);
	const int32 Before = Refreshes(View);

	EXPECT_FALSE(FindButton(View, CookAssetsTexts.Label).IsValid());
	const TSharedPtr<FExposedCustomization> Customization = Latest.Pin();
	ASSERT_TRUE(Customization.IsValid());

	EXPECT_TRUE(Customization->OnCookFilesClicked().IsEventHandled());

	EXPECT_EQ(CountPluginLines(TEXT("Cook Assets:")), 1);
	EXPECT_EQ(Refreshes(View), Before);
	EXPECT_EQ(HostTest::GetTextSourceString(Customization->OnGetCookFilesButtonText()), FString(CookAssetsTexts.Label));
	EXPECT_EQ(HostTest::GetTextSourceString(Customization->OnGetCookFilesButtonTooltipText()), FString(CookAssetsTexts.Tooltip));
}

// The buttons as shown

TEST_F(FPanelCommandsTest, EveryButtonIsEnabledForAnEmptyAndAFullPackage)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	TArray<FShownButton> Buttons = GetButtons(View);
	EXPECT_EQ(Buttons.Num(), 5);
	for (const FShownButton& Shown : Buttons)
	{
		EXPECT_EQ(Shown.Painted.Arguments.FindRef(TEXT("IsEnabled")), FString(TEXT("true"))) << TCHAR_TO_UTF8(*Shown.Painted.Arguments.FindRef(TEXT("Text")));
	}

	FillPackage(View);
	Buttons = GetButtons(View);
	EXPECT_EQ(Buttons.Num(), 6);
	for (const FShownButton& Shown : Buttons)
	{
		EXPECT_EQ(Shown.Painted.Arguments.FindRef(TEXT("IsEnabled")), FString(TEXT("true"))) << TCHAR_TO_UTF8(*Shown.Painted.Arguments.FindRef(TEXT("Text")));
	}
}

TEST_F(FPanelCommandsTest, LabelsAndTooltipsReadTheSameInEveryCultureAndForEveryPackage)
{
	const TArray<FCommandTexts> Expected = { FindAssetsTexts, RemoveAssetsTexts, FindDependenciesTexts, CopyDependenciesTexts, ApplyCookTexts, MakePakTexts };
	UJ5Package* Empty = NewPackageAsset(TEXT("/Game/Talvyn/Empty/PKG_Empty"), TEXT("PKG_Empty"));
	const TSharedRef<IDetailsView> FullView = OpenPanel();
	FillPackage(FullView);
	const TSharedRef<IDetailsView> EmptyView = OpenPanel({ Empty });

	for (const TCHAR* Culture : { TEXT("en"), TEXT("de"), TEXT("fr"), TEXT("en") })
	{
		ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(Culture)) << TCHAR_TO_UTF8(Culture);
		for (const TSharedRef<IDetailsView>& View : { FullView, EmptyView })
		{
			for (const FShownButton& Shown : GetButtons(View))
			{
				const FString Label = Shown.Painted.Arguments.FindRef(TEXT("Text"));
				const FCommandTexts* Match = Expected.FindByPredicate([&Label](const FCommandTexts& Texts) { return Label == Texts.Label; });
				ASSERT_NE(Match, nullptr) << "unexpected label " << TCHAR_TO_UTF8(*Label) << " in " << TCHAR_TO_UTF8(Culture);
				EXPECT_EQ(Shown.Painted.Arguments.FindRef(TEXT("ToolTipText")), FString(Match->Tooltip)) << TCHAR_TO_UTF8(Culture);
			}
		}
	}
}

TEST_F(FPanelCommandsTest, LabelsAndTooltipsAreNotLocalizable)
{
	UseExposedCustomization();
	OpenPanel();
	const TSharedPtr<FExposedCustomization> C = Latest.Pin();
	ASSERT_TRUE(C.IsValid());

	const TArray<FText> Texts = {
		C->OnGetFindAssetsButtonText(), C->OnGetFindAssetsButtonTooltipText(),
		C->OnGetRemoveAssetsButtonText(), C->OnGetRemoveAssetsButtonTooltipText(),
		C->OnGetApplyCookButtonText(), C->OnGetApplyCookButtonTooltipText(),
		C->OnGetMakePakButtonText(), C->OnGetMakePakButtonTooltipText(),
		C->OnGetCookFilesButtonText(), C->OnGetCookFilesButtonTooltipText(),
		C->OnGetGetDependenciesButtonText(), C->OnGetGetDependenciesButtonTooltipText(),
		C->OnGetCopyDependenciesButtonText(), C->OnGetCopyDependenciesButtonTooltipText(),
	};
	for (const FText& Text : Texts)
	{
		EXPECT_FALSE(HostTest::IsTextLocalizable(Text)) << TCHAR_TO_UTF8(*Text.ToString());
		EXPECT_TRUE(HostTest::IsTextFromString(Text)) << TCHAR_TO_UTF8(*Text.ToString());
		EXPECT_TRUE(HostTest::GetTextNamespace(Text).IsEmpty());
		EXPECT_TRUE(HostTest::GetTextKey(Text).IsEmpty());
	}
}

// Selection

TEST_F(FPanelCommandsTest, WithTwoPackagesSelectedTheCommandsActOnTheFirst)
{
	HostTest::AddAsset(FName(TEXT("/Game/Talvyn/Other/PKG_Other")), PackageClass);
	HostTest::AddAsset(FName(TEXT("/Game/Talvyn/Other/SM_Other")), StaticMeshClass);
	UJ5Package* Other = NewPackageAsset(TEXT("/Game/Talvyn/Other/PKG_Other"), TEXT("PKG_Other"));

	const TSharedRef<IDetailsView> PackageFirst = OpenPanel({ Package, Other });
	Click(PackageFirst, TEXT("Add All Assets"));
	EXPECT_EQ(Package->MainAssets.Num(), 2);
	EXPECT_EQ(Other->MainAssets.Num(), 0);

	const TSharedRef<IDetailsView> OtherFirst = OpenPanel({ Other, Package });
	Click(OtherFirst, TEXT("Remove All Assets"));
	EXPECT_EQ(Package->MainAssets.Num(), 2);
	Click(OtherFirst, TEXT("Add All Assets"));
	EXPECT_EQ(Other->MainAssets.Num(), 1);
	EXPECT_EQ(Package->MainAssets.Num(), 2);
}

// Following the package's changes

TEST_F(FPanelCommandsTest, BroadcastRefreshesEveryLivePanelOnceAndNoClosedOne)
{
	const TSharedRef<IDetailsView> First = OpenPanel();
	OpenPanel();
	const TSharedRef<IDetailsView> Third = OpenPanel();
	Views.RemoveAt(1);
	ASSERT_EQ(HostTest::GetLiveCustomizationCount(), 2);
	const int32 FirstBefore = Refreshes(First);
	const int32 ThirdBefore = Refreshes(Third);

	Package->OnPackageChanged.Broadcast();

	EXPECT_EQ(Refreshes(First), FirstBefore + 1);
	EXPECT_EQ(Refreshes(Third), ThirdBefore + 1);
	EXPECT_EQ(HostTest::GetLiveCustomizationCount(), 2);
}

TEST_F(FPanelCommandsTest, BroadcastWithNoPanelOpenDoesNothing)
{
	OpenPanel();
	OpenPanel();
	Views.Empty();
	ASSERT_EQ(HostTest::GetLiveCustomizationCount(), 0);

	Package->OnPackageChanged.Broadcast();

	EXPECT_EQ(BroadcastCount, 1);
	EXPECT_EQ(HostTest::GetLiveCustomizationCount(), 0);
}

TEST_F(FPanelCommandsTest, BroadcastWhileAPanelIsRebuildingNeitherLoopsNorTouchesTheOldPanel)
{
	UseExposedCustomization();
	const TSharedRef<IDetailsView> Rebuilding = OpenPanel();
	const TSharedRef<IDetailsView> Bystander = OpenPanel();
	const int32 RebuildingBefore = Refreshes(Rebuilding);
	const int32 BystanderBefore = Refreshes(Bystander);

	bool bArmed = true;
	BuildHook = [this, &bArmed]()
	{
		if (bArmed)
		{
			bArmed = false;
			Package->OnPackageChanged.Broadcast();
		}
	};
	Rebuilding->ForceRefresh();

	// The broadcast asks the rebuilding panel once more, which it does when the running build is done.
	EXPECT_EQ(Refreshes(Rebuilding), RebuildingBefore + 2);
	EXPECT_EQ(Refreshes(Bystander), BystanderBefore + 1);
	EXPECT_EQ(HostTest::GetLiveCustomizationCount(), 2);

	Package->OnPackageChanged.Broadcast();
	EXPECT_EQ(Refreshes(Rebuilding), RebuildingBefore + 3);
	EXPECT_EQ(Refreshes(Bystander), BystanderBefore + 2);
}

TEST_F(FPanelCommandsTest, AHundredRebuildsLeaveOneSubscriptionPerOpenPanel)
{
	Package->OnPackageChanged.Remove(BroadcastHandle);
	{
		const TSharedRef<IDetailsView> First = OpenPanel();
		const TSharedRef<IDetailsView> Second = OpenPanel();
		for (int32 Rebuild = 0; Rebuild < 100; ++Rebuild)
		{
			First->ForceRefresh();
			Second->ForceRefresh();
		}
		const int32 FirstBefore = Refreshes(First);
		const int32 SecondBefore = Refreshes(Second);

		Package->OnPackageChanged.Broadcast();
		EXPECT_EQ(Refreshes(First), FirstBefore + 1);
		EXPECT_EQ(Refreshes(Second), SecondBefore + 1);
	}

	// With the panels closed, not one subscription of all those builds is left on the package.
	Views.Empty();
	EXPECT_FALSE(Package->OnPackageChanged.IsBound());
}

// Lifetime

TEST_F(FPanelCommandsTest, ClickAfterItsPanelWasRebuiltOrClosedDoesNothing)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	const TSharedRef<SButton> StaleAdd = FindButton(View, TEXT("Add All Assets")).ToSharedRef();
	const TSharedRef<SButton> StaleFind = FindButton(View, TEXT("Find Dependencies")).ToSharedRef();
	View->ForceRefresh();
	const int32 Before = Refreshes(View);

	HostTest::ClickButton(StaleAdd);
	HostTest::ClickButton(StaleFind);
	EXPECT_EQ(Package->MainAssets.Num(), 0);
	EXPECT_EQ(BroadcastCount, 0);
	EXPECT_EQ(Refreshes(View), Before);

	Views.Empty();
	HostTest::ClickButton(StaleAdd);
	EXPECT_EQ(Package->MainAssets.Num(), 0);
	EXPECT_EQ(BroadcastCount, 0);
}

TEST_F(FPanelCommandsTest, ClickAfterThePackageWasDeletedDoesNothing)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	const TSharedRef<SButton> Remove = FindButton(View, TEXT("Remove All Assets")).ToSharedRef();
	const TSharedRef<SButton> Find = FindButton(View, TEXT("Find Dependencies")).ToSharedRef();
	HostTest::DestroyObject(Package);
	Package = nullptr;

	EXPECT_TRUE(HostTest::ClickButton(Remove).IsEventHandled());
	EXPECT_TRUE(HostTest::ClickButton(Find).IsEventHandled());
	HostTest::PaintDetailsView(View);
	EXPECT_EQ(HostTest::CountLogLines(LogTalvynSDKName), 0);
}

TEST_F(FPanelCommandsTest, CopyCarriesBothPointersAndNoSelfReference)
{
	UseExposedCustomization();
	const TSharedRef<IDetailsView> View = OpenPanel();
	const TSharedPtr<FExposedCustomization> Original = Latest.Pin();
	ASSERT_TRUE(Original.IsValid());
	ASSERT_NE(Original->DetailBuilder, nullptr);
	ASSERT_EQ(Original->Package, Package);

	{
		FExposedCustomization Copy(*Original);
		EXPECT_EQ(Copy.DetailBuilder, Original->DetailBuilder);
		EXPECT_EQ(Copy.Package, Package);
		EXPECT_FALSE(Copy.DoesSharedInstanceExist());

		FExposedCustomization Moved(MoveTemp(Copy));
		EXPECT_EQ(Moved.DetailBuilder, Original->DetailBuilder);
		EXPECT_EQ(Moved.Package, Package);
		EXPECT_FALSE(Moved.DoesSharedInstanceExist());

		const TSharedRef<FExposedCustomization> Assigned = MakeShared<FExposedCustomization>();
		*Assigned = *Original;
		EXPECT_EQ(Assigned->DetailBuilder, Original->DetailBuilder);
		EXPECT_EQ(Assigned->Package, Package);
		EXPECT_EQ(&Assigned->AsShared().Get(), static_cast<IDetailCustomization*>(&Assigned.Get()));

		const TSharedRef<FExposedCustomization> MoveAssigned = MakeShared<FExposedCustomization>();
		*MoveAssigned = MoveTemp(Moved);
		EXPECT_EQ(MoveAssigned->Package, Package);
		EXPECT_EQ(&MoveAssigned->AsShared().Get(), static_cast<IDetailCustomization*>(&MoveAssigned.Get()));
		EXPECT_TRUE(Original->DoesSharedInstanceExist());
	}

	// The copies are gone; the panel's own subscription still works.
	const int32 Before = Refreshes(View);
	Package->OnPackageChanged.Broadcast();
	EXPECT_EQ(Refreshes(View), Before + 1);
}

TEST_F(FPanelCommandsTest, HandlersWithoutAPackageReturnHandledAndDoNothing)
{
	const TSharedRef<FExposedCustomization> Lone = MakeShared<FExposedCustomization>();
	ASSERT_EQ(Lone->Package, nullptr);

	EXPECT_TRUE(Lone->OnFindAssetsClicked().IsEventHandled());
	EXPECT_TRUE(Lone->OnRemoveAssetsClicked().IsEventHandled());
	EXPECT_TRUE(Lone->OnApplyCookClicked().IsEventHandled());
	EXPECT_TRUE(Lone->OnMakePakClicked().IsEventHandled());
	EXPECT_TRUE(Lone->OnCookFilesClicked().IsEventHandled());
	EXPECT_TRUE(Lone->OnGetDependenciesClicked().IsEventHandled());
	EXPECT_TRUE(Lone->OnCopyDependenciesClicked().IsEventHandled());
	Lone->RefreshDetails();

	EXPECT_TRUE(Lone->IsButtonEnabled());
	EXPECT_EQ(HostTest::GetRecordedLogLines().Num(), 0);
	EXPECT_EQ(BroadcastCount, 0);
	EXPECT_EQ(HostTest::GetShownNotifications().Num(), 0);
}

// Undo

/**
 * Every change a command makes is one step of the editor's undo history, named as its button; undo and redo
 * give the package back each state exactly, and the open panel shows it.
 */
class FPanelUndoTest : public FPanelCommandsTest
{
protected:
	void SetUp() override
	{
		FPanelCommandsTest::SetUp();
		HostTest::ClearTransactionRecords();
	}

	void TearDown() override
	{
		HostTest::ClearTransactionRecords();
		FPanelCommandsTest::TearDown();
	}

	/** The collections in their order: an undo that gives back the same elements in another order is not exact. */
	FString Collections() const
	{
		FString Text = TEXT("Main:");
		for (const FSoftObjectPath& Path : Package->MainAssets)
		{
			Text += TEXT(" ") + Path.ToString();
		}
		Text += TEXT(" | Dependencies:");
		for (const FName& Dependency : Package->Dependencies)
		{
			Text += TEXT(" ") + Dependency.ToString();
		}
		Text += TEXT(" | Missing:");
		for (const TPair<FName, int32>& Entry : Package->MissingDependencies)
		{
			Text += FString::Printf(TEXT(" %s=%d"), *Entry.Key.ToString(), Entry.Value);
		}
		return Text;
	}

	/** What the panel shows, one line per painted row: texts and buttons of custom rows, groups, property values. */
	static FString Shown(const TSharedRef<IDetailsView>& View)
	{
		FString Text;
		for (const HostTest::FPaintedDetailCategory& Category : HostTest::PaintDetailsView(View).Categories)
		{
			Text += TEXT("[") + Category.DisplayName + TEXT("]\n");
			for (const HostTest::FPaintedDetailRow& Row : Category.Rows)
			{
				Text += FString::Printf(TEXT("%d %s %s"), Row.Depth, *Row.Label, *Row.Value);
				AppendTexts(Row.WholeRow, Text);
				Text += TEXT("\n");
			}
		}
		return Text;
	}

	static void AppendTexts(const HostTest::FWidgetSnapshot& Widget, FString& Text)
	{
		if (Widget.Type == TEXT("STextBlock") || Widget.Type == TEXT("SButton"))
		{
			Text += TEXT(" \"") + Widget.Arguments.FindRef(TEXT("Text")) + TEXT("\"");
		}
		for (const HostTest::FWidgetSnapshot& Child : Widget.Children)
		{
			AppendTexts(Child, Text);
		}
	}

	int32 StepCount() const
	{
		return HostTest::GetUndoHistory().Transactions.Num();
	}

	/**
	 * Runs the command and checks that it made one step named Name that holds the package, then that undo gives
	 * back the package and the panel from before and redo those from after, each with one rebuild of the panel.
	 */
	void ExpectOneUndoableStep(const TSharedRef<IDetailsView>& View, const TCHAR* Name, TFunctionRef<void()> Command)
	{
		const int32 StepsBefore = StepCount();
		const FString CollectionsBefore = Collections();
		const FString ShownBefore = Shown(View);

		Command();

		const HostTest::FUndoHistory History = HostTest::GetUndoHistory();
		ASSERT_EQ(History.Transactions.Num(), StepsBefore + 1) << TCHAR_TO_UTF8(Name);
		const HostTest::FTransactionRecord& Step = History.Transactions.Last();
		EXPECT_EQ(Step.Description, FString(Name));
		EXPECT_TRUE(Step.Objects.Contains(TWeakObjectPtr<UObject>(Package))) << TCHAR_TO_UTF8(Name);
		const FString CollectionsAfter = Collections();
		const FString ShownAfter = Shown(View);
		ASSERT_NE(CollectionsAfter, CollectionsBefore) << TCHAR_TO_UTF8(Name);

		int32 Before = Refreshes(View);
		ASSERT_TRUE(HostTest::UndoTransaction());
		EXPECT_EQ(Collections(), CollectionsBefore) << TCHAR_TO_UTF8(Name);
		EXPECT_EQ(Shown(View), ShownBefore) << TCHAR_TO_UTF8(Name);
		EXPECT_EQ(Refreshes(View), Before + 1) << TCHAR_TO_UTF8(Name);

		Before = Refreshes(View);
		ASSERT_TRUE(HostTest::RedoTransaction());
		EXPECT_EQ(Collections(), CollectionsAfter) << TCHAR_TO_UTF8(Name);
		EXPECT_EQ(Shown(View), ShownAfter) << TCHAR_TO_UTF8(Name);
		EXPECT_EQ(Refreshes(View), Before + 1) << TCHAR_TO_UTF8(Name);
	}

	/** Runs the command, which has nothing to change, and checks that it left no step and opened no transaction. */
	void ExpectNoStep(TFunctionRef<void()> Command, const TCHAR* Name)
	{
		const int32 StepsBefore = StepCount();
		const int32 TransactionsBefore = HostTest::GetTransactionRecords().Num();
		const FString CollectionsBefore = Collections();

		Command();

		EXPECT_EQ(Collections(), CollectionsBefore) << TCHAR_TO_UTF8(Name);
		EXPECT_EQ(StepCount(), StepsBefore) << TCHAR_TO_UTF8(Name);
		for (int32 Index = TransactionsBefore; Index < HostTest::GetTransactionRecords().Num(); ++Index)
		{
			EXPECT_FALSE(HostTest::GetTransactionRecords()[Index].bCommitted && HostTest::GetTransactionRecords()[Index].Objects.Num() > 0) << TCHAR_TO_UTF8(Name);
		}
	}

	/** Fills the package as the panel's buttons would, and starts the history afresh. */
	void FillAndForget(const TSharedRef<IDetailsView>& View)
	{
		FillPackage(View);
		HostTest::ClearTransactionRecords();
	}
};

TEST_F(FPanelUndoTest, AddAllAssetsIsOneStepThatUndoAndRedoFollow)
{
	const TSharedRef<IDetailsView> View = OpenPanel();

	ExpectOneUndoableStep(View, TEXT("Add All Assets"), [&]() { Click(View, TEXT("Add All Assets")); });
	ExpectNoStep([&]() { Click(View, TEXT("Add All Assets")); }, TEXT("Add All Assets again"));
}

TEST_F(FPanelUndoTest, RemoveAllAssetsIsOneStepThatGivesBackEveryCollection)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	FillAndForget(View);
	ASSERT_TRUE(FindButton(View, TEXT("Copy Dependencies")).IsValid());

	ExpectOneUndoableStep(View, TEXT("Remove All Assets"), [&]() { Click(View, TEXT("Remove All Assets")); });
	ExpectNoStep([&]() { Click(View, TEXT("Remove All Assets")); }, TEXT("Remove All Assets on an empty package"));

	// The warning, the copy button and the list of missing packages come back with the undo.
	ASSERT_TRUE(HostTest::UndoTransaction());
	EXPECT_TRUE(FindButton(View, TEXT("Copy Dependencies")).IsValid());
	EXPECT_TRUE(Shown(View).Contains(TEXT("1 referenced assets are outside of this package's directory.")));
}

TEST_F(FPanelUndoTest, FindDependenciesIsOneStepAndFindingTheSameAgainIsNone)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	Package->FindAllAssets();
	HostTest::ClearTransactionRecords();

	ExpectOneUndoableStep(View, TEXT("Find Dependencies"), [&]() { Click(View, TEXT("Find Dependencies")); });
	ExpectNoStep([&]() { Click(View, TEXT("Find Dependencies")); }, TEXT("Find Dependencies again"));
}

TEST_F(FPanelUndoTest, PickingAnAssetIsOneStepAndPickingItAgainIsNone)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	const TArray<TSharedRef<SObjectPropertyEntryBox>> Boxes = HostTest::FindEntryBoxes(View);
	ASSERT_EQ(Boxes.Num(), 1);
	const TArray<FAssetData> Offered = HostTest::GetPickerEntries(Boxes[0]);
	ASSERT_FALSE(Offered.IsEmpty());
	const FAssetData Picked = Offered[0];

	ExpectOneUndoableStep(View, TEXT("Add Asset"), [&]() { HostTest::PickAsset(HostTest::FindEntryBoxes(View)[0], Picked); });
	ExpectNoStep([&]() { HostTest::PickAsset(HostTest::FindEntryBoxes(View)[0], Picked); }, TEXT("Add Asset again"));
}

TEST_F(FPanelUndoTest, CopyDependenciesIsOneStepThatAlsoPutsBackWhereTheContentPoints)
{
	// The outside material, loaded as the editor holds it, so that it can be copied.
	HostTest::AddAsset(FName(TEXT("/Game/Shared/M_Stone")), MaterialClass);
	HostTest::LoadRegisteredAssets();
	const TSharedRef<IDetailsView> View = OpenPanel();
	FillAndForget(View);
	UObject* const Rock = StaticFindObject(nullptr, nullptr, TEXT("/Game/Talvyn/Pack/SM_Rock.SM_Rock"));
	UObject* const Stone = StaticFindObject(nullptr, nullptr, TEXT("/Game/Shared/M_Stone.M_Stone"));
	ASSERT_NE(Rock, nullptr);
	ASSERT_TRUE(HostTest::GetHardReferences(Rock).Contains(Stone));

	ExpectOneUndoableStep(View, TEXT("Copy Dependencies"), [&]() { Click(View, TEXT("Copy Dependencies")); });
	EXPECT_TRUE(Package->MissingDependencies.IsEmpty());
	EXPECT_FALSE(HostTest::GetHardReferences(Rock).Contains(Stone));

	ASSERT_TRUE(HostTest::UndoTransaction());
	EXPECT_TRUE(HostTest::GetHardReferences(Rock).Contains(Stone));
	EXPECT_TRUE(FindButton(View, TEXT("Copy Dependencies")).IsValid());
}

TEST_F(FPanelUndoTest, CopyDependenciesThatCopiesNothingLeavesNoStep)
{
	// The outside material is not an asset the registry knows: it is skipped, and nothing changes.
	const TSharedRef<IDetailsView> View = OpenPanel();
	FillAndForget(View);

	ExpectNoStep([&]() { Click(View, TEXT("Copy Dependencies")); }, TEXT("Copy Dependencies"));
}

TEST_F(FPanelUndoTest, ExportCommandsOpenNoTransaction)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	FillAndForget(View);

	Click(View, TEXT("Apply Cook Settings"));
	Click(View, TEXT("Make Pak File"));

	EXPECT_TRUE(HostTest::GetTransactionRecords().IsEmpty());
	EXPECT_EQ(StepCount(), 0);
}

TEST_F(FPanelUndoTest, UndoAfterThePanelWasClosedOrRebuiltTouchesNoOldPanel)
{
	const TSharedRef<IDetailsView> View = OpenPanel();
	OpenPanel();
	Click(View, TEXT("Add All Assets"));
	Click(View, TEXT("Find Dependencies"));
	Views.RemoveAt(1);
	View->ForceRefresh();
	ASSERT_EQ(HostTest::GetLiveCustomizationCount(), 1);
	const int32 Before = Refreshes(View);

	ASSERT_TRUE(HostTest::UndoTransaction());
	ASSERT_TRUE(HostTest::UndoTransaction());
	EXPECT_TRUE(Package->MainAssets.IsEmpty());
	EXPECT_EQ(Refreshes(View), Before + 2);
	EXPECT_EQ(HostTest::GetLiveCustomizationCount(), 1);

	Views.Empty();
	EXPECT_TRUE(HostTest::RedoTransaction());
	EXPECT_EQ(Package->MainAssets.Num(), 2);
}

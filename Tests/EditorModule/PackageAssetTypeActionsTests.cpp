#include "EditorModuleFixture.h"

#include "AssetTypeActivationOpenedMethod.h"
#include "HostTest/AssetToolsProbe.h"
#include "HostTest/CoreProbe.h"
#include "HostTest/PropertyEditorProbe.h"
#include "HostTest/UnrealEdProbe.h"
#include "IDetailsView.h"
#include "Internationalization/Internationalization.h"
#include "J5Package.h"
#include "Modules/ModuleManager.h"

namespace
{
	bool HasPackagePanelCategories(const HostTest::FDetailPanelLayout& Layout)
	{
		return Layout.bHasCustomization
			&& Layout.FindCategory(FName(TEXT("Add Assets"))) != nullptr
			&& Layout.FindCategory(FName(TEXT("Export"))) != nullptr
			&& Layout.FindCategory(FName(TEXT("Dependencies"))) != nullptr;
	}
}

// How the Content Browser names, colours and groups package assets.

TEST_F(FStartedEditorModuleTest, ActionsNamePackagesPackageInEveryCulture)
{
	TArray<FString> Cultures;
	FInternationalization::Get().GetCultureNames(Cultures);
	ASSERT_GT(Cultures.Num(), 1);

	for (const FString& Culture : Cultures)
	{
		ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(Culture)) << TCHAR_TO_UTF8(*Culture);
		const FText Name = Actions->GetName();
		EXPECT_EQ(Name.ToString(), FString(TEXT("Package"))) << TCHAR_TO_UTF8(*Culture);
		EXPECT_TRUE(Name.IsCultureInvariant()) << TCHAR_TO_UTF8(*Culture);
		EXPECT_FALSE(HostTest::IsTextLocalizable(Name)) << TCHAR_TO_UTF8(*Culture);
	}
}

TEST_F(FStartedEditorModuleTest, ActionsAddNoMenuEntriesThumbnailOrDescriptionOfTheirOwn)
{
	UJ5Package* const Package = EditorModuleTest::MakePackageAsset(TEXT("PKG_Plain"));
	const TArray<UObject*> Objects { Package };

	EXPECT_FALSE(Actions->HasActions(Objects));
	EXPECT_FALSE(Actions->ShouldCallGetActions());
	EXPECT_EQ(Actions->GetSubMenus().Num(), 0);
	EXPECT_EQ(Actions->GetThumbnailInfo(Package), nullptr);
	EXPECT_TRUE(Actions->GetAssetDescription(FAssetData(Package)).IsEmpty());
}

// Opening package assets from the Content Browser.

TEST_F(FPackagesInContentBrowserTest, OpeningTwoPackagesMakesOneStandaloneEditorWithBoth)
{
	EXPECT_TRUE(HostTest::OpenAssetsFromContentBrowser({ First, Second }));

	const TArray<HostTest::FAssetEditorRecord> Records = HostTest::GetAssetEditorRecords();
	ASSERT_EQ(Records.Num(), 1);
	EXPECT_EQ(Records[0].Mode, EToolkitMode::Standalone);
	EXPECT_FALSE(Records[0].ToolkitHost.IsValid());
	EXPECT_EQ(Records[0].Objects, (TArray<UObject*> { First, Second }));
	EXPECT_FALSE(Records[0].bDetailsObjectsOverridden);
	EXPECT_EQ(Records[0].DetailsObjects, (TArray<UObject*> { First, Second }));
}

TEST_F(FPackagesInContentBrowserTest, OpeningFromTheLevelEditorStaysStandaloneAndKeepsTheHost)
{
	const TSharedRef<IToolkitHost> LevelEditor = HostTest::MakeLevelEditorToolkitHost();

	EXPECT_TRUE(HostTest::OpenAssetsFromContentBrowser({ First, Second }, EAssetTypeActivationOpenedMethod::Edit, LevelEditor));

	const TArray<HostTest::FAssetEditorRecord> Records = HostTest::GetAssetEditorRecords();
	ASSERT_EQ(Records.Num(), 1);
	EXPECT_EQ(Records[0].Mode, EToolkitMode::Standalone);
	EXPECT_EQ(Records[0].ToolkitHost.Get(), &LevelEditor.Get());
	EXPECT_EQ(Records[0].Objects, (TArray<UObject*> { First, Second }));
}

TEST_F(FPackagesInContentBrowserTest, BothOpeningFormsOfTheActionsMakeTheSameSingleCall)
{
	const TSharedRef<IToolkitHost> LevelEditor = HostTest::MakeLevelEditorToolkitHost();

	Actions->OpenAssetEditor({ First, Second }, LevelEditor);
	Actions->OpenAssetEditor({ Second, First }, EAssetTypeActivationOpenedMethod::Edit, LevelEditor);

	const TArray<HostTest::FAssetEditorRecord> Records = HostTest::GetAssetEditorRecords();
	ASSERT_EQ(Records.Num(), 2);
	for (const HostTest::FAssetEditorRecord& Record : Records)
	{
		EXPECT_EQ(Record.Mode, EToolkitMode::Standalone);
		EXPECT_EQ(Record.ToolkitHost.Get(), &LevelEditor.Get());
		EXPECT_EQ(Record.Objects.Num(), 2);
	}
	EXPECT_EQ(Records[1].Objects, (TArray<UObject*> { Second, First }));
}

TEST_F(FPackagesInContentBrowserTest, ViewingIsNotSupportedAndOpensNothing)
{
	EXPECT_TRUE(Actions->SupportsOpenedMethod(EAssetTypeActivationOpenedMethod::Edit));
	EXPECT_FALSE(Actions->SupportsOpenedMethod(EAssetTypeActivationOpenedMethod::View));

	EXPECT_FALSE(HostTest::OpenAssetsFromContentBrowser({ First, Second }, EAssetTypeActivationOpenedMethod::View));
	Actions->OpenAssetEditor({ First }, EAssetTypeActivationOpenedMethod::View, HostTest::MakeLevelEditorToolkitHost());

	EXPECT_EQ(HostTest::GetAssetEditorRecords().Num(), 0);
	EXPECT_EQ(HostTest::GetNumOpenAssetEditors(), 0);
}

TEST_F(FPackagesInContentBrowserTest, OpenedEditorShowsThePackagesControlPanel)
{
	ASSERT_TRUE(HostTest::OpenAssetsFromContentBrowser({ First }));

	{
		// Scoped: a record holds the open editor's details view.
		const TArray<HostTest::FAssetEditorRecord> Records = HostTest::GetAssetEditorRecords();
		ASSERT_EQ(Records.Num(), 1);
		ASSERT_TRUE(Records[0].DetailsView.IsValid());
		EXPECT_TRUE(HasPackagePanelCategories(HostTest::GetLayout(Records[0].DetailsView.ToSharedRef())));
		EXPECT_EQ(HostTest::GetLiveCustomizationCount(), 1);
	}

	// Closing the editor's window lets go of the panel and its customization.
	HostTest::CloseAllAssetEditors();
	EXPECT_EQ(HostTest::GetLiveCustomizationCount(), 0);
}

// The package's details panel, as PropertyEditor builds it.

TEST_F(FPackagesInContentBrowserTest, DetailsViewOfAPackageIsBuiltByThePackageCustomization)
{
	const TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({ First });

	EXPECT_TRUE(HasPackagePanelCategories(HostTest::GetLayout(View)));
	EXPECT_EQ(HostTest::GetRefreshCount(View), 1);
	EXPECT_EQ(HostTest::GetLiveCustomizationCount(), 1);
}

TEST_F(FPackagesInContentBrowserTest, EachPanelGetsAFreshCustomization)
{
	const TSharedRef<IDetailsView> ForFirst = HostTest::OpenDetailsView({ First });
	const TSharedRef<IDetailsView> ForSecond = HostTest::OpenDetailsView({ Second });

	EXPECT_TRUE(HasPackagePanelCategories(HostTest::GetLayout(ForFirst)));
	EXPECT_TRUE(HasPackagePanelCategories(HostTest::GetLayout(ForSecond)));
	EXPECT_EQ(HostTest::GetLiveCustomizationCount(), 2);
}

TEST_F(FPackagesInContentBrowserTest, AfterShutdownAPackagesPanelIsNoLongerCustomized)
{
	ASSERT_TRUE(FModuleManager::Get().UnloadModule(EditorModuleTest::ModuleName));

	const TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({ First });

	EXPECT_FALSE(HostTest::GetLayout(View).bHasCustomization);
	EXPECT_EQ(HostTest::GetLayout(View).FindCategory(FName(TEXT("Add Assets"))), nullptr);
	EXPECT_EQ(HostTest::GetLiveCustomizationCount(), 0);
}

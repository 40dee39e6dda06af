#include <gtest/gtest.h>

#include <dlfcn.h>
#include <string>
#include <unistd.h>

#include "AssetToolsModule.h"
#include "AssetTypeActions_Base.h"
#include "Factories/Factory.h"
#include "HostTest/AssetToolsProbe.h"
#include "HostTest/UnrealEdProbe.h"
#include "IAssetTools.h"
#include "IDetailsView.h"
#include "Modules/ModuleManager.h"
#include "Toolkits/SimpleAssetEditor.h"
#include "UObject/Class.h"
#include "UObject/Package.h"

namespace
{
	/** The smallest asset type actions a module would write: the four required answers. */
	class FTestAssetTypeActions : public FAssetTypeActions_Base
	{
	public:
		FTestAssetTypeActions(UClass* InSupportedClass, const FString& InName, uint32 InCategories = EAssetTypeCategories::Misc)
			: SupportedClass(InSupportedClass)
			, Name(InName)
			, Categories(InCategories)
		{
		}

		virtual FText GetName() const override
		{
			return FText::FromString(Name);
		}

		virtual UClass* GetSupportedClass() const override
		{
			return SupportedClass;
		}

		virtual FColor GetTypeColor() const override
		{
			return FColor(1, 2, 3, 255);
		}

		virtual uint32 GetCategories() override
		{
			return Categories;
		}

	private:
		UClass* SupportedClass;
		FString Name;
		uint32 Categories;
	};

	/** A started AssetTools with nothing registered; every case leaves it unloaded and the editors closed. */
	class AssetToolsTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			HostTest::ResetAssetEditorRecords();
			AssetTools = &FModuleManager::LoadModuleChecked<FAssetToolsModule>(TEXT("AssetTools")).Get();
			HostTest::ResetAssetToolsCalls();
		}

		void TearDown() override
		{
			HostTest::ResetAssetEditorRecords();
			FModuleManager::Get().UnloadModule(TEXT("AssetTools"));
			HostTest::ResetAssetToolsCalls();
		}

		static TArray<UObject*> MakeAssets(const TCHAR* FirstName, const TCHAR* SecondName)
		{
			TArray<UObject*> Assets;
			Assets.Add(CreatePackage(FirstName));
			Assets.Add(CreatePackage(SecondName));
			return Assets;
		}

		IAssetTools* AssetTools = nullptr;
	};

	/**
	 * The new-asset menu, with the factories of the plugin's editor library compiled in: the linker leaves
	 * out libraries nothing refers to, so it is mapped here as the editor maps a plugin's library (and kept
	 * mapped, as libraries that register classes are).
	 */
	TArray<HostTest::FNewAssetMenuEntry> GetMenuWithPluginFactories()
	{
		static const bool bMapped = []
		{
			char ExecutablePath[4096] = {};
			const ssize_t Length = readlink("/proc/self/exe", ExecutablePath, sizeof(ExecutablePath) - 1);
			std::string Library = Length > 0 ? std::string(ExecutablePath, Length) : std::string();
			Library = Library.substr(0, Library.find_last_of('/') + 1) + "libUnrealEditor-TalvynSDKBaseEditor.so";
			return dlopen(Library.c_str(), RTLD_NOW | RTLD_GLOBAL) != nullptr;
		}();
		return HostTest::GetNewAssetMenu();
	}

	bool IsSingleBit(uint32 Value)
	{
		return Value != 0 && (Value & (Value - 1)) == 0;
	}
}

// Categories ---------------------------------------------------------------------------------------

TEST_F(AssetToolsTest, NewCategoryKeysGetDistinctBitsAboveTheEngineCategories)
{
	const uint32 First = AssetTools->RegisterAdvancedAssetCategory(FName(TEXT("HostFirst")), FText::FromString(TEXT("First")));
	const uint32 Second = AssetTools->RegisterAdvancedAssetCategory(FName(TEXT("HostSecond")), FText::FromString(TEXT("Second")));

	EXPECT_TRUE(IsSingleBit(First));
	EXPECT_TRUE(IsSingleBit(Second));
	EXPECT_NE(First, Second);
	EXPECT_GT(First, uint32(EAssetTypeCategories::Textures));
	EXPECT_GT(Second, uint32(EAssetTypeCategories::Textures));
	for (const HostTest::FRegisteredAssetCategory& Category : HostTest::GetRegisteredAssetCategories())
	{
		if (Category.bBuiltIn)
		{
			EXPECT_NE(uint32(Category.Bit), First);
			EXPECT_NE(uint32(Category.Bit), Second);
		}
	}
}

TEST_F(AssetToolsTest, SameCategoryKeyGetsSameBitAndKeepsItsFirstName)
{
	const uint32 First = AssetTools->RegisterAdvancedAssetCategory(FName(TEXT("HostSame")), FText::FromString(TEXT("Original")));
	const uint32 Again = AssetTools->RegisterAdvancedAssetCategory(FName(TEXT("hostsame")), FText::FromString(TEXT("Renamed")));

	EXPECT_EQ(First, Again);
	EXPECT_EQ(uint32(AssetTools->FindAdvancedAssetCategory(FName(TEXT("HostSame")))), First);

	int32 Entries = 0;
	for (const HostTest::FRegisteredAssetCategory& Category : HostTest::GetRegisteredAssetCategories())
	{
		if (Category.Key == FName(TEXT("HostSame")))
		{
			++Entries;
			EXPECT_EQ(Category.DisplayName.ToString(), FString(TEXT("Original")));
			EXPECT_EQ(uint32(Category.Bit), First);
		}
	}
	EXPECT_EQ(Entries, 1);
}

TEST_F(AssetToolsTest, RegisteredCategoriesAreListedInOrderAfterTheEngineOnes)
{
	AssetTools->RegisterAdvancedAssetCategory(FName(TEXT("HostB")), FText::FromString(TEXT("B")));
	AssetTools->RegisterAdvancedAssetCategory(FName(TEXT("HostA")), FText::FromString(TEXT("A")));

	TArray<FAdvancedAssetCategory> Listed;
	AssetTools->GetAllAdvancedAssetCategories(Listed);
	ASSERT_GE(Listed.Num(), 2);
	EXPECT_EQ(Listed[Listed.Num() - 2].CategoryName.ToString(), FString(TEXT("B")));
	EXPECT_EQ(Listed[Listed.Num() - 1].CategoryName.ToString(), FString(TEXT("A")));

	// The engine's Miscellaneous category is known without registration, so menus can name it.
	const TArray<FText> MiscNames = HostTest::GetAssetCategoryNames(EAssetTypeCategories::Misc);
	ASSERT_EQ(MiscNames.Num(), 1);
	EXPECT_EQ(MiscNames[0].ToString(), FString(TEXT("Miscellaneous")));
}

TEST_F(AssetToolsTest, UnknownCategoryKeyIsFoundAsMisc)
{
	EXPECT_EQ(AssetTools->FindAdvancedAssetCategory(FName(TEXT("HostNeverRegistered"))), EAssetTypeCategories::Misc);
}

TEST_F(AssetToolsTest, CategoriesBeyondTheLastFreeBitFallBackToMisc)
{
	TArray<uint32> Bits;
	for (int32 Index = 0; Index < 40; ++Index)
	{
		const FString Key = FString::Printf(TEXT("HostMany%d"), Index);
		Bits.Add(AssetTools->RegisterAdvancedAssetCategory(FName(*Key), FText::FromString(Key)));
	}

	// Every bit above the engine's own is handed out once, the top bit included; then Misc is returned.
	uint32 Allocated = 0;
	int32 NumAllocated = 0;
	for (const uint32 Bit : Bits)
	{
		if (Bit == uint32(EAssetTypeCategories::Misc))
		{
			continue;
		}
		EXPECT_TRUE(IsSingleBit(Bit));
		EXPECT_EQ(Allocated & Bit, 0u);
		Allocated |= Bit;
		++NumAllocated;
	}
	EXPECT_EQ(NumAllocated, 21);
	EXPECT_EQ(Allocated & 0x80000000u, 0x80000000u);
	EXPECT_EQ(Bits.Last(), uint32(EAssetTypeCategories::Misc));
	EXPECT_EQ(AssetTools->FindAdvancedAssetCategory(FName(TEXT("HostMany39"))), EAssetTypeCategories::Misc);
}

TEST_F(AssetToolsTest, RestartedAssetToolsForgetsRegistrations)
{
	AssetTools->RegisterAdvancedAssetCategory(FName(TEXT("HostForgotten")), FText::FromString(TEXT("Forgotten")));
	AssetTools->RegisterAssetTypeActions(MakeShared<FTestAssetTypeActions>(UPackage::StaticClass(), TEXT("Forgotten")));

	FModuleManager::Get().UnloadModule(TEXT("AssetTools"));
	EXPECT_EQ(HostTest::GetRegisteredAssetTypeActions().Num(), 0);
	AssetTools = &FModuleManager::LoadModuleChecked<FAssetToolsModule>(TEXT("AssetTools")).Get();

	EXPECT_EQ(HostTest::GetRegisteredAssetTypeActions().Num(), 0);
	EXPECT_EQ(AssetTools->FindAdvancedAssetCategory(FName(TEXT("HostForgotten"))), EAssetTypeCategories::Misc);
}

// Asset type actions -------------------------------------------------------------------------------

TEST_F(AssetToolsTest, RegisteredActionsAreListedInOrderAndKeptAlive)
{
	TSharedRef<IAssetTypeActions> First = MakeShared<FTestAssetTypeActions>(UPackage::StaticClass(), TEXT("First"));
	TSharedRef<IAssetTypeActions> Second = MakeShared<FTestAssetTypeActions>(UClass::StaticClass(), TEXT("Second"));
	const TWeakPtr<IAssetTypeActions> WeakFirst = First;
	AssetTools->RegisterAssetTypeActions(First);
	AssetTools->RegisterAssetTypeActions(Second);

	TArray<TWeakPtr<IAssetTypeActions>> Listed;
	AssetTools->GetAssetTypeActionsList(Listed);
	ASSERT_EQ(Listed.Num(), 2);
	EXPECT_EQ(Listed[0].Pin().Get(), &First.Get());
	EXPECT_EQ(Listed[1].Pin().Get(), &Second.Get());

	First = MakeShared<FTestAssetTypeActions>(UPackage::StaticClass(), TEXT("Unrelated"));
	EXPECT_TRUE(WeakFirst.IsValid());
}

TEST_F(AssetToolsTest, UnregisteredActionsAreDroppedAndOthersKept)
{
	TSharedPtr<IAssetTypeActions> Removed = MakeShared<FTestAssetTypeActions>(UPackage::StaticClass(), TEXT("Removed"));
	const TSharedRef<IAssetTypeActions> Kept = MakeShared<FTestAssetTypeActions>(UClass::StaticClass(), TEXT("Kept"));
	const TWeakPtr<IAssetTypeActions> WeakRemoved = Removed;
	AssetTools->RegisterAssetTypeActions(Removed.ToSharedRef());
	AssetTools->RegisterAssetTypeActions(Kept);

	AssetTools->UnregisterAssetTypeActions(Removed.ToSharedRef());
	// Unregistering what is not registered changes nothing.
	AssetTools->UnregisterAssetTypeActions(MakeShared<FTestAssetTypeActions>(UClass::StaticClass(), TEXT("Stranger")));
	Removed.Reset();

	EXPECT_FALSE(WeakRemoved.IsValid());
	const TArray<TSharedRef<IAssetTypeActions>> Registered = HostTest::GetRegisteredAssetTypeActions();
	ASSERT_EQ(Registered.Num(), 1);
	EXPECT_EQ(&Registered[0].Get(), &Kept.Get());
}

TEST_F(AssetToolsTest, ActionsForAClassAreThoseOfItsNearestDescribedAncestor)
{
	const TSharedRef<IAssetTypeActions> ForObjects = MakeShared<FTestAssetTypeActions>(UObject::StaticClass(), TEXT("Objects"));
	const TSharedRef<IAssetTypeActions> ForPackages = MakeShared<FTestAssetTypeActions>(UPackage::StaticClass(), TEXT("Packages"));
	AssetTools->RegisterAssetTypeActions(ForPackages);
	AssetTools->RegisterAssetTypeActions(ForObjects);

	EXPECT_EQ(AssetTools->GetAssetTypeActionsForClass(UPackage::StaticClass()).Pin().Get(), &ForPackages.Get());
	EXPECT_EQ(AssetTools->GetAssetTypeActionsForClass(UClass::StaticClass()).Pin().Get(), &ForObjects.Get());
	EXPECT_FALSE(AssetTools->GetAssetTypeActionsForClass(nullptr).IsValid());

	AssetTools->UnregisterAssetTypeActions(ForObjects);
	EXPECT_FALSE(AssetTools->GetAssetTypeActionsForClass(UClass::StaticClass()).IsValid());
}

TEST_F(AssetToolsTest, CallsAreRecordedInOrder)
{
	const TSharedRef<IAssetTypeActions> Actions = MakeShared<FTestAssetTypeActions>(UPackage::StaticClass(), TEXT("Recorded"));
	AssetTools->RegisterAdvancedAssetCategory(FName(TEXT("HostRecorded")), FText::FromString(TEXT("Recorded")));
	AssetTools->RegisterAssetTypeActions(Actions);
	AssetTools->UnregisterAssetTypeActions(Actions);

	const TArray<FName> Calls = HostTest::GetAssetToolsCalls();
	ASSERT_EQ(Calls.Num(), 3);
	EXPECT_EQ(Calls[0], FName(TEXT("RegisterAdvancedAssetCategory")));
	EXPECT_EQ(Calls[1], FName(TEXT("RegisterAssetTypeActions")));
	EXPECT_EQ(Calls[2], FName(TEXT("UnregisterAssetTypeActions")));

	// What the host's probes read is not a call.
	HostTest::GetRegisteredAssetTypeActions();
	HostTest::GetRegisteredAssetCategories();
	EXPECT_EQ(HostTest::GetAssetToolsCallCount(), 3);
}

// Opening assets through the base actions ----------------------------------------------------------

TEST_F(AssetToolsTest, EditingOpensOneStandaloneSimpleEditorWithAllObjects)
{
	FTestAssetTypeActions Actions(UPackage::StaticClass(), TEXT("Opened"));
	const TArray<UObject*> Assets = MakeAssets(TEXT("/Temp/HostOpenA"), TEXT("/Temp/HostOpenB"));

	Actions.OpenAssetEditor(Assets);

	const TArray<HostTest::FAssetEditorRecord> Records = HostTest::GetAssetEditorRecords();
	ASSERT_EQ(Records.Num(), 1);
	EXPECT_EQ(Records[0].Mode, EToolkitMode::Standalone);
	EXPECT_FALSE(Records[0].ToolkitHost.IsValid());
	EXPECT_EQ(Records[0].Objects, Assets);
	EXPECT_FALSE(Records[0].bDetailsObjectsOverridden);
	ASSERT_TRUE(Records[0].DetailsView.IsValid());
	const TArray<TWeakObjectPtr<UObject>>& Shown = Records[0].DetailsView->GetSelectedObjects();
	ASSERT_EQ(Shown.Num(), 2);
	EXPECT_EQ(Shown[0].Get(), Assets[0]);
	EXPECT_EQ(Shown[1].Get(), Assets[1]);
}

TEST_F(AssetToolsTest, LevelEditorHostIsPassedButEditorStaysStandalone)
{
	FTestAssetTypeActions Actions(UPackage::StaticClass(), TEXT("Hosted"));
	const TArray<UObject*> Assets = MakeAssets(TEXT("/Temp/HostHostedA"), TEXT("/Temp/HostHostedB"));
	const TSharedRef<IToolkitHost> LevelEditor = HostTest::MakeLevelEditorToolkitHost();

	Actions.OpenAssetEditor(Assets, EAssetTypeActivationOpenedMethod::Edit, LevelEditor);

	const TArray<HostTest::FAssetEditorRecord> Records = HostTest::GetAssetEditorRecords();
	ASSERT_EQ(Records.Num(), 1);
	EXPECT_EQ(Records[0].Mode, EToolkitMode::Standalone);
	EXPECT_EQ(Records[0].ToolkitHost.Get(), &LevelEditor.Get());
	EXPECT_EQ(Records[0].Objects, Assets);
	ASSERT_TRUE(Records[0].Editor.IsValid());
	EXPECT_FALSE(Records[0].Editor->IsWorldCentricAssetEditor());
}

TEST_F(AssetToolsTest, ViewingIsNotSupportedAndOpensNothing)
{
	FTestAssetTypeActions Actions(UPackage::StaticClass(), TEXT("Viewed"));
	const TArray<UObject*> Assets = MakeAssets(TEXT("/Temp/HostViewA"), TEXT("/Temp/HostViewB"));

	EXPECT_TRUE(Actions.SupportsOpenedMethod(EAssetTypeActivationOpenedMethod::Edit));
	EXPECT_FALSE(Actions.SupportsOpenedMethod(EAssetTypeActivationOpenedMethod::View));
	Actions.OpenAssetEditor(Assets, EAssetTypeActivationOpenedMethod::View, HostTest::MakeLevelEditorToolkitHost());

	EXPECT_EQ(HostTest::GetAssetEditorRecords().Num(), 0);
}

TEST_F(AssetToolsTest, DoubleClickInTheBrowserOpensThroughTheRegisteredActions)
{
	AssetTools->RegisterAssetTypeActions(MakeShared<FTestAssetTypeActions>(UPackage::StaticClass(), TEXT("Clicked")));
	const TArray<UObject*> Assets = MakeAssets(TEXT("/Temp/HostClickA"), TEXT("/Temp/HostClickB"));

	EXPECT_FALSE(HostTest::OpenAssetsFromContentBrowser(Assets, EAssetTypeActivationOpenedMethod::View));
	EXPECT_EQ(HostTest::GetAssetEditorRecords().Num(), 0);

	EXPECT_TRUE(HostTest::OpenAssetsFromContentBrowser(Assets));
	const TArray<HostTest::FAssetEditorRecord> Records = HostTest::GetAssetEditorRecords();
	ASSERT_EQ(Records.Num(), 1);
	EXPECT_EQ(Records[0].Mode, EToolkitMode::Standalone);
	EXPECT_EQ(Records[0].Objects, Assets);
}

TEST_F(AssetToolsTest, ClosingAnEditorReleasesItsDetailsPanel)
{
	FTestAssetTypeActions Actions(UPackage::StaticClass(), TEXT("Closed"));
	Actions.OpenAssetEditor(MakeAssets(TEXT("/Temp/HostCloseA"), TEXT("/Temp/HostCloseB")));
	TWeakPtr<IDetailsView> WeakView;
	TWeakPtr<FSimpleAssetEditor> WeakEditor;
	{
		const TArray<HostTest::FAssetEditorRecord> Records = HostTest::GetAssetEditorRecords();
		ASSERT_EQ(Records.Num(), 1);
		WeakView = Records[0].DetailsView;
		WeakEditor = Records[0].Editor;
	}
	EXPECT_EQ(HostTest::GetNumOpenAssetEditors(), 1);

	HostTest::CloseAllAssetEditors();

	EXPECT_EQ(HostTest::GetNumOpenAssetEditors(), 0);
	EXPECT_FALSE(WeakEditor.IsValid());
	EXPECT_FALSE(WeakView.IsValid());
	const TArray<HostTest::FAssetEditorRecord> Records = HostTest::GetAssetEditorRecords();
	ASSERT_EQ(Records.Num(), 1);
	EXPECT_FALSE(Records[0].DetailsView.IsValid());
}

TEST_F(AssetToolsTest, BaseActionsAddNothingOfTheirOwnToTheBrowser)
{
	FTestAssetTypeActions Actions(UPackage::StaticClass(), TEXT("Plain"));
	const TArray<UObject*> Assets = MakeAssets(TEXT("/Temp/HostPlainA"), TEXT("/Temp/HostPlainB"));
	const FAssetData AssetData(Assets[0]);

	EXPECT_FALSE(Actions.HasActions(Assets));
	EXPECT_FALSE(Actions.AssetsActivatedOverride(Assets, EAssetTypeActivationMethod::DoubleClicked));
	EXPECT_EQ(Actions.GetThumbnailInfo(Assets[0]), nullptr);
	EXPECT_FALSE(Actions.GetThumbnailOverlay(AssetData).IsValid());
	EXPECT_TRUE(Actions.GetAssetDescription(AssetData).IsEmpty());
	EXPECT_EQ(Actions.GetSubMenus().Num(), 0);
	EXPECT_EQ(HostTest::GetAssetEditorRecords().Num(), 0);
}

// New-asset menu -----------------------------------------------------------------------------------

TEST_F(AssetToolsTest, NewAssetMenuOffersOnlyFactoriesThatCreateNew)
{
	for (const HostTest::FNewAssetMenuEntry& Entry : GetMenuWithPluginFactories())
	{
		ASSERT_NE(Entry.Factory, nullptr);
		EXPECT_NE(Entry.FactoryClass, UFactory::StaticClass());
		EXPECT_FALSE(Entry.FactoryClass->HasAnyClassFlags(CLASS_Abstract));
		EXPECT_TRUE(Entry.FactoryClass->IsChildOf(UFactory::StaticClass()));
		EXPECT_TRUE(Entry.Factory->ShouldShowInNewMenu());
		EXPECT_NE(Entry.SupportedClass, nullptr);
	}
}

TEST_F(AssetToolsTest, NewAssetMenuNamesEntriesAfterTheSupportedClassActions)
{
	const TArray<HostTest::FNewAssetMenuEntry> Before = GetMenuWithPluginFactories();
	if (Before.Num() == 0)
	{
		GTEST_SKIP() << "no factory that creates new assets is compiled in";
	}
	UClass* const Supported = Before[0].SupportedClass;

	// Without actions for its class the entry is listed under Miscellaneous.
	ASSERT_EQ(Before[0].CategoryNames.Num(), 1);
	EXPECT_EQ(Before[0].CategoryNames[0].ToString(), FString(TEXT("Miscellaneous")));

	const uint32 Bit = AssetTools->RegisterAdvancedAssetCategory(FName(TEXT("HostMenu")), FText::FromString(TEXT("Host Menu")));
	AssetTools->RegisterAssetTypeActions(MakeShared<FTestAssetTypeActions>(Supported, TEXT("Host Thing"), Bit));

	const TArray<HostTest::FNewAssetMenuEntry> After = HostTest::GetNewAssetMenu();
	const HostTest::FNewAssetMenuEntry* Entry = HostTest::FindNewAssetMenuEntry(After, TEXT("Host Menu"), TEXT("Host Thing"));
	ASSERT_NE(Entry, nullptr);
	EXPECT_EQ(Entry->SupportedClass, Supported);
	EXPECT_EQ(Entry->Categories, Bit);
}

TEST_F(AssetToolsTest, CreatingFromTheMenuPutsTheAssetInTheFolder)
{
	const TArray<HostTest::FNewAssetMenuEntry> Menu = GetMenuWithPluginFactories();
	if (Menu.Num() == 0)
	{
		GTEST_SKIP() << "no factory that creates new assets is compiled in";
	}

	UObject* const Created = HostTest::CreateAssetFromMenu(Menu[0], TEXT("/Game/HostMenuFolder"), TEXT("HostMenuAsset"));

	ASSERT_NE(Created, nullptr);
	EXPECT_TRUE(Created->IsA(Menu[0].SupportedClass));
	EXPECT_EQ(Created->GetName(), FString(TEXT("HostMenuAsset")));
	EXPECT_EQ(Created->GetPackage()->GetName(), FString(TEXT("/Game/HostMenuFolder/HostMenuAsset")));
	EXPECT_TRUE(Created->HasAnyFlags(RF_Public));
	EXPECT_TRUE(Created->HasAnyFlags(RF_Standalone));
	EXPECT_TRUE(Created->HasAnyFlags(RF_Transactional));
	const TArray<FName> Calls = HostTest::GetAssetToolsCalls();
	EXPECT_TRUE(Calls.Contains(FName(TEXT("CreateAsset"))));

	// A second asset of the same name in the same folder is refused.
	EXPECT_EQ(HostTest::CreateAssetFromMenu(Menu[0], TEXT("/Game/HostMenuFolder"), TEXT("HostMenuAsset")), nullptr);
}

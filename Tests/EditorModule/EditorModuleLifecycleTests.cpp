#include "EditorModuleFixture.h"

#include "AssetToolsModule.h"
#include "AssetTypeActions_J5Package.h"
#include "HostTest/AssetToolsProbe.h"
#include "HostTest/CoreProbe.h"
#include "HostTest/PropertyEditorProbe.h"
#include "IAssetTools.h"
#include "J5Package.h"
#include "Modules/ModuleManager.h"

#include <memory>

namespace
{
	const FName AssetToolsName(TEXT("AssetTools"));
	const FName PropertyEditorName(TEXT("PropertyEditor"));

	const HostTest::FRegisteredAssetCategory* FindCategory(const TArray<HostTest::FRegisteredAssetCategory>& Categories, FName Key)
	{
		return Categories.FindByPredicate([Key](const HostTest::FRegisteredAssetCategory& Category) { return Category.Key == Key; });
	}

	TArray<FName> CallNames(std::initializer_list<const TCHAR*> Names)
	{
		TArray<FName> Result;
		for (const TCHAR* Name : Names)
		{
			Result.Add(FName(Name));
		}
		return Result;
	}

	/**
	 * Plays the module manager's part one step at a time: the creator registered under the module's name makes
	 * the object, and the test decides when it starts, shuts down and is destroyed.
	 */
	class FSteppedEditorModuleTest : public FEditorModuleTest
	{
	protected:
		virtual void SetUp() override
		{
			FEditorModuleTest::SetUp();
			FInitializeModuleFunctionPtr Create = FModuleInitializerEntry::FindModule(TEXT("TalvynSDKBaseEditor"));
			ASSERT_NE(Create, nullptr);
			Object.reset(Create());
			ASSERT_NE(Object, nullptr);
			Module = dynamic_cast<FTalvynSDKBaseEditorModule*>(Object.get());
			ASSERT_NE(Module, nullptr);
		}

		virtual void TearDown() override
		{
			Object.reset();
			FEditorModuleTest::TearDown();
		}

		std::unique_ptr<IModuleInterface> Object;
		FTalvynSDKBaseEditorModule* Module = nullptr;
	};
}

// Starting the module, as the editor does when it loads the plugin.

TEST_F(FEditorModuleTest, StartupRegistersTheCategoryBeforeTheActionsAndCallsAssetToolsNoFurther)
{
	StartModule();

	EXPECT_EQ(HostTest::GetAssetToolsCalls(), CallNames({ TEXT("RegisterAdvancedAssetCategory"), TEXT("RegisterAssetTypeActions") }));
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(AssetToolsName));
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(PropertyEditorName));
	EXPECT_TRUE(EditorModuleTest::IsPackageLayoutRegistered());
}

TEST_F(FEditorModuleTest, StartupListsOnePackageActionsObjectHeldByTheModule)
{
	FTalvynSDKBaseEditorModule& Module = StartModule();

	const TSharedPtr<IAssetTypeActions> Actions = EditorModuleTest::FindRegisteredPackageActions();
	ASSERT_TRUE(Actions.IsValid());
	ASSERT_TRUE(Module.PackageAssetTypeActions.IsValid());
	EXPECT_EQ(static_cast<IAssetTypeActions*>(Module.PackageAssetTypeActions.Get()), Actions.Get());
	EXPECT_EQ(EditorModuleTest::CountRegistrations(Actions.Get()), 1);
}

TEST_F(FEditorModuleTest, CategoryNameIsTheLocalizableTextTalvyn)
{
	StartModule();

	const TArray<HostTest::FRegisteredAssetCategory> Categories = HostTest::GetRegisteredAssetCategories();
	const HostTest::FRegisteredAssetCategory* Talvyn = FindCategory(Categories, FName(TEXT("Talvyn")));
	ASSERT_NE(Talvyn, nullptr);
	EXPECT_FALSE(Talvyn->bBuiltIn);
	EXPECT_TRUE(HostTest::IsTextLocalizable(Talvyn->DisplayName));
	EXPECT_EQ(HostTest::GetTextNamespace(Talvyn->DisplayName), FString(TEXT("FTalvynSDKBaseEditorModule")));
	EXPECT_EQ(HostTest::GetTextKey(Talvyn->DisplayName), FString(TEXT("QVRAssetCategory")));
	EXPECT_EQ(HostTest::GetTextSourceString(Talvyn->DisplayName), FString(TEXT("Talvyn")));
	EXPECT_EQ(Talvyn->DisplayName.ToString(), FString(TEXT("Talvyn")));
}

TEST_F(FEditorModuleTest, ActionsReportTheBitAssetToolsAllocatedAfterOtherPluginsCategories)
{
	// Other plugins got there first, so "Talvyn" is not handed the first free bit.
	IAssetTools& AssetTools = FModuleManager::LoadModuleChecked<FAssetToolsModule>(AssetToolsName).Get();
	const uint32 Earlier = AssetTools.RegisterAdvancedAssetCategory(FName(TEXT("OtherPlugin")), FText::FromString(TEXT("Other")));
	AssetTools.RegisterAdvancedAssetCategory(FName(TEXT("ThirdPlugin")), FText::FromString(TEXT("Third")));

	StartModule();

	const TArray<HostTest::FRegisteredAssetCategory> Categories = HostTest::GetRegisteredAssetCategories();
	const HostTest::FRegisteredAssetCategory* Talvyn = FindCategory(Categories, FName(TEXT("Talvyn")));
	ASSERT_NE(Talvyn, nullptr);
	ASSERT_NE(uint32(Talvyn->Bit), 0u);
	EXPECT_NE(uint32(Talvyn->Bit), Earlier);
	EXPECT_EQ(FTalvynSDKBaseEditorModule::GetQVRAssetCategory(), uint32(Talvyn->Bit));
	const TSharedPtr<IAssetTypeActions> Actions = EditorModuleTest::FindRegisteredPackageActions();
	ASSERT_TRUE(Actions.IsValid());
	EXPECT_EQ(Actions->GetCategories(), uint32(Talvyn->Bit));

	const TArray<FText> Names = HostTest::GetAssetCategoryNames(Actions->GetCategories());
	ASSERT_EQ(Names.Num(), 1);
	EXPECT_EQ(Names[0].ToString(), FString(TEXT("Talvyn")));
}

TEST_F(FEditorModuleTest, ActionsReportTheBitAssetToolsAlreadyHeldForTalvyn)
{
	// Registering an existing key hands back its bit; the module takes it as it comes.
	IAssetTools& AssetTools = FModuleManager::LoadModuleChecked<FAssetToolsModule>(AssetToolsName).Get();
	AssetTools.RegisterAdvancedAssetCategory(FName(TEXT("OtherPlugin")), FText::FromString(TEXT("Other")));
	const uint32 Held = AssetTools.RegisterAdvancedAssetCategory(FName(TEXT("Talvyn")), FText::FromString(TEXT("Talvyn")));

	StartModule();

	EXPECT_EQ(FTalvynSDKBaseEditorModule::GetQVRAssetCategory(), Held);
	const TSharedPtr<IAssetTypeActions> Actions = EditorModuleTest::FindRegisteredPackageActions();
	ASSERT_TRUE(Actions.IsValid());
	EXPECT_EQ(Actions->GetCategories(), Held);
}

// Shutting the module down, as the editor does when it unloads the plugin or exits.

TEST_F(FStartedEditorModuleTest, ShutdownWithdrawsTheActionsAndTheClassLayout)
{
	ASSERT_TRUE(FModuleManager::Get().UnloadModule(EditorModuleTest::ModuleName));

	EXPECT_EQ(HostTest::GetAssetToolsCalls(), CallNames({ TEXT("UnregisterAssetTypeActions") }));
	EXPECT_FALSE(EditorModuleTest::FindRegisteredPackageActions().IsValid());
	EXPECT_FALSE(EditorModuleTest::IsPackageLayoutRegistered());
	// The other modules stay: the editor unloads them on its own schedule.
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(AssetToolsName));
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(PropertyEditorName));
}

TEST_F(FStartedEditorModuleTest, ActionsStillReportTheBitAfterShutdown)
{
	const uint32 Bit = FTalvynSDKBaseEditorModule::GetQVRAssetCategory();
	ASSERT_EQ(Actions->GetCategories(), Bit);

	ASSERT_TRUE(FModuleManager::Get().UnloadModule(EditorModuleTest::ModuleName));

	EXPECT_EQ(FTalvynSDKBaseEditorModule::GetQVRAssetCategory(), Bit);
	EXPECT_EQ(Actions->GetCategories(), Bit);
}

TEST_F(FStartedEditorModuleTest, ShutdownAfterAssetToolsWasUnloadedMakesNoAssetToolsCallAndCompletes)
{
	ASSERT_TRUE(FModuleManager::Get().UnloadModule(AssetToolsName));
	HostTest::ResetAssetToolsCalls();

	EXPECT_TRUE(FModuleManager::Get().UnloadModule(EditorModuleTest::ModuleName));

	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(EditorModuleTest::ModuleName));
	EXPECT_EQ(HostTest::GetAssetToolsCallCount(), 0);
	// Shut-down must not bring AssetTools back just to talk to it.
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(AssetToolsName));
	EXPECT_FALSE(EditorModuleTest::IsPackageLayoutRegistered());
}

TEST_F(FStartedEditorModuleTest, ShutdownAfterPropertyEditorWasUnloadedStillWithdrawsTheActions)
{
	ASSERT_TRUE(FModuleManager::Get().UnloadModule(PropertyEditorName));

	EXPECT_TRUE(FModuleManager::Get().UnloadModule(EditorModuleTest::ModuleName));

	EXPECT_FALSE(EditorModuleTest::FindRegisteredPackageActions().IsValid());
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(PropertyEditorName));
}

TEST_F(FStartedEditorModuleTest, ModuleCanStartAgainAfterItWasUnloaded)
{
	ASSERT_TRUE(FModuleManager::Get().UnloadModule(EditorModuleTest::ModuleName));

	FTalvynSDKBaseEditorModule& Restarted = StartModule();

	const TSharedPtr<IAssetTypeActions> Again = EditorModuleTest::FindRegisteredPackageActions();
	ASSERT_TRUE(Again.IsValid());
	EXPECT_EQ(static_cast<IAssetTypeActions*>(Restarted.PackageAssetTypeActions.Get()), Again.Get());
	EXPECT_EQ(HostTest::GetRegisteredAssetTypeActions().Num(), 1);
	EXPECT_EQ(Again->GetCategories(), FTalvynSDKBaseEditorModule::GetQVRAssetCategory());
	EXPECT_TRUE(EditorModuleTest::IsPackageLayoutRegistered());
}

// The module object's own life, step by step.

TEST_F(FSteppedEditorModuleTest, ConstructedModuleHoldsNoActionsAndRegistersNothing)
{
	EXPECT_FALSE(Module->PackageAssetTypeActions.IsValid());
	EXPECT_EQ(HostTest::GetAssetToolsCallCount(), 0);
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(AssetToolsName));
	EXPECT_EQ(FTalvynSDKBaseEditorModule::TalvynColour(), FColor(6, 30, 50, 255));
}

TEST_F(FSteppedEditorModuleTest, AfterShutdownOnlyTheModuleHoldsTheActionsUntilItIsDestroyed)
{
	Module->StartupModule();
	const TWeakPtr<FAssetTypeActions_J5Package> Weak = Module->PackageAssetTypeActions;
	ASSERT_TRUE(Weak.IsValid());
	HostTest::ResetAssetToolsCalls();

	Module->ShutdownModule();

	EXPECT_EQ(HostTest::GetAssetToolsCalls(), CallNames({ TEXT("UnregisterAssetTypeActions") }));
	EXPECT_EQ(EditorModuleTest::CountRegistrations(Weak.Pin().Get()), 0);
	EXPECT_FALSE(EditorModuleTest::IsPackageLayoutRegistered());
	EXPECT_FALSE(EditorModuleTest::FindRegisteredPackageActions().IsValid());
	EXPECT_TRUE(Weak.IsValid());
	EXPECT_EQ(Module->PackageAssetTypeActions, Weak.Pin());

	Object.reset();
	EXPECT_FALSE(Weak.IsValid());
}

TEST_F(FSteppedEditorModuleTest, DestroyingTheModuleLeavesActionsAliveWhileAssetToolsStillHoldsThem)
{
	// AssetTools keeps its own reference while the actions are registered.
	Module->StartupModule();
	const TWeakPtr<FAssetTypeActions_J5Package> Weak = Module->PackageAssetTypeActions;

	Object.reset();

	EXPECT_TRUE(Weak.IsValid());
	EXPECT_TRUE(EditorModuleTest::FindRegisteredPackageActions().IsValid());
	FModuleManager::Get().UnloadModule(AssetToolsName);
	EXPECT_FALSE(Weak.IsValid());
}

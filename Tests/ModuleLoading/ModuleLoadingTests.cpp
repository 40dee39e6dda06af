#include "CoreMinimal.h"
#include "HostTest/AssetToolsProbe.h"
#include "HostTest/CoreProbe.h"
#include "HostTest/ModuleProbe.h"
#include "HostTest/PropertyEditorProbe.h"
#include "IAssetTypeActions.h"
#include "Modules/ModuleManager.h"
#include "UObject/Class.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

namespace
{
	const FName EditorModuleName(TEXT("TalvynSDKBaseEditor"));

	// The module class's exported statics, reached by symbol because this program does not link the plugin.
	const char* const GetCategorySymbol = "_ZN26FTalvynSDKBaseEditorModule19GetQVRAssetCategoryEv";
	const char* const ColourSymbol = "_ZN26FTalvynSDKBaseEditorModule12TalvynColourEv";
	typedef uint32 (*FGetCategoryFunction)();
	typedef FColor (*FColourFunction)();

	int32 CountActionsNamed(const FString& Name)
	{
		int32 Count = 0;
		for (const TSharedRef<IAssetTypeActions>& Actions : HostTest::GetRegisteredAssetTypeActions())
		{
			Count += Actions->GetName().ToString() == Name ? 1 : 0;
		}
		return Count;
	}

	bool IsLayoutRegistered()
	{
		return HostTest::GetRegisteredClassLayouts().Contains(FName(TEXT("J5Package")));
	}

	const HostTest::FRegisteredAssetCategory* FindTalvynCategory(const TArray<HostTest::FRegisteredAssetCategory>& Categories)
	{
		return Categories.FindByPredicate([](const HostTest::FRegisteredAssetCategory& Category) { return Category.Key == FName(TEXT("Talvyn")); });
	}

	/** A fresh editor process as far as the plugin goes: its library is not mapped and no module is loaded. */
	class FModuleLoadingTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			HostTest::SetLogEcho(false);
			HostTest::UnloadAllModules();
			HostTest::ResetAssetToolsCalls();
			ASSERT_FALSE(HostTest::IsModuleLibraryMapped(EditorModuleName));
			ASSERT_FALSE(HostTest::IsModuleRegistered(EditorModuleName));
		}

		virtual void TearDown() override
		{
			HostTest::UnloadAllModules();
			if (OwnHandle)
			{
				dlclose(OwnHandle);
				OwnHandle = nullptr;
			}
			HostTest::ResetAssetToolsCalls();
			EXPECT_FALSE(HostTest::IsModuleLibraryMapped(EditorModuleName));
			HostTest::SetLogEcho(true);
		}

		/** Maps the library without starting the module, as the loader does before the module manager steps in. */
		void MapLibraryOurselves()
		{
			OwnHandle = dlopen(HOST_EDITOR_MODULE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
			ASSERT_NE(OwnHandle, nullptr) << dlerror();
		}

		template<typename FunctionType>
		FunctionType FindFunction(const char* Symbol)
		{
			return reinterpret_cast<FunctionType>(dlsym(OwnHandle, Symbol));
		}

		void* OwnHandle = nullptr;
	};
}

// The editor loading the plugin's editor module.

TEST_F(FModuleLoadingTest, LoadingMapsTheLibraryRegistersItsNameAndStartsTheModule)
{
	const int32 LoadsBefore = HostTest::GetModuleLoadCount(EditorModuleName);

	IModuleInterface* Module = FModuleManager::Get().LoadModule(EditorModuleName);

	ASSERT_NE(Module, nullptr);
	EXPECT_TRUE(HostTest::IsModuleLibraryMapped(EditorModuleName));
	EXPECT_TRUE(HostTest::IsModuleRegistered(EditorModuleName));
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(EditorModuleName));
	EXPECT_EQ(HostTest::GetModuleLoadCount(EditorModuleName), LoadsBefore + 1);
	// Start-up reached AssetTools and PropertyEditor through the module manager alone.
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(TEXT("AssetTools")));
	EXPECT_TRUE(FModuleManager::Get().IsModuleLoaded(TEXT("PropertyEditor")));
	EXPECT_EQ(CountActionsNamed(TEXT("Package")), 1);
	EXPECT_NE(FindTalvynCategory(HostTest::GetRegisteredAssetCategories()), nullptr);
	EXPECT_TRUE(IsLayoutRegistered());
}

TEST_F(FModuleLoadingTest, UnloadingTheLibraryRemovesTheModulesRegistration)
{
	ASSERT_NE(FModuleManager::Get().LoadModule(EditorModuleName), nullptr);
	const int32 UnloadsBefore = HostTest::GetModuleUnloadCount(EditorModuleName);

	EXPECT_TRUE(FModuleManager::Get().UnloadModule(EditorModuleName));

	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(EditorModuleName));
	EXPECT_FALSE(HostTest::IsModuleRegistered(EditorModuleName));
	EXPECT_FALSE(HostTest::IsModuleLibraryMapped(EditorModuleName));
	EXPECT_EQ(FModuleInitializerEntry::FindModule(TEXT("TalvynSDKBaseEditor")), nullptr);
	EXPECT_EQ(HostTest::GetModuleUnloadCount(EditorModuleName), UnloadsBefore + 1);
	// Nothing registered is left pointing into the unmapped code.
	EXPECT_EQ(CountActionsNamed(TEXT("Package")), 0);
	EXPECT_FALSE(IsLayoutRegistered());
}

TEST_F(FModuleLoadingTest, CategoryOutlivesTheUnloadedLibraryAndStillReadsTalvyn)
{
	ASSERT_NE(FModuleManager::Get().LoadModule(EditorModuleName), nullptr);
	ASSERT_TRUE(FModuleManager::Get().UnloadModule(EditorModuleName));
	ASSERT_FALSE(HostTest::IsModuleLibraryMapped(EditorModuleName));

	// AssetTools keeps categories for its whole life; their names must not live in the library's memory.
	const TArray<HostTest::FRegisteredAssetCategory> Categories = HostTest::GetRegisteredAssetCategories();
	const HostTest::FRegisteredAssetCategory* Talvyn = FindTalvynCategory(Categories);
	ASSERT_NE(Talvyn, nullptr);
	EXPECT_EQ(Talvyn->DisplayName.ToString(), FString(TEXT("Talvyn")));
	EXPECT_EQ(HostTest::GetTextNamespace(Talvyn->DisplayName), FString(TEXT("FTalvynSDKBaseEditorModule")));
	EXPECT_EQ(HostTest::GetTextKey(Talvyn->DisplayName), FString(TEXT("QVRAssetCategory")));
}

TEST_F(FModuleLoadingTest, LoadingAgainAfterAnUnloadStartsTheModuleAfresh)
{
	ASSERT_NE(FModuleManager::Get().LoadModule(EditorModuleName), nullptr);
	ASSERT_TRUE(FModuleManager::Get().UnloadModule(EditorModuleName));

	ASSERT_NE(FModuleManager::Get().LoadModule(EditorModuleName), nullptr);

	EXPECT_TRUE(HostTest::IsModuleLibraryMapped(EditorModuleName));
	EXPECT_EQ(CountActionsNamed(TEXT("Package")), 1);
	EXPECT_TRUE(IsLayoutRegistered());
	const TArray<TSharedRef<IAssetTypeActions>> Registered = HostTest::GetRegisteredAssetTypeActions();
	ASSERT_EQ(Registered.Num(), 1);
	const TArray<HostTest::FRegisteredAssetCategory> Categories = HostTest::GetRegisteredAssetCategories();
	const HostTest::FRegisteredAssetCategory* Talvyn = FindTalvynCategory(Categories);
	ASSERT_NE(Talvyn, nullptr);
	EXPECT_EQ(Registered[0]->GetCategories(), uint32(Talvyn->Bit));
	ASSERT_NE(Registered[0]->GetSupportedClass(), nullptr);
	EXPECT_EQ(Registered[0]->GetSupportedClass()->GetName(), FString(TEXT("J5Package")));
}

// The module's statics as seen before and after the module manager starts it.

TEST_F(FModuleLoadingTest, CategoryIsZeroBeforeStartupWhileTheColourIsAlreadySet)
{
	MapLibraryOurselves();
	const FGetCategoryFunction GetCategory = FindFunction<FGetCategoryFunction>(GetCategorySymbol);
	const FColourFunction GetColour = FindFunction<FColourFunction>(ColourSymbol);
	ASSERT_NE(GetCategory, nullptr) << "the module class's statics must be exported";
	ASSERT_NE(GetColour, nullptr) << "the module class's statics must be exported";

	// Mapping alone registers the name through the initializer entry, but starts nothing.
	EXPECT_TRUE(HostTest::IsModuleRegistered(EditorModuleName));
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(EditorModuleName));
	EXPECT_EQ(HostTest::GetAssetToolsCallCount(), 0);
	EXPECT_EQ(GetCategory(), 0u);
	EXPECT_EQ(GetColour(), FColor(6, 30, 50, 255));

	ASSERT_NE(FModuleManager::Get().LoadModule(EditorModuleName), nullptr);
	const TArray<HostTest::FRegisteredAssetCategory> Categories = HostTest::GetRegisteredAssetCategories();
	const HostTest::FRegisteredAssetCategory* Talvyn = FindTalvynCategory(Categories);
	ASSERT_NE(Talvyn, nullptr);
	EXPECT_NE(GetCategory(), 0u);
	EXPECT_EQ(GetCategory(), uint32(Talvyn->Bit));

	ASSERT_TRUE(FModuleManager::Get().UnloadModule(EditorModuleName));
	EXPECT_EQ(GetCategory(), uint32(Talvyn->Bit));
	EXPECT_EQ(GetColour(), FColor(6, 30, 50, 255));
}

#include "EditorModuleFixture.h"

#include "HostTest/AssetToolsProbe.h"
#include "HostTest/CoreProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "HostTest/ModuleProbe.h"
#include "HostTest/PropertyEditorProbe.h"
#include "HostTest/UnrealEdProbe.h"
#include "Internationalization/Internationalization.h"
#include "J5Package.h"
#include "Modules/ModuleManager.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

namespace EditorModuleTest
{
	const FName ModuleName(TEXT("TalvynSDKBaseEditor"));

	TSharedPtr<IAssetTypeActions> FindRegisteredPackageActions()
	{
		for (const TSharedRef<IAssetTypeActions>& Registered : HostTest::GetRegisteredAssetTypeActions())
		{
			if (Registered->GetSupportedClass() == UJ5Package::StaticClass())
			{
				return Registered;
			}
		}
		return nullptr;
	}

	int32 CountRegistrations(const IAssetTypeActions* Actions)
	{
		int32 Count = 0;
		for (const TSharedRef<IAssetTypeActions>& Registered : HostTest::GetRegisteredAssetTypeActions())
		{
			Count += &Registered.Get() == Actions ? 1 : 0;
		}
		return Count;
	}

	bool IsPackageLayoutRegistered()
	{
		return HostTest::GetRegisteredClassLayouts().Contains(FName(TEXT("J5Package")));
	}

	UJ5Package* MakePackageAsset(const TCHAR* Name)
	{
		UPackage* Outer = CreatePackage(*(FString(TEXT("/Game/Packs/")) + Name));
		return NewObject<UJ5Package>(Outer, FName(Name), RF_Public | RF_Standalone);
	}
}

void FEditorModuleTest::SetUp()
{
	HostTest::SetLogEcho(false);
	HostTest::UnloadAllModules();
	HostTest::ResetAssetEditorRecords();
	HostTest::ResetAssetToolsCalls();
	HostTest::ClearRecordedLogLines();
	ASSERT_TRUE(FInternationalization::Get().SetCurrentCulture(TEXT("en")));
}

void FEditorModuleTest::TearDown()
{
	// Editors go first: their panels hold customizations whose code belongs to the module.
	HostTest::CloseAllAssetEditors();
	HostTest::ResetAssetEditorRecords();
	HostTest::UnloadAllModules();
	HostTest::ResetObjects();
	HostTest::ResetAssetToolsCalls();
	FInternationalization::Get().SetCurrentCulture(TEXT("en"));
	HostTest::SetLogEcho(true);
}

FTalvynSDKBaseEditorModule& FEditorModuleTest::StartModule()
{
	return FModuleManager::LoadModuleChecked<FTalvynSDKBaseEditorModule>(EditorModuleTest::ModuleName);
}

void FStartedEditorModuleTest::SetUp()
{
	FEditorModuleTest::SetUp();
	Module = &StartModule();
	Actions = EditorModuleTest::FindRegisteredPackageActions();
	ASSERT_TRUE(Actions.IsValid());
	HostTest::ResetAssetToolsCalls();
}

void FStartedEditorModuleTest::TearDown()
{
	Actions.Reset();
	FEditorModuleTest::TearDown();
}

void FPackagesInContentBrowserTest::SetUp()
{
	FStartedEditorModuleTest::SetUp();
	First = EditorModuleTest::MakePackageAsset(TEXT("PKG_Forest"));
	Second = EditorModuleTest::MakePackageAsset(TEXT("PKG_Desert"));
	ASSERT_NE(First, nullptr);
	ASSERT_NE(Second, nullptr);
}

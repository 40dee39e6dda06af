#include "CoreMinimal.h"

#if WITH_DEV_AUTOMATION_TESTS

#include "AssetToolsModule.h"
#include "HAL/PlatformProcess.h"
#include "IAssetTools.h"
#include "IAssetTypeActions.h"
#include "J5Package.h"
#include "J5PackageTestContent.h"
#include "Misc/AutomationTest.h"
#include "Modules/ModuleManager.h"
#include "TalvynSDKBaseEditor.h"

BEGIN_DEFINE_SPEC(FTalvynSDKBaseEditorModuleTest, "Talvyn.Editor.Module", EAutomationTestFlags::EditorContext | EAutomationTestFlags::EngineFilter)
	TSharedPtr<IAssetTypeActions> PackageActions;
	int32 ModuleCaseCount = 0;
END_DEFINE_SPEC(FTalvynSDKBaseEditorModuleTest)

void FTalvynSDKBaseEditorModuleTest::Define()
{
	Describe(TEXT("Once the editor has started the module,"), [this]()
	{
		BeforeEach([this]()
		{
			IAssetTools& AssetTools = FModuleManager::LoadModuleChecked<FAssetToolsModule>(TEXT("AssetTools")).Get();
			PackageActions = AssetTools.GetAssetTypeActionsForClass(UJ5Package::StaticClass()).Pin();
			TestTrue(TEXT("AssetTools holds asset type actions for package assets"), PackageActions.IsValid());
		});

		AfterEach([this]()
		{
			PackageActions.Reset();
		});

		It(TEXT("AssetTools names package assets Package and knows their class"), [this]()
		{
			TestEqual(TEXT("The type name"), PackageActions->GetName().ToString(), TEXT("Package"));
			TestTrue(TEXT("The supported class is UJ5Package"), PackageActions->GetSupportedClass() == UJ5Package::StaticClass());
		});

		It(TEXT("AssetTools colours package assets in the module's colour"), [this]()
		{
			TestEqual(TEXT("The type colour"), PackageActions->GetTypeColor(), FColor(6, 30, 50, 255));
			TestEqual(TEXT("The module's colour"), FTalvynSDKBaseEditorModule::TalvynColour(), FColor(6, 30, 50, 255));
		});

		It(TEXT("AssetTools files package assets under the Talvyn category"), [this]()
		{
			IAssetTools& AssetTools = FModuleManager::LoadModuleChecked<FAssetToolsModule>(TEXT("AssetTools")).Get();
			const int64 TalvynCategory = static_cast<int64>(AssetTools.FindAdvancedAssetCategory(FName(TEXT("Talvyn"))));
			TestNotEqual(TEXT("The category bit of Talvyn"), static_cast<int32>(TalvynCategory), 0);
			TestEqual(TEXT("The category bits of package assets"), static_cast<int64>(PackageActions->GetCategories()), TalvynCategory);
			TestEqual(TEXT("The category bit the module reports"), static_cast<int64>(FTalvynSDKBaseEditorModule::GetQVRAssetCategory()), TalvynCategory);
		});

		It(TEXT("PropertyEditor lays out the details of a package asset as its control panel"), [this]()
		{
			FJ5PackageTestContent Content(FString::Printf(TEXT("TalvynAutomation_%u_Module%d"), FPlatformProcess::GetCurrentProcessId(), ++ModuleCaseCount));
			UJ5Package* const NewPackage = Content.MakePackageAsset(TEXT("Pack/PKG_Module"));
			if (!TestNotNull(TEXT("The new package asset"), NewPackage))
			{
				return;
			}
			FJ5PackageTestPanel Panel;
			Panel.Open(NewPackage);
			TestTrue(TEXT("The panel shows the \"Add All Assets\" button of the J5Package layout"), Panel.FindButton(TEXT("Add All Assets")).IsValid());
			Panel.Close();
			Content.Remove();
		});
	});
}

#endif // WITH_DEV_AUTOMATION_TESTS

#include "TalvynSDKBaseEditor.h"

#include "AssetToolsModule.h"
#include "AssetTypeActions_J5Package.h"
#include "IAssetTools.h"
#include "IAssetTypeActions.h"
#include "J5PackageCustomization.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"

#define LOCTEXT_NAMESPACE "FTalvynSDKBaseEditorModule"

EAssetTypeCategories::Type FTalvynSDKBaseEditorModule::QVRAssetCategoryBit = static_cast<EAssetTypeCategories::Type>(0);

FTalvynSDKBaseEditorModule::~FTalvynSDKBaseEditorModule()
{
}

void FTalvynSDKBaseEditorModule::StartupModule()
{
	IAssetTools& AssetTools = FModuleManager::LoadModuleChecked<FAssetToolsModule>(TEXT("AssetTools")).Get();

	// The category is registered before the actions, so AssetTools never sees the actions without it.
	QVRAssetCategoryBit = AssetTools.RegisterAdvancedAssetCategory(FName(TEXT("Talvyn")), LOCTEXT("QVRAssetCategory", "Talvyn"));

	PackageAssetTypeActions = MakeShareable(new FAssetTypeActions_J5Package());
	AssetTools.RegisterAssetTypeActions(StaticCastSharedRef<IAssetTypeActions>(PackageAssetTypeActions.ToSharedRef()));

	FPropertyEditorModule& PropertyEditor = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
	PropertyEditor.RegisterCustomClassLayout(FName(TEXT("J5Package")), FOnGetDetailCustomizationInstance::CreateStatic(&FJ5PackageCustomization::MakeInstance));
}

void FTalvynSDKBaseEditorModule::ShutdownModule()
{
	// The other modules may already be gone when the editor shuts down; what left with them needs no withdrawal.
	if (FModuleManager::Get().IsModuleLoaded(TEXT("AssetTools")) && PackageAssetTypeActions.IsValid())
	{
		IAssetTools& AssetTools = FModuleManager::GetModuleChecked<FAssetToolsModule>(TEXT("AssetTools")).Get();
		AssetTools.UnregisterAssetTypeActions(StaticCastSharedRef<IAssetTypeActions>(PackageAssetTypeActions.ToSharedRef()));
	}

	if (FModuleManager::Get().IsModuleLoaded(TEXT("PropertyEditor")))
	{
		FPropertyEditorModule& PropertyEditor = FModuleManager::GetModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
		PropertyEditor.UnregisterCustomClassLayout(FName(TEXT("J5Package")));
	}
}

FColor FTalvynSDKBaseEditorModule::TalvynColour()
{
	return FColor(6, 30, 50, 255);
}

uint32 FTalvynSDKBaseEditorModule::GetQVRAssetCategory()
{
	return QVRAssetCategoryBit;
}

#undef LOCTEXT_NAMESPACE

IMPLEMENT_MODULE(FTalvynSDKBaseEditorModule, TalvynSDKBaseEditor)

#include "AssetTypeActions_J5Package.h"

#include "J5Package.h"
#include "TalvynSDKBaseEditor.h"

FText FAssetTypeActions_J5Package::GetName() const
{
	// The type's name reads the same in every editor language.
	return FText::AsCultureInvariant(TEXT("Package"));
}

UClass* FAssetTypeActions_J5Package::GetSupportedClass() const
{
	return UJ5Package::StaticClass();
}

FColor FAssetTypeActions_J5Package::GetTypeColor() const
{
	return FTalvynSDKBaseEditorModule::TalvynColour();
}

uint32 FAssetTypeActions_J5Package::GetCategories()
{
	return FTalvynSDKBaseEditorModule::GetQVRAssetCategory();
}

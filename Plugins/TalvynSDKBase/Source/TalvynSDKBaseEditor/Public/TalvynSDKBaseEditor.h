#pragma once

#include "CoreMinimal.h"
#include "AssetTypeCategories.h"
#include "Modules/ModuleInterface.h"

class FAssetTypeActions_J5Package;

/**
 * Editor module of the Talvyn SDK: gives package assets their asset category, type actions and
 * details panel in the editor.
 */
class TALVYNSDKBASEEDITOR_API FTalvynSDKBaseEditorModule : public IModuleInterface
{
public:
	virtual ~FTalvynSDKBaseEditorModule() override;

	//~ Begin IModuleInterface interface
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;
	//~ End IModuleInterface interface

	/** The package asset's type colour. */
	static FColor TalvynColour();

	/** The asset category bit that AssetTools allocated for "Talvyn" at start-up; 0 before. */
	static uint32 GetQVRAssetCategory();

	/** The one asset type actions object: set by start-up, kept until the module object goes. */
	TSharedPtr<FAssetTypeActions_J5Package> PackageAssetTypeActions;

private:
	static EAssetTypeCategories::Type QVRAssetCategoryBit;
};

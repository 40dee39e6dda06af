#pragma once

#include "CoreMinimal.h"
#include "AssetTypeActivationOpenedMethod.h"
#include "AssetTypeCategories.h"

class IAssetTypeActions;
class IToolkitHost;
class UClass;
class UFactory;
class UObject;

/**
 * What tests and programs observe of AssetTools (registrations and the calls made to it), and what the
 * Content Browser does through it: the new-asset menu, creating an asset from it, opening assets.
 */
namespace HostTest
{
	/** The asset type actions registered now, in registration order; empty while AssetTools is not loaded. */
	ASSETTOOLS_API TArray<TSharedRef<IAssetTypeActions>> GetRegisteredAssetTypeActions();

	struct FRegisteredAssetCategory
	{
		FName Key;
		FText DisplayName;
		EAssetTypeCategories::Type Bit = EAssetTypeCategories::None;
		/** One of the engine's own categories, known from start-up, rather than one registered by a caller. */
		bool bBuiltIn = false;
	};

	/**
	 * The categories AssetTools knows now: the engine's own first, then those registered through
	 * RegisterAdvancedAssetCategory in registration order (each key once). Empty while AssetTools is not loaded.
	 */
	ASSETTOOLS_API TArray<FRegisteredAssetCategory> GetRegisteredAssetCategories();

	/** The display names of the categories whose bits are set in Categories, lowest bit first. */
	ASSETTOOLS_API TArray<FText> GetAssetCategoryNames(uint32 Categories);

	/**
	 * The IAssetTools functions called since the last reset, by name ("RegisterAssetTypeActions", ...), in
	 * call order. Kept across the module's shut-down, so a test can see that nobody called AssetTools.
	 */
	ASSETTOOLS_API TArray<FName> GetAssetToolsCalls();
	ASSETTOOLS_API int32 GetAssetToolsCallCount();
	ASSETTOOLS_API void ResetAssetToolsCalls();

	/**
	 * Makes DuplicateAsset fail (return null, as when the engine cannot create the package) once
	 * NumSucceeding further calls have succeeded; a negative number lets every call succeed again.
	 */
	ASSETTOOLS_API void FailDuplicateAssetAfter(int32 NumSucceeding);

	/** One entry of the Content Browser's new-asset menu. */
	struct FNewAssetMenuEntry
	{
		UClass* FactoryClass = nullptr;
		/** The factory's class default object, which answers for the entry. */
		UFactory* Factory = nullptr;
		UClass* SupportedClass = nullptr;
		/** The entry's label: the factory's GetDisplayName(). */
		FText DisplayName;
		/** The factory's GetMenuCategories() bits, and the names of those categories. */
		uint32 Categories = 0;
		TArray<FText> CategoryNames;
	};

	/**
	 * The new-asset menu as the Content Browser builds it from IAssetTools::GetNewAssetFactories: every
	 * compiled-in factory class that can create new assets, in class registration order. Loads AssetTools.
	 */
	ASSETTOOLS_API TArray<FNewAssetMenuEntry> GetNewAssetMenu();

	/** The entry whose label is DisplayName and which is listed under the category CategoryName, or null. */
	ASSETTOOLS_API const FNewAssetMenuEntry* FindNewAssetMenuEntry(const TArray<FNewAssetMenuEntry>& Menu, const FString& CategoryName, const FString& DisplayName);

	/**
	 * Chooses the entry in the folder (a long package path such as "/Game/Packs") and names the new asset,
	 * as the Content Browser does: a new instance of the factory class is configured and handed to
	 * IAssetTools::CreateAsset. Returns the new asset, or null.
	 */
	ASSETTOOLS_API UObject* CreateAssetFromMenu(const FNewAssetMenuEntry& Entry, const FString& Folder, const FString& AssetName);

	/**
	 * Opens assets as a double-click in the Content Browser does: the actions registered for the first
	 * asset's class may handle the activation themselves; otherwise, if they support the method, they open
	 * the assets. Returns false when no actions are registered for the class or they do not support the
	 * method, and nothing is opened.
	 */
	ASSETTOOLS_API bool OpenAssetsFromContentBrowser(const TArray<UObject*>& Assets, EAssetTypeActivationOpenedMethod OpenedMethod = EAssetTypeActivationOpenedMethod::Edit, const TSharedPtr<IToolkitHost>& LevelEditorHost = nullptr);
}

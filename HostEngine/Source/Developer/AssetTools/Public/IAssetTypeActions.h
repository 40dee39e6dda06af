#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/AssetData.h"
#include "AssetTypeActivationOpenedMethod.h"
#include "Containers/ArrayView.h"

class FMenuBuilder;
class IToolkitHost;
class SWidget;
class UClass;
class UObject;
class UThumbnailInfo;
struct FARFilter;
struct FRevisionInfo;
struct FSlateBrush;
struct FToolMenuSection;

/** Why an asset was activated in the Content Browser. */
namespace EAssetTypeActivationMethod
{
	enum Type
	{
		DoubleClicked,
		Opened,
		Previewed,
	};
}

/**
 * What the editor knows about one asset type: its name, colour and categories in the Content Browser,
 * and how assets of that type are opened. Registered with IAssetTools.
 */
class IAssetTypeActions : public TSharedFromThis<IAssetTypeActions>
{
public:
	virtual ~IAssetTypeActions() {}

	/** The name of the asset type as the Content Browser shows it. */
	virtual FText GetName() const = 0;

	/** The class of the assets these actions describe. */
	virtual UClass* GetSupportedClass() const = 0;

	/** The colour of the asset type in the Content Browser. */
	virtual FColor GetTypeColor() const = 0;

	/** The EAssetTypeCategories bits under which the type is listed. */
	virtual uint32 GetCategories() = 0;

	virtual bool HasActions(const TArray<UObject*>& InObjects) const = 0;

	/** Adds the type's own entries to a context menu (the older menu builder form). */
	virtual void GetActions(const TArray<UObject*>& InObjects, class FMenuBuilder& MenuBuilder) {}

	/** Adds the type's own entries to a context menu section. */
	virtual void GetActions(const TArray<UObject*>& InObjects, struct FToolMenuSection& Section) {}

	virtual bool ShouldCallGetActions() const = 0;

	/** Opens the objects for editing, inside the level editor where a host is given and the type wants that. */
	virtual void OpenAssetEditor(const TArray<UObject*>& InObjects, TSharedPtr<class IToolkitHost> EditWithinLevelEditor = TSharedPtr<IToolkitHost>()) = 0;

	/** Opens the objects by the given method. */
	virtual void OpenAssetEditor(const TArray<UObject*>& InObjects, const EAssetTypeActivationOpenedMethod OpenedMethod, TSharedPtr<class IToolkitHost> EditWithinLevelEditor = TSharedPtr<IToolkitHost>()) = 0;

	virtual bool SupportsOpenedMethod(const EAssetTypeActivationOpenedMethod OpenedMethod) const = 0;

	/** Handles an activation itself; returns false to let the editor open the assets the usual way. */
	virtual bool AssetsActivatedOverride(const TArray<UObject*>& InObjects, EAssetTypeActivationMethod::Type ActivationType) = 0;

	virtual TArray<FAssetData> GetValidAssetsForPreviewOrEdit(TArrayView<const FAssetData> InAssetDatas, bool bIsPreview) = 0;

	/** Whether the type appears in the Content Browser's filter list. */
	virtual bool CanFilter() = 0;

	virtual bool CanLocalize() const = 0;

	virtual bool CanMerge() const = 0;

	virtual void Merge(UObject* InObject) = 0;

	virtual bool CanRename(const FAssetData& InAsset, FText* OutErrorMsg) const = 0;

	virtual bool CanDuplicate(const FAssetData& InAsset, FText* OutErrorMsg) const = 0;

	virtual FString GetObjectDisplayName(UObject* Object) const = 0;

	/** Sub-menus of the type's category under which it is listed. */
	virtual const TArray<FText>& GetSubMenus() const = 0;

	virtual FText GetDisplayNameFromAssetData(const FAssetData& AssetData) const = 0;

	virtual FText GetAssetDescription(const FAssetData& AssetData) const = 0;

	virtual bool IsImportedAsset() const = 0;

	virtual void GetResolvedSourceFilePaths(const TArray<UObject*>& TypeAssets, TArray<FString>& OutSourceFilePaths) const = 0;

	virtual void GetSourceFileLabels(const TArray<UObject*>& TypeAssets, TArray<FString>& OutSourceFileLabels) const = 0;

	/** Adds to the filter what selects this type's assets. */
	virtual void BuildBackendFilter(FARFilter& InFilter) = 0;

	virtual UThumbnailInfo* GetThumbnailInfo(UObject* Asset) const = 0;

	virtual TSharedPtr<SWidget> GetThumbnailOverlay(const FAssetData& AssetData) const = 0;

	virtual const FSlateBrush* GetThumbnailBrush(const FAssetData& InAssetData, const FName InClassName) const = 0;

	virtual const FSlateBrush* GetIconBrush(const FAssetData& InAssetData, const FName InClassName) const = 0;

	virtual bool ShouldForceWorldCentric() = 0;

	virtual void PerformAssetDiff(UObject* OldAsset, UObject* NewAsset, const struct FRevisionInfo& OldRevision, const struct FRevisionInfo& NewRevision) const = 0;

	/** Whether the type is available in this editor; unsupported types are ignored by the browser. */
	virtual bool IsSupported() const = 0;

	virtual void SetSupported(bool bInSupported) = 0;
};

#pragma once

#include "CoreMinimal.h"
#include "IAssetTypeActions.h"
#include "AssetRegistry/ARFilter.h"
#include "Toolkits/IToolkit.h"
#include "Toolkits/SimpleAssetEditor.h"
#include "UObject/Class.h"
#include "UObject/Object.h"

/**
 * The usual base of asset type actions: everything but the type's name, class, colour and categories.
 * Header-only, so that a module can derive from it while reaching AssetTools through include paths alone.
 * Assets open for editing in the simple asset editor; viewing opens nothing.
 */
class FAssetTypeActions_Base : public IAssetTypeActions
{
public:
	//~ Begin IAssetTypeActions interface
	virtual bool HasActions(const TArray<UObject*>& InObjects) const override
	{
		return false;
	}

	virtual void GetActions(const TArray<UObject*>& InObjects, class FMenuBuilder& MenuBuilder) override {}

	virtual void GetActions(const TArray<UObject*>& InObjects, struct FToolMenuSection& Section) override {}

	virtual bool ShouldCallGetActions() const override
	{
		return false;
	}

	virtual void OpenAssetEditor(const TArray<UObject*>& InObjects, TSharedPtr<class IToolkitHost> EditWithinLevelEditor = TSharedPtr<IToolkitHost>()) override
	{
		// Always a window of its own: a level-editor host is passed along but does not make the editor world-centric.
		FSimpleAssetEditor::CreateEditor(EToolkitMode::Standalone, EditWithinLevelEditor, InObjects);
	}

	virtual void OpenAssetEditor(const TArray<UObject*>& InObjects, const EAssetTypeActivationOpenedMethod OpenedMethod, TSharedPtr<class IToolkitHost> EditWithinLevelEditor = TSharedPtr<IToolkitHost>()) override
	{
		if (OpenedMethod == EAssetTypeActivationOpenedMethod::Edit)
		{
			OpenAssetEditor(InObjects, EditWithinLevelEditor);
		}
	}

	virtual bool SupportsOpenedMethod(const EAssetTypeActivationOpenedMethod OpenedMethod) const override
	{
		return OpenedMethod == EAssetTypeActivationOpenedMethod::Edit;
	}

	virtual bool AssetsActivatedOverride(const TArray<UObject*>& InObjects, EAssetTypeActivationMethod::Type ActivationType) override
	{
		return false;
	}

	virtual TArray<FAssetData> GetValidAssetsForPreviewOrEdit(TArrayView<const FAssetData> InAssetDatas, bool bIsPreview) override
	{
		TArray<FAssetData> ValidAssets;
		for (const FAssetData& AssetData : InAssetDatas)
		{
			ValidAssets.Add(AssetData);
		}
		return ValidAssets;
	}

	virtual bool CanFilter() override
	{
		return true;
	}

	virtual bool CanLocalize() const override
	{
		return true;
	}

	virtual bool CanMerge() const override
	{
		return false;
	}

	virtual void Merge(UObject* InObject) override {}

	virtual bool CanRename(const FAssetData& InAsset, FText* OutErrorMsg) const override
	{
		return true;
	}

	virtual bool CanDuplicate(const FAssetData& InAsset, FText* OutErrorMsg) const override
	{
		return true;
	}

	virtual FString GetObjectDisplayName(UObject* Object) const override
	{
		return Object->GetName();
	}

	virtual const TArray<FText>& GetSubMenus() const override
	{
		static const TArray<FText> NoSubMenus;
		return NoSubMenus;
	}

	virtual FText GetDisplayNameFromAssetData(const FAssetData& AssetData) const override
	{
		return FText();
	}

	virtual FText GetAssetDescription(const FAssetData& AssetData) const override
	{
		return FText();
	}

	virtual bool IsImportedAsset() const override
	{
		return false;
	}

	virtual void GetResolvedSourceFilePaths(const TArray<UObject*>& TypeAssets, TArray<FString>& OutSourceFilePaths) const override {}

	virtual void GetSourceFileLabels(const TArray<UObject*>& TypeAssets, TArray<FString>& OutSourceFileLabels) const override {}

	virtual void BuildBackendFilter(FARFilter& InFilter) override
	{
		InFilter.ClassPaths.Add(GetSupportedClass()->GetClassPathName());
		InFilter.bRecursiveClasses = true;
	}

	virtual UThumbnailInfo* GetThumbnailInfo(UObject* Asset) const override
	{
		return nullptr;
	}

	virtual TSharedPtr<SWidget> GetThumbnailOverlay(const FAssetData& AssetData) const override
	{
		return nullptr;
	}

	virtual const FSlateBrush* GetThumbnailBrush(const FAssetData& InAssetData, const FName InClassName) const override
	{
		return nullptr;
	}

	virtual const FSlateBrush* GetIconBrush(const FAssetData& InAssetData, const FName InClassName) const override
	{
		return nullptr;
	}

	virtual bool ShouldForceWorldCentric() override
	{
		return false;
	}

	virtual void PerformAssetDiff(UObject* OldAsset, UObject* NewAsset, const struct FRevisionInfo& OldRevision, const struct FRevisionInfo& NewRevision) const override
	{
		HOST_UNIMPLEMENTED();
	}

	virtual bool IsSupported() const override
	{
		return bIsSupported;
	}

	virtual void SetSupported(bool bInSupported) override
	{
		bIsSupported = bInSupported;
	}
	//~ End IAssetTypeActions interface

private:
	bool bIsSupported = true;
};

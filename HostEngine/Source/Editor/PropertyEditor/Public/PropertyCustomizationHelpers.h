#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/AssetData.h"
#include "ContentBrowserDelegates.h"
#include "Misc/Optional.h"
#include "UObject/Object.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class FAssetThumbnailPool;
class IPropertyHandle;
class UFactory;

/** Called with the asset the user chose (an empty asset data when the choice was cleared). */
DECLARE_DELEGATE_OneParam(FOnSetObject, const FAssetData&);

/** Asked before a chosen asset is set: false refuses it. */
DECLARE_DELEGATE_RetVal_OneParam(bool, FOnShouldSetAsset, const FAssetData&);

DECLARE_DELEGATE_RetVal(const UObject*, FOnGetObject);

DECLARE_DELEGATE_RetVal(bool, FOnIsEnabled);

/**
 * An asset chooser: shows the current object (when bound to a path or a property) and offers the
 * registry's assets of the allowed class in a picker.
 */
class PROPERTYEDITOR_API SObjectPropertyEntryBox : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SObjectPropertyEntryBox)
		: _AllowedClass(UObject::StaticClass())
		, _AllowClear(true)
		, _AllowCreate(false)
		, _DisplayUseSelected(true)
		, _DisplayBrowse(true)
		, _EnableContentPicker(true)
		, _DisplayCompactSize(false)
		, _DisplayThumbnail(true)
		, _bOnlyRecognizeOnDragEnter(false)
	{}
		/** Path of the object the box shows; unset, the box shows none. */
		SLATE_ATTRIBUTE(FString, ObjectPath)
		/** A property whose value the box shows and sets. */
		SLATE_ARGUMENT(TSharedPtr<IPropertyHandle>, PropertyHandle)
		SLATE_ARGUMENT(TArray<FAssetData>, OwnerAssetDataArray)
		SLATE_ARGUMENT(TSharedPtr<FAssetThumbnailPool>, ThumbnailPool)
		/** The picker offers assets of this class and its subclasses. */
		SLATE_ARGUMENT(const UClass*, AllowedClass)
		SLATE_EVENT(FOnSetObject, OnObjectChanged)
		SLATE_EVENT(FOnShouldSetAsset, OnShouldSetAsset)
		/** Asked for each candidate of the picker: true hides it. */
		SLATE_EVENT(FOnShouldFilterAsset, OnShouldFilterAsset)
		SLATE_EVENT(FOnIsEnabled, OnIsEnabled)
		/** Whether the picker offers an entry that clears the choice. */
		SLATE_ARGUMENT(bool, AllowClear)
		SLATE_ARGUMENT(bool, AllowCreate)
		SLATE_ARGUMENT(bool, DisplayUseSelected)
		SLATE_ARGUMENT(bool, DisplayBrowse)
		SLATE_ARGUMENT(bool, EnableContentPicker)
		SLATE_ARGUMENT(bool, DisplayCompactSize)
		SLATE_ARGUMENT(bool, DisplayThumbnail)
		SLATE_ARGUMENT(TOptional<TArray<UFactory*>>, NewAssetFactories)
		SLATE_ATTRIBUTE(bool, bOnlyRecognizeOnDragEnter)
		SLATE_NAMED_SLOT(FArguments, CustomContentSlot)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	/** Opens the picker, as a click on the box does. */
	void OpenEntryBox();

	//~ Begin SWidget interface
	virtual void HostPaint(HostTest::FWidgetSnapshot& Out) const override;
	//~ End SWidget interface

private:
	friend struct FObjectPropertyEntryBoxAccess;

	FText GetDisplayedText() const;
	FString GetDisplayedValue() const;
	bool IsPickerEnabled() const;
	TArray<FAssetData> GetPickerEntries() const;
	bool SetChosenAsset(const FAssetData& AssetData);
	bool ClearChosenAsset();

	FArguments Args;
	bool bPickerOpen = false;
};

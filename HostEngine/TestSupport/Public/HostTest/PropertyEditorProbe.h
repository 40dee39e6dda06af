#pragma once

#include "CoreMinimal.h"
#include "AssetRegistry/AssetData.h"
#include "ContentBrowserDelegates.h"
#include "DetailLayoutBuilder.h"
#include "HostTest/SlateProbe.h"

class IDetailsView;
class SObjectPropertyEntryBox;
class SWidget;
class UObject;

/**
 * What tests and the preview program observe of the details panel: the layout a view built, what it
 * paints, and the user's actions on it (typing a search, opening a group, choosing in an asset picker).
 */
namespace HostTest
{
	enum class EDetailRowKind : uint8
	{
		CustomRow,
		Group,
		Property,
	};

	/** One row of a category as built; rows of a group follow the group with a greater depth. */
	struct FDetailRowLayout
	{
		EDetailRowKind Kind = EDetailRowKind::CustomRow;
		/** 0 for a category's own rows, one more for each group around the row. */
		int32 Depth = 0;
		/** The group this row belongs to (NAME_None at depth 0); for a group row, the group itself. */
		FName GroupName;
		bool bAdvanced = false;
		/** On screen now: passes the search and visibility, and every group around it is expanded. */
		bool bShown = false;

		/** Custom rows: the filter text; group rows: the display name; property rows: the property name. */
		FString FilterText;
		/** Custom rows: what the row was filled with (null where nothing was set). */
		TSharedPtr<SWidget> WholeRowWidget;
		TSharedPtr<SWidget> NameWidget;
		TSharedPtr<SWidget> ValueWidget;

		/** Group rows. */
		FString DisplayName;
		bool bStartExpanded = false;
		bool bExpanded = false;

		/** Property rows: the property's name and its current value as displayed. */
		FName PropertyName;
		FString Value;

		bool HasWholeRowContent() const { return WholeRowWidget.IsValid(); }
	};

	struct FDetailCategoryLayout
	{
		FName Name;
		FString DisplayName;
		int32 SortOrder = 0;
		ECategoryPriority::Type Priority = ECategoryPriority::Default;
		/** Hidden when no row passes the search, or when the layout hid the category. */
		bool bShown = false;
		TArray<FDetailRowLayout> Rows;
	};

	/** A built panel; categories in display order. */
	struct FDetailPanelLayout
	{
		TArray<FDetailCategoryLayout> Categories;
		bool bHasCustomization = false;

		/** The category of that name, or null. */
		PROPERTYEDITOR_API const FDetailCategoryLayout* FindCategory(FName Name) const;
	};

	/** One painted row: the widgets of a custom row, the label of a group, name and value of a property. */
	struct FPaintedDetailRow
	{
		EDetailRowKind Kind = EDetailRowKind::CustomRow;
		int32 Depth = 0;
		/** Group display name or property name. */
		FString Label;
		/** Property value; for a group, "expanded" or "collapsed". */
		FString Value;
		bool bWholeRow = false;
		FWidgetSnapshot WholeRow;
		FWidgetSnapshot NameColumn;
		FWidgetSnapshot ValueColumn;
	};

	struct FPaintedDetailCategory
	{
		FName Name;
		FString DisplayName;
		TArray<FPaintedDetailRow> Rows;
	};

	/** One paint pass of the panel: only what is on screen, bound attributes evaluated now. */
	struct FPaintedDetailsPanel
	{
		TArray<FPaintedDetailCategory> Categories;
	};

	/** Makes a details view through the module, as an asset editor does, and shows the objects. */
	PROPERTYEDITOR_API TSharedRef<IDetailsView> OpenDetailsView(const TArray<UObject*>& Objects);

	/** Every details view alive, oldest first (including those asset editors made). */
	PROPERTYEDITOR_API TArray<TSharedRef<IDetailsView>> GetLiveDetailsViews();

	PROPERTYEDITOR_API FDetailPanelLayout GetLayout(const TSharedRef<IDetailsView>& View);

	/** Types into the panel's search box. */
	PROPERTYEDITOR_API void SetSearchText(const TSharedRef<IDetailsView>& View, const FString& SearchText);

	/** Opens or closes a group, as a click on its header does; false if no such group is shown. */
	PROPERTYEDITOR_API bool SetGroupExpanded(const TSharedRef<IDetailsView>& View, FName CategoryName, FName GroupName, bool bExpanded);

	/** Opens or closes a category's advanced section. */
	PROPERTYEDITOR_API void SetAdvancedExpanded(const TSharedRef<IDetailsView>& View, FName CategoryName, bool bExpanded);

	PROPERTYEDITOR_API FPaintedDetailsPanel PaintDetailsView(const TSharedRef<IDetailsView>& View);

	/** How many times the view has built its layout, the first build included. */
	PROPERTYEDITOR_API int32 GetRefreshCount(const TSharedRef<IDetailsView>& View);

	/** How many customizations the live details views hold. */
	PROPERTYEDITOR_API int32 GetLiveCustomizationCount();

	/** Class names with a registered layout, in registration order. */
	PROPERTYEDITOR_API TArray<FName> GetRegisteredClassLayouts();

	/** The asset entry boxes of the panel's current rows, in row order. */
	PROPERTYEDITOR_API TArray<TSharedRef<SObjectPropertyEntryBox>> FindEntryBoxes(const TSharedRef<IDetailsView>& View);

	/** The assets the box's picker offers, in registry order. */
	PROPERTYEDITOR_API TArray<FAssetData> GetPickerEntries(const TSharedRef<SObjectPropertyEntryBox>& Box);

	/** The box's OnShouldFilterAsset as given, which the picker asks once per candidate (unbound if none was given). */
	PROPERTYEDITOR_API FOnShouldFilterAsset GetShouldFilterAsset(const TSharedRef<SObjectPropertyEntryBox>& Box);

	/** Whether the picker offers an entry that clears the choice. */
	PROPERTYEDITOR_API bool HasClearEntry(const TSharedRef<SObjectPropertyEntryBox>& Box);

	/** What the box shows as its current object: the object's name, or "None". */
	PROPERTYEDITOR_API FString GetDisplayedValue(const TSharedRef<SObjectPropertyEntryBox>& Box);

	/** Chooses an asset in the picker; false when the picker is disabled or the choice was refused. */
	PROPERTYEDITOR_API bool PickAsset(const TSharedRef<SObjectPropertyEntryBox>& Box, const FAssetData& Asset);

	/** Chooses the clear entry; false where the box offers none. */
	PROPERTYEDITOR_API bool ClearSelection(const TSharedRef<SObjectPropertyEntryBox>& Box);
}

#pragma once

#include "CoreMinimal.h"

class FDetailWidgetRow;
class IDetailGroup;
class IDetailLayoutBuilder;

/** Anything that takes a row of a details panel: custom rows and groups. */
class IDetailLayoutRow
{
public:
	virtual ~IDetailLayoutRow() {}

	/** The row's tag, NAME_None unless one was given. */
	virtual FName GetRowName() const = 0;
};

/** Where a property row is placed in its category. */
namespace EPropertyLocation
{
	enum Type
	{
		Common,
		Advanced,
		Default,
	};
}

/** One category of a details panel, as a customization sees it. */
class IDetailCategoryBuilder
{
public:
	virtual ~IDetailCategoryBuilder() {}

	/** Adds a custom row; the filter string is what the panel's search matches against. */
	virtual FDetailWidgetRow& AddCustomRow(const FText& FilterString, bool bForAdvanced = false) = 0;

	/** Adds a collapsible group of rows. */
	virtual IDetailGroup& AddGroup(FName GroupName, const FText& LocalizedDisplayName, bool bForAdvanced = false, bool bStartExpanded = false) = 0;

	virtual IDetailCategoryBuilder& InitiallyCollapsed(bool bShouldBeInitiallyCollapsed = true) = 0;

	virtual IDetailLayoutBuilder& GetParentLayout() const = 0;

	virtual const FText& GetDisplayName() const = 0;

	virtual void SetDisplayName(const FText& InDisplayName) = 0;

	/** Categories are shown by ascending sort order. */
	virtual void SetSortOrder(int32 InSortOrder) = 0;

	virtual int32 GetSortOrder() const = 0;

	virtual void SetCategoryVisibility(bool bIsVisible) = 0;
};

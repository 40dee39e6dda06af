#pragma once

#include "CoreMinimal.h"
#include "DetailCategoryBuilder.h"

class FDetailWidgetRow;

/** A collapsible group of rows inside a details category. */
class IDetailGroup : public IDetailLayoutRow
{
public:
	virtual ~IDetailGroup() {}

	/** The row shown as the group's header; without one the group shows its display name. */
	virtual FDetailWidgetRow& HeaderRow() = 0;

	virtual FDetailWidgetRow& AddWidgetRow() = 0;

	virtual IDetailGroup& AddGroup(FName NewGroupName, const FText& InLocalizedDisplayName, bool bInStartExpanded = false) = 0;

	/** Opens or closes the group, as a user clicking its header does. */
	virtual void ToggleExpansion(bool bExpand) = 0;

	virtual bool GetExpansionState() const = 0;

	virtual void EnableReset(bool InValue) = 0;

	virtual FName GetGroupName() const = 0;
};

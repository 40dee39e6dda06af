#include "Layout/Children.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SWidget.h"

FNoChildren FNoChildren::NoChildrenInstance;

FNoChildren::FNoChildren()
	: FChildren(nullptr)
{
}

FNoChildren::FNoChildren(SWidget* InOwner)
	: FChildren(InOwner)
{
}

TSharedRef<SWidget> FNoChildren::GetChildAt(int32 Index)
{
	checkf(false, TEXT("FNoChildren has no child %d"), Index);
	return SNullWidget::NullWidget;
}

TSharedRef<const SWidget> FNoChildren::GetChildAt(int32 Index) const
{
	checkf(false, TEXT("FNoChildren has no child %d"), Index);
	return SNullWidget::NullWidget;
}

const FSlotBase& FNoChildren::GetSlotAt(int32 ChildIndex) const
{
	checkf(false, TEXT("FNoChildren has no slot %d"), ChildIndex);
	static const FSlotBase NoSlot;
	return NoSlot;
}

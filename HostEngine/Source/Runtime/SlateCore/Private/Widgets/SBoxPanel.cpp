#include "Widgets/SBoxPanel.h"

SBoxPanel::SBoxPanel(EOrientation InOrientation)
	: Orientation(InOrientation)
{
}

SBoxPanel::~SBoxPanel() = default;

SHorizontalBox::FSlot::FSlot() = default;

void SHorizontalBox::FSlot::HostPaintSlot(HostTest::FWidgetSnapshot& Out) const
{
	TSlot<FSlot>::HostPaintSlot(Out);
	HostPaintSize(Out, TEXT("AutoWidth"), TEXT("FillWidth"), TEXT("FillContentWidth"), TEXT("MaxWidth"), TEXT("MinWidth"));
}

SHorizontalBox::SHorizontalBox()
	: SBoxPanel(Orient_Horizontal)
	, Children(this)
{
}

void SHorizontalBox::Construct(const FArguments& InArgs)
{
	// The arguments are a temporary of the SNew expression; the slots move from it into the box.
	Children.AddSlots(MoveTemp(const_cast<TArray<FSlot::FSlotArguments>&>(InArgs._Slots)));
}

int32 SHorizontalBox::RemoveSlot(const TSharedRef<SWidget>& SlotWidget)
{
	return Children.Remove(SlotWidget);
}

void SHorizontalBox::ClearChildren()
{
	Children.Empty();
}

SHorizontalBox::FSlot& SHorizontalBox::GetSlot(int32 SlotIndex)
{
	return Children[SlotIndex];
}

const SHorizontalBox::FSlot& SHorizontalBox::GetSlot(int32 SlotIndex) const
{
	return Children[SlotIndex];
}

SVerticalBox::FSlot::FSlot() = default;

void SVerticalBox::FSlot::HostPaintSlot(HostTest::FWidgetSnapshot& Out) const
{
	TSlot<FSlot>::HostPaintSlot(Out);
	HostPaintSize(Out, TEXT("AutoHeight"), TEXT("FillHeight"), TEXT("FillContentHeight"), TEXT("MaxHeight"), TEXT("MinHeight"));
}

SVerticalBox::SVerticalBox()
	: SBoxPanel(Orient_Vertical)
	, Children(this)
{
}

void SVerticalBox::Construct(const FArguments& InArgs)
{
	Children.AddSlots(MoveTemp(const_cast<TArray<FSlot::FSlotArguments>&>(InArgs._Slots)));
}

int32 SVerticalBox::RemoveSlot(const TSharedRef<SWidget>& SlotWidget)
{
	return Children.Remove(SlotWidget);
}

void SVerticalBox::ClearChildren()
{
	Children.Empty();
}

SVerticalBox::FSlot& SVerticalBox::GetSlot(int32 SlotIndex)
{
	return Children[SlotIndex];
}

const SVerticalBox::FSlot& SVerticalBox::GetSlot(int32 SlotIndex) const
{
	return Children[SlotIndex];
}

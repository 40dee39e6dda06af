#include "SlotBase.h"
#include "HostTest/SlateProbe.h"
#include "Layout/Children.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SWidget.h"

FSlotBase::FSlotBase()
	: Owner(nullptr)
	, Widget(SNullWidget::NullWidget)
{
}

FSlotBase::FSlotBase(const TSharedRef<SWidget>& InWidget)
	: Owner(nullptr)
	, Widget(InWidget)
{
}

FSlotBase::~FSlotBase() = default;

void FSlotBase::AttachWidget(const TSharedRef<SWidget>& InWidget)
{
	// The old widget may be destroyed here; hold it until the slot has its new one.
	TSharedRef<SWidget> Previous = Widget;
	Widget = InWidget;
}

const TSharedPtr<SWidget> FSlotBase::DetachWidget()
{
	if (&Widget.Get() == &SNullWidget::NullWidget.Get())
	{
		return TSharedPtr<SWidget>();
	}
	TSharedPtr<SWidget> Detached = Widget;
	Widget = SNullWidget::NullWidget;
	return Detached;
}

SWidget* FSlotBase::GetOwnerWidget() const
{
	return Owner ? &Owner->GetOwner() : nullptr;
}

void FSlotBase::SetOwner(const FChildren& InParent)
{
	Owner = &InParent;
}

void FSlotBase::HostPaintSlot(HostTest::FWidgetSnapshot& Out) const
{
	for (const FString& Name : HostGivenSlotArguments)
	{
		Out.GivenSlotArguments.Add(Name);
	}
}

void FSlotBase::HostRecordGivenSlotArgument(const ANSICHAR* Name)
{
	HostGivenSlotArguments.AddUnique(FString(Name));
}

void FSlotBase::HostReportSlotArgument(HostTest::FWidgetSnapshot& Out, const TCHAR* Name, const FString& Value)
{
	Out.SlotArguments.Add(Name, Value);
}

void FSlotBase::HostReportSlotArgument(HostTest::FWidgetSnapshot& Out, const TCHAR* Name, EHorizontalAlignment Value)
{
	Out.SlotArguments.Add(Name, HostTest::ToDisplayString(Value));
}

void FSlotBase::HostReportSlotArgument(HostTest::FWidgetSnapshot& Out, const TCHAR* Name, EVerticalAlignment Value)
{
	Out.SlotArguments.Add(Name, HostTest::ToDisplayString(Value));
}

void FSlotBase::HostReportSlotArgument(HostTest::FWidgetSnapshot& Out, const TCHAR* Name, const FMargin& Value)
{
	Out.SlotArguments.Add(Name, HostTest::ToDisplayString(Value));
}

void FSlotBase::HostReportSlotArgument(HostTest::FWidgetSnapshot& Out, const TCHAR* Name, float Value)
{
	Out.SlotArguments.Add(Name, HostTest::ToDisplayString(Value));
}

void FSlotBase::HostReportSlotArgument(HostTest::FWidgetSnapshot& Out, const TCHAR* Name, bool Value)
{
	Out.SlotArguments.Add(Name, HostTest::ToDisplayString(Value));
}

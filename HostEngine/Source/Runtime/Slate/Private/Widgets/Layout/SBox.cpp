#include "Widgets/Layout/SBox.h"
#include "HostTest/SlateProbe.h"

SBox::SBox()
	: ChildSlot(this)
{
}

void SBox::Construct(const FArguments& InArgs)
{
	WidthOverride = InArgs._WidthOverride;
	HeightOverride = InArgs._HeightOverride;
	MinDesiredWidth = InArgs._MinDesiredWidth;
	MinDesiredHeight = InArgs._MinDesiredHeight;
	MaxDesiredWidth = InArgs._MaxDesiredWidth;
	MaxDesiredHeight = InArgs._MaxDesiredHeight;
	MinAspectRatio = InArgs._MinAspectRatio;
	MaxAspectRatio = InArgs._MaxAspectRatio;

	ChildSlot
		.HAlign(InArgs._HAlign)
		.VAlign(InArgs._VAlign)
		.Padding(InArgs._Padding)
	[
		InArgs._Content.Widget
	];
}

void SBox::SetContent(const TSharedRef<SWidget>& InContent)
{
	ChildSlot[InContent];
}

void SBox::SetHAlign(EHorizontalAlignment HAlign)
{
	ChildSlot.SetHorizontalAlignment(HAlign);
}

void SBox::SetVAlign(EVerticalAlignment VAlign)
{
	ChildSlot.SetVerticalAlignment(VAlign);
}

void SBox::SetPadding(TAttribute<FMargin> InPadding)
{
	ChildSlot.SetPadding(MoveTemp(InPadding));
}

void SBox::SetWidthOverride(TAttribute<FOptionalSize> InWidthOverride)
{
	WidthOverride = MoveTemp(InWidthOverride);
}

void SBox::SetHeightOverride(TAttribute<FOptionalSize> InHeightOverride)
{
	HeightOverride = MoveTemp(InHeightOverride);
}

void SBox::SetMinDesiredWidth(TAttribute<FOptionalSize> InMinDesiredWidth)
{
	MinDesiredWidth = MoveTemp(InMinDesiredWidth);
}

void SBox::SetMinDesiredHeight(TAttribute<FOptionalSize> InMinDesiredHeight)
{
	MinDesiredHeight = MoveTemp(InMinDesiredHeight);
}

void SBox::SetMaxDesiredWidth(TAttribute<FOptionalSize> InMaxDesiredWidth)
{
	MaxDesiredWidth = MoveTemp(InMaxDesiredWidth);
}

void SBox::SetMaxDesiredHeight(TAttribute<FOptionalSize> InMaxDesiredHeight)
{
	MaxDesiredHeight = MoveTemp(InMaxDesiredHeight);
}

void SBox::SetMinAspectRatio(TAttribute<FOptionalSize> InMinAspectRatio)
{
	MinAspectRatio = MoveTemp(InMinAspectRatio);
}

void SBox::SetMaxAspectRatio(TAttribute<FOptionalSize> InMaxAspectRatio)
{
	MaxAspectRatio = MoveTemp(InMaxAspectRatio);
}

void SBox::HostPaint(HostTest::FWidgetSnapshot& Out) const
{
	SPanel::HostPaint(Out);
	auto Size = [](const TAttribute<FOptionalSize>& Attribute) { return HostTest::ToDisplayString(Attribute.Get(FOptionalSize())); };
	Out.Arguments.Add(TEXT("HAlign"), HostTest::ToDisplayString(ChildSlot.GetHorizontalAlignment()));
	Out.Arguments.Add(TEXT("VAlign"), HostTest::ToDisplayString(ChildSlot.GetVerticalAlignment()));
	Out.Arguments.Add(TEXT("Padding"), HostTest::ToDisplayString(ChildSlot.GetPadding()));
	Out.Arguments.Add(TEXT("WidthOverride"), Size(WidthOverride));
	Out.Arguments.Add(TEXT("HeightOverride"), Size(HeightOverride));
	Out.Arguments.Add(TEXT("MinDesiredWidth"), Size(MinDesiredWidth));
	Out.Arguments.Add(TEXT("MinDesiredHeight"), Size(MinDesiredHeight));
	Out.Arguments.Add(TEXT("MaxDesiredWidth"), Size(MaxDesiredWidth));
	Out.Arguments.Add(TEXT("MaxDesiredHeight"), Size(MaxDesiredHeight));
	Out.Arguments.Add(TEXT("MinAspectRatio"), Size(MinAspectRatio));
	Out.Arguments.Add(TEXT("MaxAspectRatio"), Size(MaxAspectRatio));
}

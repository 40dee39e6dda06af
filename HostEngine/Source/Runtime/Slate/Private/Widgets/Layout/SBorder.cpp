#include "Widgets/Layout/SBorder.h"
#include "HostTest/SlateProbe.h"

SBorder::SBorder()
	: BorderImage(&SBorder::GetDefaultBorderImage())
	, BorderBackgroundColor(FLinearColor::White)
	, DesiredSizeScale(FVector2D(1.0, 1.0))
	, ShowDisabledEffect(true)
	, bFlipForRightToLeftFlowDirection(false)
{
}

void SBorder::Construct(const FArguments& InArgs)
{
	BorderImage = InArgs._BorderImage;
	BorderBackgroundColor = InArgs._BorderBackgroundColor;
	ShowDisabledEffect = InArgs._ShowEffectWhenDisabled;
	bFlipForRightToLeftFlowDirection = InArgs._FlipForRightToLeftFlowDirection;
	SetColorAndOpacity(InArgs._ColorAndOpacity);
	SetForegroundColor(InArgs._ForegroundColor);

	ChildSlot
		.HAlign(InArgs._HAlign)
		.VAlign(InArgs._VAlign)
		.Padding(InArgs._Padding)
	[
		InArgs._Content.Widget
	];
}

void SBorder::SetContent(TSharedRef<SWidget> InContent)
{
	ChildSlot[InContent];
}

const TSharedRef<SWidget>& SBorder::GetContent() const
{
	return ChildSlot.GetWidget();
}

void SBorder::ClearContent()
{
	ChildSlot[SNullWidget::NullWidget];
}

void SBorder::SetBorderBackgroundColor(TAttribute<FSlateColor> InColorAndOpacity)
{
	BorderBackgroundColor = MoveTemp(InColorAndOpacity);
}

FSlateColor SBorder::GetBorderBackgroundColor() const
{
	return BorderBackgroundColor.Get(FLinearColor::White);
}

void SBorder::SetDesiredSizeScale(TAttribute<FVector2D> InDesiredSizeScale)
{
	DesiredSizeScale = MoveTemp(InDesiredSizeScale);
}

void SBorder::SetHAlign(EHorizontalAlignment HAlign)
{
	ChildSlot.SetHorizontalAlignment(HAlign);
}

void SBorder::SetVAlign(EVerticalAlignment VAlign)
{
	ChildSlot.SetVerticalAlignment(VAlign);
}

void SBorder::SetPadding(TAttribute<FMargin> InPadding)
{
	ChildSlot.SetPadding(MoveTemp(InPadding));
}

void SBorder::SetShowEffectWhenDisabled(TAttribute<bool> InShowEffectWhenDisabled)
{
	ShowDisabledEffect = MoveTemp(InShowEffectWhenDisabled);
}

void SBorder::SetBorderImage(TAttribute<const FSlateBrush*> InBorderImage)
{
	BorderImage = MoveTemp(InBorderImage);
}

const FSlateBrush& SBorder::GetDefaultBorderImage()
{
	static const FSlateBrush DefaultBorder;
	return DefaultBorder;
}

void SBorder::HostPaint(HostTest::FWidgetSnapshot& Out) const
{
	SCompoundWidget::HostPaint(Out);
	Out.Arguments.Add(TEXT("HAlign"), HostTest::ToDisplayString(ChildSlot.GetHorizontalAlignment()));
	Out.Arguments.Add(TEXT("VAlign"), HostTest::ToDisplayString(ChildSlot.GetVerticalAlignment()));
	Out.Arguments.Add(TEXT("Padding"), HostTest::ToDisplayString(ChildSlot.GetPadding()));
	Out.Arguments.Add(TEXT("BorderImage"), HostTest::DescribeStylePointer(BorderImage.Get(nullptr), &GetDefaultBorderImage()));
	Out.Arguments.Add(TEXT("BorderBackgroundColor"), HostTest::ToDisplayString(GetBorderBackgroundColor()));
	Out.Arguments.Add(TEXT("ForegroundColor"), HostTest::ToDisplayString(GetForegroundColor()));
	Out.Arguments.Add(TEXT("ColorAndOpacity"), HostTest::ToDisplayString(GetColorAndOpacity()));
	Out.Arguments.Add(TEXT("ShowEffectWhenDisabled"), HostTest::ToDisplayString(ShowDisabledEffect.Get(true)));
	Out.Arguments.Add(TEXT("FlipForRightToLeftFlowDirection"), HostTest::ToDisplayString(bFlipForRightToLeftFlowDirection));
}

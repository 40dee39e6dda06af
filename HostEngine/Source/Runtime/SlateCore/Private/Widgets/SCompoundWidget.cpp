#include "Widgets/SCompoundWidget.h"

SCompoundWidget::SCompoundWidget()
	: ChildSlot(this)
	, ColorAndOpacity(FLinearColor::White)
	, ForegroundColor(FSlateColor::UseForeground())
{
}

SCompoundWidget::~SCompoundWidget() = default;

const FLinearColor& SCompoundWidget::GetColorAndOpacity() const
{
	return ColorAndOpacity.Get();
}

void SCompoundWidget::SetColorAndOpacity(TAttribute<FLinearColor> InColorAndOpacity)
{
	ColorAndOpacity = MoveTemp(InColorAndOpacity);
}

FSlateColor SCompoundWidget::GetForegroundColor() const
{
	return ForegroundColor.Get(FSlateColor::UseForeground());
}

void SCompoundWidget::SetForegroundColor(TAttribute<FSlateColor> InForegroundColor)
{
	ForegroundColor = MoveTemp(InForegroundColor);
}

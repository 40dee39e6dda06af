#include "Styling/SlateColor.h"

namespace
{
	// What an unusable colour shows as, so that it stands out on screen.
	const FLinearColor InvalidColor(1.0f, 0.0f, 1.0f, 1.0f);
}

FSlateColor::FSlateColor()
	: SpecifiedColor(InvalidColor)
	, ColorUseRule(ESlateColorStylingMode::UseColor_Specified)
{
}

FSlateColor::FSlateColor(const FLinearColor& InColor)
	: SpecifiedColor(InColor)
	, ColorUseRule(ESlateColorStylingMode::UseColor_Specified)
{
}

FSlateColor::FSlateColor(const FColor InColor)
	: SpecifiedColor(FLinearColor(InColor))
	, ColorUseRule(ESlateColorStylingMode::UseColor_Specified)
{
}

FSlateColor::FSlateColor(const TSharedRef<FLinearColor>& InColor)
	: SpecifiedColor(InvalidColor)
	, LinkedSpecifiedColor(InColor)
	, ColorUseRule(ESlateColorStylingMode::UseColor_Specified)
{
}

FSlateColor::FSlateColor(ESlateColorStylingMode InColorUseRule)
	: SpecifiedColor(InvalidColor)
	, ColorUseRule(InColorUseRule)
{
}

const FLinearColor& FSlateColor::GetSpecifiedColor() const
{
	if (ColorUseRule != ESlateColorStylingMode::UseColor_Specified)
	{
		return InvalidColor;
	}
	return LinkedSpecifiedColor.IsValid() ? *LinkedSpecifiedColor : SpecifiedColor;
}

FLinearColor FSlateColor::GetColor(const FLinearColor& InForegroundColor) const
{
	switch (ColorUseRule)
	{
	case ESlateColorStylingMode::UseColor_Specified:
		return GetSpecifiedColor();
	case ESlateColorStylingMode::UseColor_Foreground:
		return InForegroundColor;
	case ESlateColorStylingMode::UseColor_Foreground_Subdued:
		return InForegroundColor.CopyWithNewOpacity(InForegroundColor.A * 0.5f);
	default:
		return InvalidColor;
	}
}

bool FSlateColor::operator==(const FSlateColor& Other) const
{
	if (ColorUseRule != Other.ColorUseRule)
	{
		return false;
	}
	if (ColorUseRule != ESlateColorStylingMode::UseColor_Specified)
	{
		return true;
	}
	return GetSpecifiedColor() == Other.GetSpecifiedColor();
}

#pragma once

#include "CoreMinimal.h"

/** Where a slate colour takes its value from. */
enum class ESlateColorStylingMode : uint8
{
	/** The colour given to the FSlateColor. */
	UseColor_Specified,
	/** A colour of the active style's colour table. */
	UseColor_ColorTable,
	/** The foreground colour the parent widget passes down. */
	UseColor_Foreground,
	/** The parent's foreground colour, subdued. */
	UseColor_Foreground_Subdued,
	/** Whatever the widget's style says. */
	UseColor_UseStyle,
};

/** A colour for a widget: a fixed colour, or one the widget's context supplies. */
struct SLATECORE_API FSlateColor
{
	/** An invalid colour (fuchsia), so that a colour left unset shows. */
	FSlateColor();

	FSlateColor(const FLinearColor& InColor);

	FSlateColor(const FColor InColor);

	/** Follows the shared colour, which may change after construction. */
	FSlateColor(const TSharedRef<FLinearColor>& InColor);

	static FSlateColor UseForeground()
	{
		return FSlateColor(ESlateColorStylingMode::UseColor_Foreground);
	}

	static FSlateColor UseSubduedForeground()
	{
		return FSlateColor(ESlateColorStylingMode::UseColor_Foreground_Subdued);
	}

	static FSlateColor UseStyle()
	{
		return FSlateColor(ESlateColorStylingMode::UseColor_UseStyle);
	}

	/** The specified colour; other modes give the fallback fuchsia. */
	const FLinearColor& GetSpecifiedColor() const;

	/** The colour to use, given the foreground the context passes down. */
	FLinearColor GetColor(const FLinearColor& InForegroundColor) const;

	bool IsColorSpecified() const
	{
		return ColorUseRule == ESlateColorStylingMode::UseColor_Specified;
	}

	ESlateColorStylingMode GetColorUseRule() const
	{
		return ColorUseRule;
	}

	bool operator==(const FSlateColor& Other) const;

	bool operator!=(const FSlateColor& Other) const
	{
		return !(*this == Other);
	}

private:
	explicit FSlateColor(ESlateColorStylingMode InColorUseRule);

	FLinearColor SpecifiedColor;
	TSharedPtr<FLinearColor> LinkedSpecifiedColor;
	ESlateColorStylingMode ColorUseRule;
};

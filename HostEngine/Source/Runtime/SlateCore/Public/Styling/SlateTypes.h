#pragma once

#include "CoreMinimal.h"
#include "Fonts/SlateFontInfo.h"
#include "Layout/Margin.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateColor.h"
#include "Styling/SlateWidgetStyle.h"

/** How a text block draws its text. */
struct SLATECORE_API FTextBlockStyle : public FSlateWidgetStyle
{
	FTextBlockStyle();

	static const FName TypeName;
	virtual const FName GetTypeName() const override
	{
		return TypeName;
	}

	/** The style text blocks use when none is given. */
	static const FTextBlockStyle& GetDefault();

	FTextBlockStyle& SetFont(const FSlateFontInfo& InFont)
	{
		Font = InFont;
		return *this;
	}

	FTextBlockStyle& SetColorAndOpacity(const FSlateColor& InColorAndOpacity)
	{
		ColorAndOpacity = InColorAndOpacity;
		return *this;
	}

	FTextBlockStyle& SetShadowColorAndOpacity(const FLinearColor& InShadowColorAndOpacity)
	{
		ShadowColorAndOpacity = InShadowColorAndOpacity;
		return *this;
	}

	FTextBlockStyle& SetHighlightColor(const FLinearColor& InHighlightColor)
	{
		HighlightColor = InHighlightColor;
		return *this;
	}

	FSlateFontInfo Font;
	FSlateColor ColorAndOpacity;
	FLinearColor ShadowColorAndOpacity;
	FLinearColor HighlightColor;
};

/** How a button draws in each of its states. */
struct SLATECORE_API FButtonStyle : public FSlateWidgetStyle
{
	FButtonStyle();

	static const FName TypeName;
	virtual const FName GetTypeName() const override
	{
		return TypeName;
	}

	/** The style buttons use when none is given. */
	static const FButtonStyle& GetDefault();

	FButtonStyle& SetNormal(const FSlateBrush& InNormal)
	{
		Normal = InNormal;
		return *this;
	}

	FButtonStyle& SetNormalPadding(const FMargin& InNormalPadding)
	{
		NormalPadding = InNormalPadding;
		return *this;
	}

	FButtonStyle& SetPressedPadding(const FMargin& InPressedPadding)
	{
		PressedPadding = InPressedPadding;
		return *this;
	}

	FSlateBrush Normal;
	FSlateBrush Hovered;
	FSlateBrush Pressed;
	FSlateBrush Disabled;
	FSlateColor NormalForeground;
	FSlateColor HoveredForeground;
	FSlateColor PressedForeground;
	FSlateColor DisabledForeground;
	FMargin NormalPadding;
	FMargin PressedPadding;
};

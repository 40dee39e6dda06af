#pragma once

#include "CoreMinimal.h"
#include "Fonts/SlateFontInfo.h"
#include "Framework/Text/TextLayout.h"
#include "Layout/Margin.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateColor.h"
#include "Styling/SlateTypes.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

/** Shows a text. Attributes left unset take their value from the text style. */
class SLATE_API STextBlock : public SLeafWidget
{
	SLATE_DECLARE_WIDGET(STextBlock, SLeafWidget)

public:
	SLATE_BEGIN_ARGS(STextBlock)
		: _TextStyle(&FTextBlockStyle::GetDefault())
		, _WrapTextAt(0.0f)
		, _AutoWrapText(false)
		, _WrappingPolicy(ETextWrappingPolicy::DefaultWrapping)
		, _TransformPolicy(ETextTransformPolicy::None)
		, _Margin(FMargin())
		, _LineHeightPercentage(1.0f)
		, _ApplyLineHeightToBottomLine(true)
		, _Justification(ETextJustify::Left)
		, _MinDesiredWidth(0.0f)
		, _SimpleTextMode(false)
	{
	}
		/** The text shown. */
		SLATE_ATTRIBUTE(FText, Text)
		SLATE_STYLE_ARGUMENT(FTextBlockStyle, TextStyle)
		SLATE_ATTRIBUTE(FSlateFontInfo, Font)
		SLATE_ATTRIBUTE(const FSlateBrush*, StrikeBrush)
		SLATE_ATTRIBUTE(FSlateColor, ColorAndOpacity)
		SLATE_ATTRIBUTE(FVector2D, ShadowOffset)
		SLATE_ATTRIBUTE(FLinearColor, ShadowColorAndOpacity)
		SLATE_ATTRIBUTE(FLinearColor, HighlightColor)
		SLATE_ATTRIBUTE(const FSlateBrush*, HighlightShape)
		/** Parts of the text matching this are highlighted. */
		SLATE_ATTRIBUTE(FText, HighlightText)
		/** Wraps at this width; 0 does not wrap at a fixed width. */
		SLATE_ATTRIBUTE(float, WrapTextAt)
		/** Wraps at the width the block is given. */
		SLATE_ATTRIBUTE(bool, AutoWrapText)
		SLATE_ATTRIBUTE(ETextWrappingPolicy, WrappingPolicy)
		SLATE_ATTRIBUTE(ETextTransformPolicy, TransformPolicy)
		SLATE_ATTRIBUTE(FMargin, Margin)
		SLATE_ATTRIBUTE(float, LineHeightPercentage)
		SLATE_ATTRIBUTE(bool, ApplyLineHeightToBottomLine)
		SLATE_ATTRIBUTE(ETextJustify::Type, Justification)
		SLATE_ATTRIBUTE(float, MinDesiredWidth)
		SLATE_ARGUMENT(TOptional<ETextShapingMethod>, TextShapingMethod)
		SLATE_ARGUMENT(TOptional<ETextFlowDirection>, TextFlowDirection)
		SLATE_ARGUMENT(TOptional<ETextOverflowPolicy>, OverflowPolicy)
		SLATE_ARGUMENT(bool, SimpleTextMode)
	SLATE_END_ARGS()

	STextBlock();
	virtual ~STextBlock();

	void Construct(const FArguments& InArgs);

	/** The text now: a bound text is read at each call. */
	const FText& GetText() const;

	void SetText(TAttribute<FText> InText);
	void SetHighlightText(TAttribute<FText> InText);
	void SetFont(TAttribute<FSlateFontInfo> InFont);
	void SetStrikeBrush(TAttribute<const FSlateBrush*> InStrikeBrush);
	void SetColorAndOpacity(TAttribute<FSlateColor> InColorAndOpacity);
	void SetTextStyle(const FTextBlockStyle* InTextStyle);
	void SetTextShapingMethod(const TOptional<ETextShapingMethod>& InTextShapingMethod);
	void SetTextFlowDirection(const TOptional<ETextFlowDirection>& InTextFlowDirection);
	void SetWrapTextAt(TAttribute<float> InWrapTextAt);
	void SetAutoWrapText(TAttribute<bool> InAutoWrapText);
	void SetWrappingPolicy(TAttribute<ETextWrappingPolicy> InWrappingPolicy);
	void SetTransformPolicy(TAttribute<ETextTransformPolicy> InTransformPolicy);
	void SetOverflowPolicy(TOptional<ETextOverflowPolicy> InOverflowPolicy);
	void SetShadowOffset(TAttribute<FVector2D> InShadowOffset);
	void SetShadowColorAndOpacity(TAttribute<FLinearColor> InShadowColorAndOpacity);
	void SetMinDesiredWidth(TAttribute<float> InMinDesiredWidth);
	void SetLineHeightPercentage(TAttribute<float> InLineHeightPercentage);
	void SetApplyLineHeightToBottomLine(TAttribute<bool> InApplyLineHeightToBottomLine);
	void SetMargin(TAttribute<FMargin> InMargin);
	void SetJustification(TAttribute<ETextJustify::Type> InJustification);

	/** The font: the one given, else the style's. */
	FSlateFontInfo GetFont() const;

	/** The colour: the one given, else the style's. */
	FSlateColor GetColorAndOpacity() const;

	virtual void HostPaint(HostTest::FWidgetSnapshot& Out) const override;

private:
	TAttribute<FText> BoundText;
	const FTextBlockStyle* TextStyle;
	TAttribute<FSlateFontInfo> Font;
	TAttribute<const FSlateBrush*> StrikeBrush;
	TAttribute<FSlateColor> ColorAndOpacity;
	TAttribute<FVector2D> ShadowOffset;
	TAttribute<FLinearColor> ShadowColorAndOpacity;
	TAttribute<FLinearColor> HighlightColor;
	TAttribute<const FSlateBrush*> HighlightShape;
	TAttribute<FText> HighlightText;
	TAttribute<float> WrapTextAt;
	TAttribute<bool> AutoWrapText;
	TAttribute<ETextWrappingPolicy> WrappingPolicy;
	TAttribute<ETextTransformPolicy> TransformPolicy;
	TAttribute<FMargin> Margin;
	TAttribute<float> LineHeightPercentage;
	TAttribute<bool> ApplyLineHeightToBottomLine;
	TAttribute<ETextJustify::Type> Justification;
	TAttribute<float> MinDesiredWidth;
	TOptional<ETextShapingMethod> TextShapingMethod;
	TOptional<ETextFlowDirection> TextFlowDirection;
	TOptional<ETextOverflowPolicy> OverflowPolicy;
	bool bSimpleTextMode;
};

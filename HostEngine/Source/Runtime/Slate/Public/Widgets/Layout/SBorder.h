#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateColor.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

/** Draws a brush behind its one child, with padding and alignment for the child. */
class SLATE_API SBorder : public SCompoundWidget
{
	SLATE_DECLARE_WIDGET(SBorder, SCompoundWidget)

public:
	SLATE_BEGIN_ARGS(SBorder)
		: _HAlign(HAlign_Fill)
		, _VAlign(VAlign_Fill)
		, _Padding(FMargin(2.0f))
		, _BorderImage(&SBorder::GetDefaultBorderImage())
		, _BorderBackgroundColor(FLinearColor::White)
		, _ForegroundColor(FSlateColor::UseForeground())
		, _ColorAndOpacity(FLinearColor(1.0f, 1.0f, 1.0f, 1.0f))
		, _ShowEffectWhenDisabled(true)
		, _FlipForRightToLeftFlowDirection(false)
	{
	}
		SLATE_DEFAULT_SLOT(FArguments, Content)
		SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
		SLATE_ARGUMENT(EVerticalAlignment, VAlign)
		SLATE_ATTRIBUTE(FMargin, Padding)
		SLATE_ATTRIBUTE(const FSlateBrush*, BorderImage)
		SLATE_ATTRIBUTE(FSlateColor, BorderBackgroundColor)
		SLATE_ATTRIBUTE(FSlateColor, ForegroundColor)
		SLATE_ATTRIBUTE(FLinearColor, ColorAndOpacity)
		SLATE_ATTRIBUTE(bool, ShowEffectWhenDisabled)
		SLATE_ARGUMENT(bool, FlipForRightToLeftFlowDirection)
	SLATE_END_ARGS()

	SBorder();

	void Construct(const FArguments& InArgs);

	void SetContent(TSharedRef<SWidget> InContent);
	const TSharedRef<SWidget>& GetContent() const;
	void ClearContent();

	void SetBorderBackgroundColor(TAttribute<FSlateColor> InColorAndOpacity);
	FSlateColor GetBorderBackgroundColor() const;
	void SetDesiredSizeScale(TAttribute<FVector2D> InDesiredSizeScale);
	void SetHAlign(EHorizontalAlignment HAlign);
	void SetVAlign(EVerticalAlignment VAlign);
	void SetPadding(TAttribute<FMargin> InForegroundColor);
	void SetShowEffectWhenDisabled(TAttribute<bool> InShowEffectWhenDisabled);
	void SetBorderImage(TAttribute<const FSlateBrush*> InBorderImage);

	/** The brush a border draws when none is given. */
	static const FSlateBrush& GetDefaultBorderImage();

	virtual void HostPaint(HostTest::FWidgetSnapshot& Out) const override;

protected:
	TAttribute<const FSlateBrush*> BorderImage;
	TAttribute<FSlateColor> BorderBackgroundColor;
	TAttribute<FVector2D> DesiredSizeScale;
	TAttribute<bool> ShowDisabledEffect;
	bool bFlipForRightToLeftFlowDirection;
};

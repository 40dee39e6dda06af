#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "Layout/BasicLayoutWidgetSlot.h"
#include "Layout/Children.h"
#include "Styling/SlateColor.h"
#include "Widgets/SWidget.h"

/** The one child slot of a compound widget: `ChildSlot.HAlign(...).Padding(...)[ Content ]`. */
struct FCompoundWidgetOneChildSlot : public TSingleWidgetChildrenWithBasicLayoutSlot<EInvalidateWidgetReason::None>
{
	using TSingleWidgetChildrenWithBasicLayoutSlot<EInvalidateWidgetReason::None>::TSingleWidgetChildrenWithBasicLayoutSlot;
};

/** A widget made of other widgets, which it places in its one ChildSlot in Construct. */
class SLATECORE_API SCompoundWidget : public SWidget
{
	SLATE_DECLARE_WIDGET(SCompoundWidget, SWidget)

public:
	virtual FChildren* GetChildren() override
	{
		return &ChildSlot;
	}

	/** The colour and opacity the widget multiplies its content by. */
	const FLinearColor& GetColorAndOpacity() const;

	void SetColorAndOpacity(TAttribute<FLinearColor> InColorAndOpacity);

	/** The foreground colour the widget passes to its content. */
	FSlateColor GetForegroundColor() const;

	void SetForegroundColor(TAttribute<FSlateColor> InForegroundColor);

protected:
	SCompoundWidget();
	virtual ~SCompoundWidget();

	FCompoundWidgetOneChildSlot ChildSlot;

	TAttribute<FLinearColor> ColorAndOpacity;
	TAttribute<FSlateColor> ForegroundColor;
};

#pragma once

#include "CoreMinimal.h"
#include "Layout/BasicLayoutWidgetSlot.h"
#include "Layout/Children.h"
#include "Layout/Margin.h"
#include "Types/SlateEnums.h"
#include "Types/SlateStructs.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

/** Holds one child and can override the size it asks for. */
class SLATE_API SBox : public SPanel
{
	SLATE_DECLARE_WIDGET(SBox, SPanel)

public:
	SLATE_BEGIN_ARGS(SBox)
		: _HAlign(HAlign_Fill)
		, _VAlign(VAlign_Fill)
		, _Padding(FMargin(0.0f))
		, _WidthOverride(FOptionalSize())
		, _HeightOverride(FOptionalSize())
		, _MinDesiredWidth(FOptionalSize())
		, _MinDesiredHeight(FOptionalSize())
		, _MaxDesiredWidth(FOptionalSize())
		, _MaxDesiredHeight(FOptionalSize())
		, _MinAspectRatio(FOptionalSize())
		, _MaxAspectRatio(FOptionalSize())
	{
	}
		SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
		SLATE_ARGUMENT(EVerticalAlignment, VAlign)
		SLATE_ATTRIBUTE(FMargin, Padding)
		SLATE_DEFAULT_SLOT(FArguments, Content)
		/** A fixed width, whatever the content asks for. */
		SLATE_ATTRIBUTE(FOptionalSize, WidthOverride)
		SLATE_ATTRIBUTE(FOptionalSize, HeightOverride)
		SLATE_ATTRIBUTE(FOptionalSize, MinDesiredWidth)
		SLATE_ATTRIBUTE(FOptionalSize, MinDesiredHeight)
		SLATE_ATTRIBUTE(FOptionalSize, MaxDesiredWidth)
		SLATE_ATTRIBUTE(FOptionalSize, MaxDesiredHeight)
		SLATE_ATTRIBUTE(FOptionalSize, MinAspectRatio)
		SLATE_ATTRIBUTE(FOptionalSize, MaxAspectRatio)

		FArguments& Padding(float Uniform)
		{
			return Padding(TAttribute<FMargin>(FMargin(Uniform)));
		}

		FArguments& Padding(float Horizontal, float Vertical)
		{
			return Padding(TAttribute<FMargin>(FMargin(Horizontal, Vertical)));
		}

		FArguments& Padding(float Left, float Top, float Right, float Bottom)
		{
			return Padding(TAttribute<FMargin>(FMargin(Left, Top, Right, Bottom)));
		}
	SLATE_END_ARGS()

	SBox();

	void Construct(const FArguments& InArgs);

	virtual FChildren* GetChildren() override
	{
		return &ChildSlot;
	}

	void SetContent(const TSharedRef<SWidget>& InContent);
	void SetHAlign(EHorizontalAlignment HAlign);
	void SetVAlign(EVerticalAlignment VAlign);
	void SetPadding(TAttribute<FMargin> InPadding);
	void SetWidthOverride(TAttribute<FOptionalSize> InWidthOverride);
	void SetHeightOverride(TAttribute<FOptionalSize> InHeightOverride);
	void SetMinDesiredWidth(TAttribute<FOptionalSize> InMinDesiredWidth);
	void SetMinDesiredHeight(TAttribute<FOptionalSize> InMinDesiredHeight);
	void SetMaxDesiredWidth(TAttribute<FOptionalSize> InMaxDesiredWidth);
	void SetMaxDesiredHeight(TAttribute<FOptionalSize> InMaxDesiredHeight);
	void SetMinAspectRatio(TAttribute<FOptionalSize> InMinAspectRatio);
	void SetMaxAspectRatio(TAttribute<FOptionalSize> InMaxAspectRatio);

	virtual void HostPaint(HostTest::FWidgetSnapshot& Out) const override;

protected:
	FSingleWidgetChildrenWithBasicLayoutSlot ChildSlot;

	TAttribute<FOptionalSize> WidthOverride;
	TAttribute<FOptionalSize> HeightOverride;
	TAttribute<FOptionalSize> MinDesiredWidth;
	TAttribute<FOptionalSize> MinDesiredHeight;
	TAttribute<FOptionalSize> MaxDesiredWidth;
	TAttribute<FOptionalSize> MaxDesiredHeight;
	TAttribute<FOptionalSize> MinAspectRatio;
	TAttribute<FOptionalSize> MaxAspectRatio;
};

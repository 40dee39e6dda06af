#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Widgets/SWidget.h"

/** A widget without children: it draws itself only. */
class SLATECORE_API SLeafWidget : public SWidget
{
	SLATE_DECLARE_WIDGET(SLeafWidget, SWidget)

public:
	SLeafWidget();
	virtual ~SLeafWidget();

	virtual FChildren* GetChildren() override final;

	virtual void SetVisibility(TAttribute<EVisibility> InVisibility) override;
};

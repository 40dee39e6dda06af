#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Widgets/SWidget.h"

/** A widget that lays out any number of children in slots. */
class SLATECORE_API SPanel : public SWidget
{
	SLATE_DECLARE_WIDGET(SPanel, SWidget)

public:
	/** Panels have no arguments of their own to take. */
	void Construct()
	{
	}

	virtual FChildren* GetChildren() override = 0;

protected:
	SPanel();
	virtual ~SPanel();
};

#pragma once

#include "CoreMinimal.h"

/** What changed about a widget, and so what Slate must recompute. */
enum class EInvalidateWidgetReason : uint8
{
	None = 0,
	Layout = 1 << 0,
	Paint = 1 << 1,
	Volatility = 1 << 2,
	ChildOrder = 1 << 3,
	RenderTransform = 1 << 4,
	Visibility = 1 << 5,
	AttributeRegistration = 1 << 6,
	Prepass = 1 << 7,
};
ENUM_CLASS_FLAGS(EInvalidateWidgetReason)

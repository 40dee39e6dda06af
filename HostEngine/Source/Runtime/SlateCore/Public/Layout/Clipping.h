#pragma once

#include "CoreMinimal.h"

/** Whether a widget clips its own and its children's drawing to its bounds. */
enum class EWidgetClipping : uint8
{
	Inherit,
	ClipToBounds,
	ClipToBoundsWithoutIntersecting,
	ClipToBoundsAlways,
	OnDemand,
};

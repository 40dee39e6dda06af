#pragma once

#include "CoreMinimal.h"

/** Base of the style structs that describe how a kind of widget looks. */
struct SLATECORE_API FSlateWidgetStyle
{
	FSlateWidgetStyle() = default;
	virtual ~FSlateWidgetStyle() = default;

	virtual const FName GetTypeName() const
	{
		return FName();
	}
};

#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Styling/SlateColor.h"

/** How a brush draws. */
namespace ESlateBrushDrawType
{
	enum Type : int
	{
		NoDrawType,
		Box,
		Border,
		Image,
		RoundedBox,
	};
}

/** An image or box a widget draws with. The host draws nothing; brushes only carry their settings. */
struct SLATECORE_API FSlateBrush
{
	FSlateBrush();
	virtual ~FSlateBrush() = default;

	FVector2D ImageSize;
	FMargin Margin;
	FSlateColor TintColor;
	ESlateBrushDrawType::Type DrawAs;

	const FName GetResourceName() const
	{
		return ResourceName;
	}

protected:
	FName ResourceName;
};

/** A brush that draws nothing. */
struct SLATECORE_API FSlateNoResource : public FSlateBrush
{
	FSlateNoResource();
};

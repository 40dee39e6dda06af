#pragma once

#include "CoreMinimal.h"

namespace ETextJustify
{
	enum Type : int
	{
		Left,
		Center,
		Right,
		InvariantLeft,
		InvariantRight,
	};
}

/** Where long lines may be broken when text wraps. */
enum class ETextWrappingPolicy : uint8
{
	DefaultWrapping = 0,
	AllowPerCharacterWrapping,
};

enum class ETextFlowDirection : uint8
{
	Auto = 0,
	LeftToRight,
	RightToLeft,
	Culture,
};

enum class ETextShapingMethod : uint8
{
	Auto = 0,
	KerningOnly,
	FullShaping,
};

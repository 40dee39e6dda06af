#pragma once

#include "CoreMinimal.h"

/** Base of every widget: widgets are made with SNew/SAssignNew, which construct them in two steps. */
class SLATECORE_API FSlateControlledConstruction
{
public:
	FSlateControlledConstruction() = default;
	virtual ~FSlateControlledConstruction() = default;

	FSlateControlledConstruction(const FSlateControlledConstruction&) = delete;
	FSlateControlledConstruction& operator=(const FSlateControlledConstruction&) = delete;
};

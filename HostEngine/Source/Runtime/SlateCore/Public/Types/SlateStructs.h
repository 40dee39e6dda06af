#pragma once

#include "CoreMinimal.h"

/** A size that may be left unset, in which case the widget computes its own. */
struct FOptionalSize
{
	FOptionalSize() = default;

	FOptionalSize(const float SpecifiedSize)
		: Size(SpecifiedSize)
	{
	}

	bool IsSet() const
	{
		return Size != Unspecified;
	}

	float Get() const
	{
		return Size;
	}

	bool operator==(const FOptionalSize& Other) const
	{
		return Size == Other.Size;
	}

private:
	static constexpr float Unspecified = -1.0f;

	float Size = Unspecified;
};

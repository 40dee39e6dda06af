#pragma once

#include "CoreMinimal.h"
#include "Types/SlateEnums.h"

/** Space around the four sides of a widget, in slate units. */
struct FMargin
{
	float Left = 0.0f;
	float Top = 0.0f;
	float Right = 0.0f;
	float Bottom = 0.0f;

	FMargin() = default;

	FMargin(float UniformMargin)
		: Left(UniformMargin)
		, Top(UniformMargin)
		, Right(UniformMargin)
		, Bottom(UniformMargin)
	{
	}

	FMargin(float Horizontal, float Vertical)
		: Left(Horizontal)
		, Top(Vertical)
		, Right(Horizontal)
		, Bottom(Vertical)
	{
	}

	/** Doubles, so that any mix of integer and floating-point literals picks this one. */
	FMargin(double InLeft, double InTop, double InRight, double InBottom)
		: Left(static_cast<float>(InLeft))
		, Top(static_cast<float>(InTop))
		, Right(static_cast<float>(InRight))
		, Bottom(static_cast<float>(InBottom))
	{
	}

	FMargin operator+(const FMargin& Other) const
	{
		return FMargin(Left + Other.Left, Top + Other.Top, Right + Other.Right, Bottom + Other.Bottom);
	}

	FMargin operator-(const FMargin& Other) const
	{
		return FMargin(Left - Other.Left, Top - Other.Top, Right - Other.Right, Bottom - Other.Bottom);
	}

	FMargin operator*(float Scale) const
	{
		return FMargin(Left * Scale, Top * Scale, Right * Scale, Bottom * Scale);
	}

	bool operator==(const FMargin& Other) const
	{
		return Left == Other.Left && Top == Other.Top && Right == Other.Right && Bottom == Other.Bottom;
	}

	bool operator!=(const FMargin& Other) const
	{
		return !(*this == Other);
	}

	float GetTotalSpaceAlong(EOrientation Orientation) const;
};

inline float FMargin::GetTotalSpaceAlong(EOrientation Orientation) const
{
	return Orientation == Orient_Horizontal ? Left + Right : Top + Bottom;
}

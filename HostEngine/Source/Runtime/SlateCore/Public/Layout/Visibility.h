#pragma once

#include "CoreMinimal.h"

/** Whether a widget is drawn, takes up space, and receives the pointer. */
struct SLATECORE_API EVisibility
{
	/** Drawn and hit-testable. */
	static const EVisibility Visible;
	/** Not drawn and takes up no space. */
	static const EVisibility Collapsed;
	/** Not drawn but takes up space. */
	static const EVisibility Hidden;
	/** Drawn; neither it nor its children take the pointer. */
	static const EVisibility HitTestInvisible;
	/** Drawn; it does not take the pointer, its children may. */
	static const EVisibility SelfHitTestInvisible;
	/** Any visibility; only for filters. */
	static const EVisibility All;

	constexpr EVisibility()
		: Value(VIS_Visible)
	{
	}

	bool operator==(const EVisibility& Other) const
	{
		return Value == Other.Value;
	}

	bool operator!=(const EVisibility& Other) const
	{
		return Value != Other.Value;
	}

	bool AreChildrenHitTestVisible() const
	{
		return (Value & VIS_ChildrenHitTestVisible) != 0;
	}

	bool IsHitTestVisible() const
	{
		return (Value & VIS_SelfHitTestVisible) != 0;
	}

	bool IsVisible() const
	{
		return (Value & VIS_Visible) != 0;
	}

	FString ToString() const;

private:
	enum Private
	{
		VIS_Visible = 1 << 0,
		VIS_Hidden = 1 << 1,
		VIS_Collapsed = 1 << 2,
		VIS_SelfHitTestVisible = 1 << 3,
		VIS_ChildrenHitTestVisible = 1 << 4,

		VIS_Drawn = VIS_Visible,
		VIS_HitTestVisible = VIS_SelfHitTestVisible | VIS_ChildrenHitTestVisible,
		VIS_All = VIS_Visible | VIS_Hidden | VIS_Collapsed | VIS_HitTestVisible,
	};

	constexpr explicit EVisibility(int32 InValue)
		: Value(InValue)
	{
	}

	int32 Value;
};

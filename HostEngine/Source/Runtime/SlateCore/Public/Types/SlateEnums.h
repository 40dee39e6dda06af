#pragma once

#include "CoreMinimal.h"

/** How a widget is placed horizontally within the space its slot gives it. */
enum EHorizontalAlignment : int
{
	HAlign_Fill = 0,
	HAlign_Left,
	HAlign_Center,
	HAlign_Right,
};

/** How a widget is placed vertically within the space its slot gives it. */
enum EVerticalAlignment : int
{
	VAlign_Fill = 0,
	VAlign_Top,
	VAlign_Center,
	VAlign_Bottom,
};

enum EOrientation : int
{
	Orient_Horizontal,
	Orient_Vertical,
};

/** Which mouse actions make a button fire its click. */
namespace EButtonClickMethod
{
	enum Type : int
	{
		DownAndUp,
		MouseDown,
		MouseUp,
		PreciseClick,
	};
}

namespace EButtonTouchMethod
{
	enum Type : int
	{
		DownAndUp,
		Down,
		PreciseTap,
	};
}

namespace EButtonPressMethod
{
	enum Type : int
	{
		DownAndUp,
		ButtonPress,
		ButtonRelease,
	};
}

/** How text is transformed before display. */
enum class ETextTransformPolicy : uint8
{
	None = 0,
	ToLower,
	ToUpper,
};

/** What text does when it does not fit. */
enum class ETextOverflowPolicy : uint8
{
	Clip = 0,
	Ellipsis,
	MultilineEllipsis,
};

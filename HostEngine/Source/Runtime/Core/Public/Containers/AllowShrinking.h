#pragma once

#include "CoreTypes.h"

/** Whether a container may release memory when elements are removed. */
enum class EAllowShrinking : uint8
{
	No,
	Yes,
	Default = Yes,
};

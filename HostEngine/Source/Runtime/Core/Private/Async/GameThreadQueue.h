#pragma once

#include "CoreTypes.h"

namespace UE::Host
{
	/** Runs the game-thread tasks queued so far; returns how many ran. */
	int32 RunGameThreadTasks();
}

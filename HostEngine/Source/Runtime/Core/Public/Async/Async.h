#pragma once

#include "CoreTypes.h"
#include "Async/TaskGraphInterfaces.h"
#include "Templates/Function.h"
#include "Templates/UnrealTemplate.h"

/**
 * Runs Function on the named thread. Game-thread work waits in a queue until the game thread next
 * ticks (in the host: whoever pumps HostTest::TickGameThread); work for any other thread runs on a new
 * thread of its own.
 */
CORE_API void AsyncTask(ENamedThreads::Type Thread, TUniqueFunction<void()> Function);

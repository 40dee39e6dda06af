#pragma once

#include "CoreMinimal.h"
#include "Delegates/Delegate.h"

/** Engine-wide events any module may listen to. */
class FCoreDelegates
{
public:
	/**
	 * Broadcast while the engine shuts down, after the engine's own pre-exit work and before any module
	 * is unloaded: the place to stop work that runs code of a module (a child process and its callbacks).
	 */
	static CORE_API FSimpleMulticastDelegate OnPreExit;

	/** Broadcast when the engine loop begins to shut down, before OnPreExit. */
	static CORE_API FSimpleMulticastDelegate OnEnginePreExit;
};

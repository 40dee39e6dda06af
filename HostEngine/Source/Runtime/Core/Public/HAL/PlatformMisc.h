#pragma once

#include "HAL/Platform.h"

/** The few platform services the host provides. */
struct FPlatformMisc
{
	/** Writes a line to the debugger / standard error stream. */
	static CORE_API void LowLevelOutputDebugString(const TCHAR* Message);

	/** True when a debugger is attached; the host never assumes one. */
	static bool IsDebuggerPresent()
	{
		return false;
	}

	/** Asks the process to end; the host exits at once with the given code. */
	static CORE_API void RequestExitWithStatus(bool bForce, uint8 ReturnCode);
};

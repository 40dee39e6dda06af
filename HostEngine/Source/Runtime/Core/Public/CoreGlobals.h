#pragma once

#include "CoreTypes.h"
#include "Logging/LogMacros.h"

CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogTemp, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogInit, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogExit, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogExec, Warning, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogScript, Warning, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogLoad, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogHAL, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogCore, Log, All);
CORE_API DECLARE_LOG_CATEGORY_EXTERN(LogOutputDevice, Log, All);

/** True in an editor process; the host is one. */
extern CORE_API bool GIsEditor;
extern CORE_API bool GIsClient;
extern CORE_API bool GIsServer;
extern CORE_API bool GIsRunning;
extern CORE_API bool GIsCriticalError;
extern CORE_API bool GIsAutomationTesting;
extern CORE_API bool GIsPlayInEditorWorld;
extern CORE_API bool GIsInitialLoad;
extern CORE_API uint32 GGameThreadId;

/** True on the thread that first touched Core (the main thread). */
CORE_API bool IsInGameThread();
CORE_API bool IsEngineExitRequested();
CORE_API void RequestEngineExit(const TCHAR* ReasonString);

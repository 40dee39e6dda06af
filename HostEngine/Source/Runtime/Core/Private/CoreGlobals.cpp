#include "CoreGlobals.h"

#include <atomic>
#include <thread>

DEFINE_LOG_CATEGORY(LogTemp);
DEFINE_LOG_CATEGORY(LogInit);
DEFINE_LOG_CATEGORY(LogExit);
DEFINE_LOG_CATEGORY(LogExec);
DEFINE_LOG_CATEGORY(LogScript);
DEFINE_LOG_CATEGORY(LogLoad);
DEFINE_LOG_CATEGORY(LogHAL);
DEFINE_LOG_CATEGORY(LogCore);
DEFINE_LOG_CATEGORY(LogOutputDevice);

bool GIsEditor = true;
bool GIsClient = true;
bool GIsServer = true;
bool GIsRunning = true;
bool GIsCriticalError = false;
bool GIsAutomationTesting = false;
bool GIsPlayInEditorWorld = false;
bool GIsInitialLoad = false;
uint32 GGameThreadId = 0;

namespace
{
	// Core is loaded by the main thread before anything else runs, so the thread that
	// initialises this is the game thread.
	const std::thread::id GameThread = std::this_thread::get_id();
	std::atomic<bool> bEngineExitRequested{false};
} // namespace

bool IsInGameThread()
{
	return std::this_thread::get_id() == GameThread;
}

bool IsEngineExitRequested()
{
	return bEngineExitRequested.load();
}

void RequestEngineExit(const TCHAR* ReasonString)
{
	UE_LOG(LogCore, Log, TEXT("Engine exit requested (reason: %s)"), ReasonString ? ReasonString : TEXT(""));
	bEngineExitRequested.store(true);
}

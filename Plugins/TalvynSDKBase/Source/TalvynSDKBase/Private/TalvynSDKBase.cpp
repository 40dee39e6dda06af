#include "TalvynSDKBase.h"

#include "Modules/ModuleManager.h"

#if WITH_EDITOR
#include "Export/J5ExportJob.h"
#include "Misc/CoreDelegates.h"
#endif

DEFINE_LOG_CATEGORY(LogTalvynSDK);

#if WITH_EDITOR
namespace TalvynSDKBaseModule
{
	/** The subscription that stops a running export when the editor closes. */
	static FDelegateHandle PreExitHandle;
}
#endif

void FTalvynSDKBaseModule::StartupModule()
{
#if WITH_EDITOR
	// A tool still running at exit is stopped before the modules unload: its callbacks run this module's code.
	TalvynSDKBaseModule::PreExitHandle = FCoreDelegates::OnPreExit.AddStatic(&FJ5ExportJob::AbandonRunning);
#endif
}

void FTalvynSDKBaseModule::ShutdownModule()
{
#if WITH_EDITOR
	FCoreDelegates::OnPreExit.Remove(TalvynSDKBaseModule::PreExitHandle);
	TalvynSDKBaseModule::PreExitHandle.Reset();
	FJ5ExportJob::AbandonRunning();
#endif
}

IMPLEMENT_MODULE(FTalvynSDKBaseModule, TalvynSDKBase)

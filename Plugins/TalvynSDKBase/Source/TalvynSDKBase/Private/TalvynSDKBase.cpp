#include "TalvynSDKBase.h"

#include "Modules/ModuleManager.h"

DEFINE_LOG_CATEGORY(LogTalvynSDK);

void FTalvynSDKBaseModule::StartupModule()
{
}

void FTalvynSDKBaseModule::ShutdownModule()
{
}

IMPLEMENT_MODULE(FTalvynSDKBaseModule, TalvynSDKBase)

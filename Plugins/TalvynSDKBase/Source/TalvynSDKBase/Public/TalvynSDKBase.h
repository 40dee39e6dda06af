#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"

TALVYNSDKBASE_API DECLARE_LOG_CATEGORY_EXTERN(LogTalvynSDK, Log, All);

/** Runtime module of the Talvyn SDK: home of the package asset class. */
class FTalvynSDKBaseModule : public IModuleInterface
{
public:
	//~ Begin IModuleInterface interface
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;
	//~ End IModuleInterface interface
};

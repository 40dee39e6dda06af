#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "TalvynSDKBaseLog.h"

/** Runtime module of the Talvyn SDK: home of the package asset class. */
class FTalvynSDKBaseModule : public IModuleInterface
{
public:
	//~ Begin IModuleInterface interface
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;
	//~ End IModuleInterface interface
};

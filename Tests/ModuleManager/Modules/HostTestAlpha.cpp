#include "HostTestModuleEvents.h"
#include "Modules/ModuleManager.h"

class FHostTestAlphaModule : public IModuleInterface
{
public:
	FHostTestAlphaModule()
	{
		RecordModuleEvent("Alpha:Created");
	}

	virtual ~FHostTestAlphaModule() override
	{
		RecordModuleEvent("Alpha:Destroyed");
	}

	virtual void StartupModule() override
	{
		RecordModuleEvent("Alpha:Startup");
	}

	virtual void ShutdownModule() override
	{
		RecordModuleEvent("Alpha:Shutdown");
	}
};

IMPLEMENT_MODULE(FHostTestAlphaModule, HostTestAlpha);

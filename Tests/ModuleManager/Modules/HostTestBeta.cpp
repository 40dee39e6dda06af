#include "HostTestModuleEvents.h"
#include "Modules/ModuleManager.h"

/** Loads Alpha while it starts and still finds it loaded while it shuts down. */
class FHostTestBetaModule : public IModuleInterface
{
public:
	virtual void StartupModule() override
	{
		RecordModuleEvent("Beta:Startup");
		FModuleManager::LoadModuleChecked<IModuleInterface>(TEXT("HostTestAlpha"));
		// Loading itself again while starting gives the module being started.
		if (FModuleManager::Get().LoadModule(TEXT("HostTestBeta")) == this)
		{
			RecordModuleEvent("Beta:FoundItself");
		}
	}

	virtual void ShutdownModule() override
	{
		RecordModuleEvent(FModuleManager::Get().IsModuleLoaded(TEXT("HostTestAlpha")) ? "Beta:Shutdown:AlphaLoaded" : "Beta:Shutdown:AlphaGone");
	}
};

IMPLEMENT_MODULE(FHostTestBetaModule, HostTestBeta);

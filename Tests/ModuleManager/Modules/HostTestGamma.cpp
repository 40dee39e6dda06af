#include "HostTestModuleEvents.h"
#include "Modules/ModuleManager.h"

/** Lives outside the executable's directory. */
class FHostTestGammaModule : public IModuleInterface
{
public:
	virtual void StartupModule() override
	{
		RecordModuleEvent("Gamma:Startup");
	}
};

IMPLEMENT_MODULE(FHostTestGammaModule, HostTestGamma);

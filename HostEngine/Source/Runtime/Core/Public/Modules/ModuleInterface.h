#pragma once

#include "CoreTypes.h"

/** What every module implements. The module manager creates the object once, starts it, and shuts it down. */
class IModuleInterface
{
public:
	virtual ~IModuleInterface()
	{
	}

	/** Called right after the module object is created. */
	virtual void StartupModule()
	{
	}

	/** Called before the module's library is unloaded, ahead of ShutdownModule. */
	virtual void PreUnloadCallback()
	{
	}

	/** Called after the module has been reloaded. */
	virtual void PostLoadCallback()
	{
	}

	/** Called before the module object is destroyed. */
	virtual void ShutdownModule()
	{
	}

	virtual bool SupportsDynamicReloading()
	{
		return true;
	}

	virtual bool SupportsAutomaticShutdown()
	{
		return true;
	}

	virtual bool IsGameModule() const
	{
		return false;
	}
};

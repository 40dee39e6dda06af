#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "Modules/ModuleManager.h"
#include "IAssetTools.h"

class FAssetTools;

/** The AssetTools module: owns the editor's asset tools while it is loaded. */
class FAssetToolsModule : public IModuleInterface
{
public:
	ASSETTOOLS_API virtual void StartupModule() override;
	ASSETTOOLS_API virtual void ShutdownModule() override;

	/** The asset tools; virtual, so modules that do not link AssetTools can call it. */
	ASSETTOOLS_API virtual IAssetTools& Get() const;

	/** The module, loaded first if it is not loaded yet. */
	static inline FAssetToolsModule& GetModule()
	{
		return FModuleManager::LoadModuleChecked<FAssetToolsModule>(TEXT("AssetTools"));
	}

	static inline bool IsModuleLoaded()
	{
		return FModuleManager::Get().IsModuleLoaded(TEXT("AssetTools"));
	}

private:
	/** Created at start-up, destroyed at shut-down. */
	FAssetTools* AssetTools = nullptr;
};

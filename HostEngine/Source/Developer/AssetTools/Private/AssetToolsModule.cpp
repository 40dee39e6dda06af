#include "AssetToolsModule.h"

#include "AssetTools.h"
#include "Modules/ModuleManager.h"

IMPLEMENT_MODULE(FAssetToolsModule, AssetTools);

namespace AssetToolsPrivate
{
	namespace
	{
		FAssetTools* LoadedAssetTools = nullptr;
	}

	FAssetTools* GetLoadedAssetTools()
	{
		return LoadedAssetTools;
	}
}

void FAssetToolsModule::StartupModule()
{
	AssetTools = new FAssetTools();
	AssetToolsPrivate::LoadedAssetTools = AssetTools;
}

void FAssetToolsModule::ShutdownModule()
{
	// Registered actions and categories go with the module; a later start-up begins empty.
	AssetToolsPrivate::LoadedAssetTools = nullptr;
	delete AssetTools;
	AssetTools = nullptr;
}

IAssetTools& FAssetToolsModule::Get() const
{
	checkf(AssetTools != nullptr, TEXT("The AssetTools module is not started"));
	return *AssetTools;
}

IAssetTools& IAssetTools::Get()
{
	return FAssetToolsModule::GetModule().Get();
}

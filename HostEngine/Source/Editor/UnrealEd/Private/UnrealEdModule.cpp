#include "Editor.h"
#include "HostTest/UnrealEdProbe.h"
#include "Modules/ModuleManager.h"

/** The editor module: asset editors, factories and transactions. */
class FUnrealEdModule : public IModuleInterface
{
public:
	virtual void StartupModule() override
	{
		// The editor engine exists while the editor runs.
		GEditor = new UEditorEngine();
	}

	virtual void ShutdownModule() override
	{
		// Editors still open close with the editor, before the modules their panels use go away.
		HostTest::CloseAllAssetEditors();
		delete GEditor;
		GEditor = nullptr;
	}
};

IMPLEMENT_MODULE(FUnrealEdModule, UnrealEd);

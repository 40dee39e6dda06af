#pragma once

#include "CoreMinimal.h"

namespace TalvynBenchmark
{
	/** Starts the plugin's modules, runtime first, as the editor does from the plugin's descriptor; once is enough. */
	void StartPluginModules();

	/** Forgets the objects and the registry entries a benchmark made, so the next one starts from an empty editor. */
	void ResetEditorState();
}

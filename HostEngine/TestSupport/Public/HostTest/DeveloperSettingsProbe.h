#pragma once

#include "CoreMinimal.h"

class UDeveloperSettings;

namespace HostTest
{
	/**
	 * Reads the settings' config properties afresh from the project's Default<Config>.ini, as an editor
	 * started on that project would have them (the class default object was made before the test chose a project).
	 */
	DEVELOPERSETTINGS_API void ReloadDeveloperSettings(UDeveloperSettings& Settings);
}

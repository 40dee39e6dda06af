#pragma once

#include "CoreMinimal.h"

namespace HostTest
{
	/**
	 * Reads the packaging settings' class default object afresh from the project's DefaultGame.ini, as
	 * an editor started on that project would have them (the object was made before the test chose a project).
	 */
	DEVELOPERTOOLSETTINGS_API void ReloadProjectPackagingSettings();
}

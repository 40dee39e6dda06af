#pragma once

#include "CoreMinimal.h"

#if WITH_EDITOR

class UJ5Package;

/** The project's own packaging settings, which "Apply Cook Settings" makes include the package. */
namespace J5ProjectCookSettings
{
	/** Adds the package's folder and maps to the project's cook settings and saves them to DefaultGame.ini. */
	void Apply(UJ5Package& Package);
}

#endif

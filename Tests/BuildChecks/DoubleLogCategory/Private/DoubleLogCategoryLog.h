#pragma once

#include "CoreMinimal.h"

// A second declaration of the public header's category.
DECLARE_LOG_CATEGORY_EXTERN(LogDoubleDeclared, Log, All);

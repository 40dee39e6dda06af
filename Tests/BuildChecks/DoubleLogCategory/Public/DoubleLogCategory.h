#pragma once

#include "CoreMinimal.h"

DOUBLELOGCATEGORY_API DECLARE_LOG_CATEGORY_EXTERN(LogDoubleDeclared, Log, All);

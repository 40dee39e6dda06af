#pragma once

#include "CoreMinimal.h"

/** The plugin's log category, declared here only: the declaration defines a type, so a second one breaks a unity build. */
TALVYNSDKBASE_API DECLARE_LOG_CATEGORY_EXTERN(LogTalvynSDK, Log, All);

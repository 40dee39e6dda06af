#pragma once

#include "HAL/Platform.h"
#include "Misc/CoreMiscDefines.h"

#define WITH_ENGINE 1
#define WITH_UNREAL_DEVELOPER_TOOLS 1
#define WITH_PLUGIN_SUPPORT 1
#define UE_BUILD_DEBUG 0
#define UE_BUILD_DEVELOPMENT 1
#define UE_BUILD_TEST 0
#define UE_GAME 0
#define UE_EDITOR 1
#define UE_SERVER 0
#define DO_CHECK 1
#define DO_GUARD_SLOW 0
#define DO_ENSURE 1
#define NO_LOGGING 0

#ifndef WITH_EDITOR
#define WITH_EDITOR 1
#endif
#ifndef WITH_EDITORONLY_DATA
#define WITH_EDITORONLY_DATA 1
#endif

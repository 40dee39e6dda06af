#pragma once

#include "UObject/ObjectMacros.h"

// Reflected functions are not called through script in the host, so their thunk macros stay empty.
#define P_FINISH
#define RESULT_DECL void* const RESULT_PARAM

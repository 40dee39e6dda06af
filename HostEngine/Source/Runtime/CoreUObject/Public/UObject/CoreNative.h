#pragma once

#include "UObject/Object.h"

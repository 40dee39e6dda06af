#include "DoubleLogCategory.h"

DEFINE_LOG_CATEGORY(LogDoubleDeclared);

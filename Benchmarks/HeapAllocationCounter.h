#pragma once

#include "CoreTypes.h"

/**
 * Heap allocations made by this process: every global operator new (replaced in this program, so the
 * containers of every module are seen) plus every block FMemory hands out (string builders that outgrow
 * their inline buffer, object memory).
 */
namespace TalvynBenchmark
{
	uint64 GetHeapAllocationCount();
}

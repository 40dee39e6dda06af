#include "HAL/UnrealMemory.h"

#include "HostTest/CoreProbe.h"
#include <atomic>
#include <cstddef>

namespace
{
	std::atomic<uint64> GMemoryAllocationCount{0};
}

void* FMemory::Malloc(SIZE_T Count, uint32 Alignment)
{
	GMemoryAllocationCount.fetch_add(1, std::memory_order_relaxed);
	if (Alignment > alignof(std::max_align_t))
	{
		return std::aligned_alloc(Alignment, (Count + Alignment - 1) / Alignment * Alignment);
	}
	return std::malloc(Count ? Count : 1);
}

void* FMemory::Realloc(void* Original, SIZE_T Count, uint32 Alignment)
{
	void* Result = std::realloc(Original, Count ? Count : 1);
	if (Result != Original)
	{
		GMemoryAllocationCount.fetch_add(1, std::memory_order_relaxed);
	}
	return Result;
}

void FMemory::Free(void* Original)
{
	std::free(Original);
}

namespace HostTest
{
	uint64 GetMemoryAllocationCount()
	{
		return GMemoryAllocationCount.load(std::memory_order_relaxed);
	}
}

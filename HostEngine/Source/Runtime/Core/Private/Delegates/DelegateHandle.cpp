#include "Delegates/IDelegateInstance.h"

#include <atomic>

uint64 FDelegateHandle::GenerateNewID()
{
	static std::atomic<uint64> NextID { 1 };
	// Zero means unbound, so skip it should the counter ever wrap.
	uint64 Result = NextID.fetch_add(1, std::memory_order_relaxed);
	if (Result == 0)
	{
		Result = NextID.fetch_add(1, std::memory_order_relaxed);
	}
	return Result;
}

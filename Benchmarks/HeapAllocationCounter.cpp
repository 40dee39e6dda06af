#include "HeapAllocationCounter.h"

#include "HostTest/CoreProbe.h"

#include <atomic>
#include <cstdlib>
#include <new>

// The replacements must be visible to the engine's shared libraries, which the program's default of hidden
// symbols would otherwise keep on the C++ runtime's own operator new.
#define BENCHMARK_VISIBLE __attribute__((visibility("default")))

namespace
{
	std::atomic<uint64> GOperatorNewCount{0};

	void* CountedAllocate(std::size_t Size)
	{
		GOperatorNewCount.fetch_add(1, std::memory_order_relaxed);
		if (void* Memory = std::malloc(Size ? Size : 1))
		{
			return Memory;
		}
		throw std::bad_alloc();
	}

	void* CountedAllocateAligned(std::size_t Size, std::align_val_t Alignment)
	{
		GOperatorNewCount.fetch_add(1, std::memory_order_relaxed);
		const std::size_t Align = static_cast<std::size_t>(Alignment);
		if (void* Memory = std::aligned_alloc(Align, (Size + Align - 1) / Align * Align))
		{
			return Memory;
		}
		throw std::bad_alloc();
	}
}

BENCHMARK_VISIBLE void* operator new(std::size_t Size) { return CountedAllocate(Size); }
BENCHMARK_VISIBLE void* operator new[](std::size_t Size) { return CountedAllocate(Size); }
BENCHMARK_VISIBLE void* operator new(std::size_t Size, const std::nothrow_t&) noexcept
{
	try { return CountedAllocate(Size); } catch (...) { return nullptr; }
}
BENCHMARK_VISIBLE void* operator new[](std::size_t Size, const std::nothrow_t&) noexcept
{
	try { return CountedAllocate(Size); } catch (...) { return nullptr; }
}
BENCHMARK_VISIBLE void* operator new(std::size_t Size, std::align_val_t Alignment) { return CountedAllocateAligned(Size, Alignment); }
BENCHMARK_VISIBLE void* operator new[](std::size_t Size, std::align_val_t Alignment) { return CountedAllocateAligned(Size, Alignment); }
BENCHMARK_VISIBLE void* operator new(std::size_t Size, std::align_val_t Alignment, const std::nothrow_t&) noexcept
{
	try { return CountedAllocateAligned(Size, Alignment); } catch (...) { return nullptr; }
}
BENCHMARK_VISIBLE void* operator new[](std::size_t Size, std::align_val_t Alignment, const std::nothrow_t&) noexcept
{
	try { return CountedAllocateAligned(Size, Alignment); } catch (...) { return nullptr; }
}

BENCHMARK_VISIBLE void operator delete(void* Memory) noexcept { std::free(Memory); }
BENCHMARK_VISIBLE void operator delete[](void* Memory) noexcept { std::free(Memory); }
BENCHMARK_VISIBLE void operator delete(void* Memory, std::size_t) noexcept { std::free(Memory); }
BENCHMARK_VISIBLE void operator delete[](void* Memory, std::size_t) noexcept { std::free(Memory); }
BENCHMARK_VISIBLE void operator delete(void* Memory, const std::nothrow_t&) noexcept { std::free(Memory); }
BENCHMARK_VISIBLE void operator delete[](void* Memory, const std::nothrow_t&) noexcept { std::free(Memory); }
BENCHMARK_VISIBLE void operator delete(void* Memory, std::align_val_t) noexcept { std::free(Memory); }
BENCHMARK_VISIBLE void operator delete[](void* Memory, std::align_val_t) noexcept { std::free(Memory); }
BENCHMARK_VISIBLE void operator delete(void* Memory, std::size_t, std::align_val_t) noexcept { std::free(Memory); }
BENCHMARK_VISIBLE void operator delete[](void* Memory, std::size_t, std::align_val_t) noexcept { std::free(Memory); }
BENCHMARK_VISIBLE void operator delete(void* Memory, std::align_val_t, const std::nothrow_t&) noexcept { std::free(Memory); }
BENCHMARK_VISIBLE void operator delete[](void* Memory, std::align_val_t, const std::nothrow_t&) noexcept { std::free(Memory); }

namespace TalvynBenchmark
{
	uint64 GetHeapAllocationCount()
	{
		return GOperatorNewCount.load(std::memory_order_relaxed) + HostTest::GetMemoryAllocationCount();
	}
}

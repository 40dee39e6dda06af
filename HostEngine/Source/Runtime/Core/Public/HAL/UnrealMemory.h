#pragma once

#include "CoreTypes.h"
#include <cstdlib>
#include <cstring>

/** Memory helpers over the C runtime. */
struct FMemory
{
	static FORCEINLINE void* Memmove(void* Dest, const void* Src, SIZE_T Count)
	{
		return std::memmove(Dest, Src, Count);
	}
	static FORCEINLINE int32 Memcmp(const void* Buf1, const void* Buf2, SIZE_T Count)
	{
		return std::memcmp(Buf1, Buf2, Count);
	}
	static FORCEINLINE void* Memset(void* Dest, uint8 Char, SIZE_T Count)
	{
		return std::memset(Dest, Char, Count);
	}
	static FORCEINLINE void* Memzero(void* Dest, SIZE_T Count)
	{
		return std::memset(Dest, 0, Count);
	}
	template <typename T>
	static FORCEINLINE void Memzero(T& Src)
	{
		std::memset(static_cast<void*>(&Src), 0, sizeof(T));
	}
	static FORCEINLINE void* Memcpy(void* Dest, const void* Src, SIZE_T Count)
	{
		return std::memcpy(Dest, Src, Count);
	}
	/** Blocks come from the C runtime; each one handed out (by Malloc, or by a Realloc that moves) is counted for the probes. */
	static CORE_API void* Malloc(SIZE_T Count, uint32 Alignment = 0);
	static CORE_API void* Realloc(void* Original, SIZE_T Count, uint32 Alignment = 0);
	static CORE_API void Free(void* Original);
	static FORCEINLINE void* MallocZeroed(SIZE_T Count, uint32 Alignment = 0)
	{
		void* Result = Malloc(Count, Alignment);
		std::memset(Result, 0, Count);
		return Result;
	}
};

#pragma once

#include "CoreTypes.h"
#include <type_traits>

/** Combines two hashes; order matters. */
FORCEINLINE constexpr uint32 HashCombine(uint32 A, uint32 C)
{
	uint32 B = 0x9e3779b9;
	A += B;

	A -= B;
	A -= C;
	A ^= (C >> 13);
	B -= C;
	B -= A;
	B ^= (A << 8);
	C -= A;
	C -= B;
	C ^= (B >> 13);
	A -= B;
	A -= C;
	A ^= (C >> 12);
	B -= C;
	B -= A;
	B ^= (A << 16);
	C -= A;
	C -= B;
	C ^= (B >> 5);
	A -= B;
	A -= C;
	A ^= (C >> 3);
	B -= C;
	B -= A;
	B ^= (A << 10);
	C -= A;
	C -= B;
	C ^= (B >> 15);

	return C;
}

FORCEINLINE constexpr uint32 HashCombineFast(uint32 A, uint32 B)
{
	return A ^ (B + 0x9e3779b9 + (A << 6) + (A >> 2));
}

FORCEINLINE uint32 PointerHash(const void* Key)
{
	const UPTRINT PtrInt = reinterpret_cast<UPTRINT>(Key) >> 4;
	uint32 Result = static_cast<uint32>(PtrInt);
	Result ^= static_cast<uint32>(static_cast<uint64>(PtrInt) >> 32);
	return Result * 0x9E3779B1u;
}

FORCEINLINE uint32 PointerHash(const void* Key, uint32 C)
{
	return HashCombineFast(PointerHash(Key), C);
}

template <typename ScalarType>
FORCEINLINE constexpr std::enable_if_t<std::is_integral_v<ScalarType> || std::is_enum_v<ScalarType>, uint32> GetTypeHash(ScalarType Value)
{
	if constexpr (sizeof(ScalarType) <= 4)
	{
		return static_cast<uint32>(Value);
	}
	else
	{
		const uint64 Wide = static_cast<uint64>(Value);
		return static_cast<uint32>(Wide) + static_cast<uint32>(Wide >> 32) * 23;
	}
}

FORCEINLINE uint32 GetTypeHash(float Value)
{
	union
	{
		float F;
		uint32 U;
	} Bits;
	Bits.F = Value == 0.0f ? 0.0f : Value;
	return Bits.U;
}

FORCEINLINE uint32 GetTypeHash(double Value)
{
	union
	{
		double D;
		uint64 U;
	} Bits;
	Bits.D = Value == 0.0 ? 0.0 : Value;
	return GetTypeHash(Bits.U);
}

template <typename T>
FORCEINLINE uint32 GetTypeHash(T* Value)
{
	return PointerHash(Value);
}

FORCEINLINE uint32 GetTypeHash(decltype(nullptr))
{
	return 0;
}

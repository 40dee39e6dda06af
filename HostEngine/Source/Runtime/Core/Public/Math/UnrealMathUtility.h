#pragma once

#include "CoreTypes.h"
#include "Math/NumericLimits.h"
#include <cmath>
#include <cstdlib>
#include <type_traits>

#define UE_PI (3.1415926535897932f)
#define UE_DOUBLE_PI (3.141592653589793238462643383279502884197169399)
#define UE_SMALL_NUMBER (1.e-8f)
#define UE_KINDA_SMALL_NUMBER (1.e-4f)
#define UE_BIG_NUMBER (3.4e+38f)
#define UE_DOUBLE_SMALL_NUMBER (1.e-8)
#define UE_DOUBLE_KINDA_SMALL_NUMBER (1.e-4)
#define UE_DELTA (0.00001f)
#define PI UE_PI
#define SMALL_NUMBER UE_SMALL_NUMBER
#define KINDA_SMALL_NUMBER UE_KINDA_SMALL_NUMBER
#define BIG_NUMBER UE_BIG_NUMBER

/** Math helpers. */
struct FMath
{
	template <typename T>
	static constexpr FORCEINLINE T Min(const T A, const T B)
	{
		return A <= B ? A : B;
	}
	template <typename T>
	static constexpr FORCEINLINE T Max(const T A, const T B)
	{
		return A >= B ? A : B;
	}
	template <typename T>
	static constexpr FORCEINLINE T Max3(const T A, const T B, const T C)
	{
		return Max(Max(A, B), C);
	}
	template <typename T>
	static constexpr FORCEINLINE T Min3(const T A, const T B, const T C)
	{
		return Min(Min(A, B), C);
	}
	template <typename T>
	static constexpr FORCEINLINE T Clamp(const T X, const T MinValue, const T MaxValue)
	{
		return X < MinValue ? MinValue : (X < MaxValue ? X : MaxValue);
	}
	template <typename T>
	static constexpr FORCEINLINE T Abs(const T A)
	{
		return A < T(0) ? -A : A;
	}
	template <typename T>
	static constexpr FORCEINLINE T Sign(const T A)
	{
		return A > T(0) ? T(1) : (A < T(0) ? T(-1) : T(0));
	}
	template <typename T>
	static constexpr FORCEINLINE T Square(const T A)
	{
		return A * A;
	}
	template <typename T, typename U>
	static constexpr FORCEINLINE T Lerp(const T& A, const T& B, const U& Alpha)
	{
		return (T)(A + Alpha * (B - A));
	}
	template <typename T>
	static constexpr FORCEINLINE bool IsPowerOfTwo(T Value)
	{
		return Value > 0 && (Value & (Value - 1)) == 0;
	}
	template <typename T>
	static constexpr FORCEINLINE T DivideAndRoundUp(T Dividend, T Divisor)
	{
		return (Dividend + Divisor - 1) / Divisor;
	}
	template <typename T>
	static constexpr FORCEINLINE T DivideAndRoundDown(T Dividend, T Divisor)
	{
		return Dividend / Divisor;
	}

	static FORCEINLINE uint32 RoundUpToPowerOfTwo(uint32 Arg)
	{
		uint32 Result = 1;
		while (Result < Arg)
		{
			Result <<= 1;
		}
		return Result;
	}

	static FORCEINLINE float Sqrt(float Value)
	{
		return std::sqrt(Value);
	}
	static FORCEINLINE double Sqrt(double Value)
	{
		return std::sqrt(Value);
	}
	static FORCEINLINE float InvSqrt(float Value)
	{
		return 1.0f / std::sqrt(Value);
	}
	static FORCEINLINE float Pow(float A, float B)
	{
		return std::pow(A, B);
	}
	static FORCEINLINE double Pow(double A, double B)
	{
		return std::pow(A, B);
	}
	static FORCEINLINE float Exp(float Value)
	{
		return std::exp(Value);
	}
	static FORCEINLINE float Loge(float Value)
	{
		return std::log(Value);
	}
	static FORCEINLINE float LogX(float Base, float Value)
	{
		return std::log(Value) / std::log(Base);
	}
	static FORCEINLINE float Log2(float Value)
	{
		return std::log2(Value);
	}
	static FORCEINLINE float Sin(float Value)
	{
		return std::sin(Value);
	}
	static FORCEINLINE float Cos(float Value)
	{
		return std::cos(Value);
	}
	static FORCEINLINE float Tan(float Value)
	{
		return std::tan(Value);
	}
	static FORCEINLINE float Atan2(float Y, float X)
	{
		return std::atan2(Y, X);
	}
	static FORCEINLINE double Sin(double Value)
	{
		return std::sin(Value);
	}
	static FORCEINLINE double Cos(double Value)
	{
		return std::cos(Value);
	}
	static FORCEINLINE float Fmod(float X, float Y)
	{
		return std::fmod(X, Y);
	}
	static FORCEINLINE double Fmod(double X, double Y)
	{
		return std::fmod(X, Y);
	}

	static FORCEINLINE int32 TruncToInt(float F)
	{
		return static_cast<int32>(F);
	}
	static FORCEINLINE int32 TruncToInt(double F)
	{
		return static_cast<int32>(F);
	}
	static FORCEINLINE float TruncToFloat(float F)
	{
		return std::trunc(F);
	}
	static FORCEINLINE int32 FloorToInt(float F)
	{
		return static_cast<int32>(std::floor(F));
	}
	static FORCEINLINE int32 FloorToInt(double F)
	{
		return static_cast<int32>(std::floor(F));
	}
	static FORCEINLINE float FloorToFloat(float F)
	{
		return std::floor(F);
	}
	static FORCEINLINE double FloorToDouble(double F)
	{
		return std::floor(F);
	}
	static FORCEINLINE int32 CeilToInt(float F)
	{
		return static_cast<int32>(std::ceil(F));
	}
	static FORCEINLINE int32 CeilToInt(double F)
	{
		return static_cast<int32>(std::ceil(F));
	}
	static FORCEINLINE float CeilToFloat(float F)
	{
		return std::ceil(F);
	}
	/** Rounds half up, as the engine does: 0.5 gives 1, -0.5 gives 0. */
	static FORCEINLINE int32 RoundToInt(float F)
	{
		return FloorToInt(F + 0.5f);
	}
	static FORCEINLINE int32 RoundToInt(double F)
	{
		return FloorToInt(F + 0.5);
	}
	static FORCEINLINE float RoundToFloat(float F)
	{
		return FloorToFloat(F + 0.5f);
	}
	static FORCEINLINE float Frac(float Value)
	{
		return Value - FloorToFloat(Value);
	}

	static FORCEINLINE bool IsNaN(float A)
	{
		return std::isnan(A);
	}
	static FORCEINLINE bool IsNaN(double A)
	{
		return std::isnan(A);
	}
	static FORCEINLINE bool IsFinite(float A)
	{
		return std::isfinite(A);
	}
	static FORCEINLINE bool IsFinite(double A)
	{
		return std::isfinite(A);
	}

	static FORCEINLINE bool IsNearlyEqual(float A, float B, float ErrorTolerance = UE_SMALL_NUMBER)
	{
		return Abs(A - B) <= ErrorTolerance;
	}
	static FORCEINLINE bool IsNearlyEqual(double A, double B, double ErrorTolerance = UE_DOUBLE_SMALL_NUMBER)
	{
		return Abs(A - B) <= ErrorTolerance;
	}
	static FORCEINLINE bool IsNearlyZero(float Value, float ErrorTolerance = UE_SMALL_NUMBER)
	{
		return Abs(Value) <= ErrorTolerance;
	}
	static FORCEINLINE bool IsNearlyZero(double Value, double ErrorTolerance = UE_DOUBLE_SMALL_NUMBER)
	{
		return Abs(Value) <= ErrorTolerance;
	}

	static FORCEINLINE int32 Rand()
	{
		return std::rand();
	}
	static FORCEINLINE float FRand()
	{
		return static_cast<float>(std::rand()) / static_cast<float>(RAND_MAX);
	}
	static FORCEINLINE int32 RandRange(int32 Min, int32 Max)
	{
		const int32 Range = (Max - Min) + 1;
		return Min + (Range > 0 ? std::rand() % Range : 0);
	}

	template <typename T>
	static FORCEINLINE T GridSnap(T Location, T Grid)
	{
		return Grid == T(0) ? Location : (T)(std::floor((Location + Grid / (T)2) / Grid) * Grid);
	}
};

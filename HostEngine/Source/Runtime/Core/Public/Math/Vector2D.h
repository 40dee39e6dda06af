#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Math/MathFwd.h"
#include "Math/UnrealMathUtility.h"
#include "Templates/TypeHash.h"

namespace UE::Math
{
	/** A two-component vector; FVector2D is the double form, FVector2f the float one. */
	template <typename T>
	struct TVector2
	{
		using FReal = T;

		T X;
		T Y;

		/** Leaves the components uninitialised. */
		TVector2() = default;
		constexpr TVector2(T InX, T InY)
			: X(InX), Y(InY)
		{
		}
		explicit constexpr TVector2(T InF)
			: X(InF), Y(InF)
		{
		}
		explicit TVector2(EForceInit)
			: X(0), Y(0)
		{
		}
		template <typename FArg, typename = std::enable_if_t<!std::is_same_v<T, FArg>>>
		explicit TVector2(const TVector2<FArg>& From)
			: X((T)From.X), Y((T)From.Y)
		{
		}

		static const TVector2<T> ZeroVector;
		static const TVector2<T> UnitVector;
		static TVector2<T> Zero()
		{
			return TVector2<T>(0, 0);
		}
		static TVector2<T> One()
		{
			return TVector2<T>(1, 1);
		}

		TVector2 operator+(const TVector2& V) const
		{
			return TVector2(X + V.X, Y + V.Y);
		}
		TVector2 operator-(const TVector2& V) const
		{
			return TVector2(X - V.X, Y - V.Y);
		}
		TVector2 operator*(const TVector2& V) const
		{
			return TVector2(X * V.X, Y * V.Y);
		}
		TVector2 operator/(const TVector2& V) const
		{
			return TVector2(X / V.X, Y / V.Y);
		}
		TVector2 operator*(T Scale) const
		{
			return TVector2(X * Scale, Y * Scale);
		}
		TVector2 operator/(T Scale) const
		{
			return TVector2(X / Scale, Y / Scale);
		}
		TVector2 operator-() const
		{
			return TVector2(-X, -Y);
		}
		TVector2& operator+=(const TVector2& V)
		{
			X += V.X;
			Y += V.Y;
			return *this;
		}
		TVector2& operator-=(const TVector2& V)
		{
			X -= V.X;
			Y -= V.Y;
			return *this;
		}
		TVector2& operator*=(T Scale)
		{
			X *= Scale;
			Y *= Scale;
			return *this;
		}
		TVector2& operator/=(T Scale)
		{
			X /= Scale;
			Y /= Scale;
			return *this;
		}
		bool operator==(const TVector2& V) const
		{
			return X == V.X && Y == V.Y;
		}
		bool operator!=(const TVector2& V) const
		{
			return !(*this == V);
		}
		T& operator[](int32 Index)
		{
			return Index == 0 ? X : Y;
		}
		T operator[](int32 Index) const
		{
			return Index == 0 ? X : Y;
		}

		bool Equals(const TVector2& V, T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return FMath::Abs(X - V.X) <= Tolerance && FMath::Abs(Y - V.Y) <= Tolerance;
		}
		bool IsZero() const
		{
			return X == 0 && Y == 0;
		}
		bool IsNearlyZero(T Tolerance = (T)UE_KINDA_SMALL_NUMBER) const
		{
			return FMath::Abs(X) <= Tolerance && FMath::Abs(Y) <= Tolerance;
		}
		T Size() const
		{
			return (T)std::sqrt(X * X + Y * Y);
		}
		T SizeSquared() const
		{
			return X * X + Y * Y;
		}
		T GetMax() const
		{
			return FMath::Max(X, Y);
		}
		T GetMin() const
		{
			return FMath::Min(X, Y);
		}
		T GetAbsMax() const
		{
			return FMath::Max(FMath::Abs(X), FMath::Abs(Y));
		}
		TVector2 GetAbs() const
		{
			return TVector2(FMath::Abs(X), FMath::Abs(Y));
		}
		TVector2 GetSafeNormal(T Tolerance = (T)UE_SMALL_NUMBER) const
		{
			const T SquareSum = X * X + Y * Y;
			if (SquareSum > Tolerance)
			{
				const T Scale = (T)(1.0 / std::sqrt(SquareSum));
				return TVector2(X * Scale, Y * Scale);
			}
			return TVector2(0, 0);
		}
		TVector2 ClampAxes(T MinAxisVal, T MaxAxisVal) const
		{
			return TVector2(FMath::Clamp(X, MinAxisVal, MaxAxisVal), FMath::Clamp(Y, MinAxisVal, MaxAxisVal));
		}
		static T DotProduct(const TVector2& A, const TVector2& B)
		{
			return A.X * B.X + A.Y * B.Y;
		}
		static TVector2 Max(const TVector2& A, const TVector2& B)
		{
			return TVector2(FMath::Max(A.X, B.X), FMath::Max(A.Y, B.Y));
		}
		static TVector2 Min(const TVector2& A, const TVector2& B)
		{
			return TVector2(FMath::Min(A.X, B.X), FMath::Min(A.Y, B.Y));
		}

		FString ToString() const
		{
			return FString::Printf(TEXT("X=%3.3f Y=%3.3f"), (double)X, (double)Y);
		}
	};

	template <typename T>
	inline const TVector2<T> TVector2<T>::ZeroVector(0, 0);
	template <typename T>
	inline const TVector2<T> TVector2<T>::UnitVector(1, 1);

	template <typename T, typename ScaleType, typename = std::enable_if_t<std::is_arithmetic_v<ScaleType>>>
	inline TVector2<T> operator*(ScaleType Scale, const TVector2<T>& V)
	{
		return V * (T)Scale;
	}

	template <typename T>
	inline uint32 GetTypeHash(const TVector2<T>& Vector)
	{
		return HashCombine(::GetTypeHash(Vector.X), ::GetTypeHash(Vector.Y));
	}
} // namespace UE::Math

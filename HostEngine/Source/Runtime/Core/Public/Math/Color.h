#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Math/UnrealMathUtility.h"
#include "Templates/TypeHash.h"

struct FColor;

/** A linear, 32-bit floating point RGBA colour. */
struct CORE_API FLinearColor
{
	float R;
	float G;
	float B;
	float A;

	/** Leaves the components uninitialised. */
	FLinearColor() = default;
	explicit FLinearColor(EForceInit)
		: R(0), G(0), B(0), A(0)
	{
	}
	constexpr FLinearColor(float InR, float InG, float InB, float InA = 1.0f)
		: R(InR), G(InG), B(InB), A(InA)
	{
	}
	/** Converts an sRGB colour to linear space. */
	FLinearColor(const FColor& Color);

	static FLinearColor FromSRGBColor(const FColor& Color);
	static FLinearColor FromPow22Color(const FColor& Color);

	/** Quantizes to 8 bits per channel, converting to sRGB when bSRGB. */
	FColor ToFColor(const bool bSRGB) const;
	FColor ToFColorSRGB() const;
	FColor QuantizeRound() const;

	FLinearColor CopyWithNewOpacity(float NewOpacity) const
	{
		return FLinearColor(R, G, B, NewOpacity);
	}
	FLinearColor GetClamped(float InMin = 0.0f, float InMax = 1.0f) const
	{
		return FLinearColor(FMath::Clamp(R, InMin, InMax), FMath::Clamp(G, InMin, InMax), FMath::Clamp(B, InMin, InMax), FMath::Clamp(A, InMin, InMax));
	}
	float GetLuminance() const
	{
		return R * 0.3f + G * 0.59f + B * 0.11f;
	}
	float GetMax() const
	{
		return FMath::Max(FMath::Max(FMath::Max(R, G), B), A);
	}
	FLinearColor Desaturate(float Desaturation) const;
	FLinearColor LinearRGBToHSV() const;
	FLinearColor HSVToLinearRGB() const;
	static FLinearColor MakeFromHSV8(uint8 H, uint8 S, uint8 V);
	static FLinearColor LerpUsingHSV(const FLinearColor& From, const FLinearColor& To, const float Progress);

	float& Component(int32 Index)
	{
		return (&R)[Index];
	}
	const float& Component(int32 Index) const
	{
		return (&R)[Index];
	}

	FLinearColor operator+(const FLinearColor& Rhs) const
	{
		return FLinearColor(R + Rhs.R, G + Rhs.G, B + Rhs.B, A + Rhs.A);
	}
	FLinearColor& operator+=(const FLinearColor& Rhs)
	{
		R += Rhs.R;
		G += Rhs.G;
		B += Rhs.B;
		A += Rhs.A;
		return *this;
	}
	FLinearColor operator-(const FLinearColor& Rhs) const
	{
		return FLinearColor(R - Rhs.R, G - Rhs.G, B - Rhs.B, A - Rhs.A);
	}
	FLinearColor operator*(const FLinearColor& Rhs) const
	{
		return FLinearColor(R * Rhs.R, G * Rhs.G, B * Rhs.B, A * Rhs.A);
	}
	FLinearColor& operator*=(const FLinearColor& Rhs)
	{
		R *= Rhs.R;
		G *= Rhs.G;
		B *= Rhs.B;
		A *= Rhs.A;
		return *this;
	}
	FLinearColor operator*(float Scalar) const
	{
		return FLinearColor(R * Scalar, G * Scalar, B * Scalar, A * Scalar);
	}
	FLinearColor& operator*=(float Scalar)
	{
		R *= Scalar;
		G *= Scalar;
		B *= Scalar;
		A *= Scalar;
		return *this;
	}
	FLinearColor operator/(float Scalar) const
	{
		return FLinearColor(R / Scalar, G / Scalar, B / Scalar, A / Scalar);
	}
	bool operator==(const FLinearColor& Other) const
	{
		return R == Other.R && G == Other.G && B == Other.B && A == Other.A;
	}
	bool operator!=(const FLinearColor& Other) const
	{
		return !(*this == Other);
	}
	bool Equals(const FLinearColor& Other, float Tolerance = UE_KINDA_SMALL_NUMBER) const
	{
		return FMath::Abs(R - Other.R) < Tolerance && FMath::Abs(G - Other.G) < Tolerance && FMath::Abs(B - Other.B) < Tolerance && FMath::Abs(A - Other.A) < Tolerance;
	}

	FString ToString() const;
	bool InitFromString(const FString& InSourceString);

	static const FLinearColor White;
	static const FLinearColor Gray;
	static const FLinearColor Black;
	static const FLinearColor Transparent;
	static const FLinearColor Red;
	static const FLinearColor Green;
	static const FLinearColor Blue;
	static const FLinearColor Yellow;
};

inline FLinearColor operator*(float Scalar, const FLinearColor& Color)
{
	return Color * Scalar;
}

/** An 8-bit-per-channel sRGB colour, stored B, G, R, A in memory. */
struct CORE_API FColor
{
	union
	{
		struct
		{
			uint8 B, G, R, A;
		};
		uint32 AlignmentDummy;
	};

	uint32& DWColor()
	{
		return *reinterpret_cast<uint32*>(this);
	}
	const uint32& DWColor() const
	{
		return *reinterpret_cast<const uint32*>(this);
	}

	/** Leaves the channels uninitialised. */
	FColor() = default;
	explicit FColor(EForceInit)
		: AlignmentDummy(0)
	{
	}
	constexpr FColor(uint8 InR, uint8 InG, uint8 InB, uint8 InA = 255)
		: B(InB), G(InG), R(InR), A(InA)
	{
	}
	explicit FColor(uint32 InColor)
		: AlignmentDummy(InColor)
	{
	}

	bool operator==(const FColor& C) const
	{
		return DWColor() == C.DWColor();
	}
	bool operator!=(const FColor& C) const
	{
		return DWColor() != C.DWColor();
	}
	void operator+=(const FColor& C)
	{
		R = (uint8)FMath::Min((int32)R + (int32)C.R, 255);
		G = (uint8)FMath::Min((int32)G + (int32)C.G, 255);
		B = (uint8)FMath::Min((int32)B + (int32)C.B, 255);
		A = (uint8)FMath::Min((int32)A + (int32)C.A, 255);
	}

	/** Reads the bytes as-is into [0,1], with no gamma conversion. */
	FLinearColor ReinterpretAsLinear() const
	{
		return FLinearColor(R / 255.f, G / 255.f, B / 255.f, A / 255.f);
	}
	FColor WithAlpha(uint8 Alpha) const
	{
		return FColor(R, G, B, Alpha);
	}

	uint32 ToPackedARGB() const
	{
		return ((uint32)A << 24) | ((uint32)R << 16) | ((uint32)G << 8) | ((uint32)B << 0);
	}
	uint32 ToPackedABGR() const
	{
		return ((uint32)A << 24) | ((uint32)B << 16) | ((uint32)G << 8) | ((uint32)R << 0);
	}
	uint32 ToPackedRGBA() const
	{
		return ((uint32)R << 24) | ((uint32)G << 16) | ((uint32)B << 8) | ((uint32)A << 0);
	}
	uint32 ToPackedBGRA() const
	{
		return ((uint32)B << 24) | ((uint32)G << 16) | ((uint32)R << 8) | ((uint32)A << 0);
	}

	/** "RRGGBBAA" in hex. */
	FString ToHex() const;
	/** Accepts "RGB", "RGBA", "RRGGBB" and "RRGGBBAA", with or without a leading '#'. */
	static FColor FromHex(const FString& HexString);
	FString ToString() const;

	static const FColor White;
	static const FColor Black;
	static const FColor Transparent;
	static const FColor Red;
	static const FColor Green;
	static const FColor Blue;
	static const FColor Yellow;
	static const FColor Cyan;
	static const FColor Magenta;
	static const FColor Orange;
	static const FColor Purple;
	static const FColor Turquoise;
	static const FColor Silver;
	static const FColor Emerald;
};

inline uint32 GetTypeHash(const FColor& Color)
{
	return Color.DWColor();
}

inline uint32 GetTypeHash(const FLinearColor& Color)
{
	return HashCombine(HashCombine(GetTypeHash(Color.R), GetTypeHash(Color.G)), HashCombine(GetTypeHash(Color.B), GetTypeHash(Color.A)));
}

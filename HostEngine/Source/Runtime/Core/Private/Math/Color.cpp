#include "Math/Color.h"

#include <cmath>

const FLinearColor FLinearColor::White(1.f, 1.f, 1.f);
const FLinearColor FLinearColor::Gray(0.5f, 0.5f, 0.5f);
const FLinearColor FLinearColor::Black(0, 0, 0);
const FLinearColor FLinearColor::Transparent(0, 0, 0, 0);
const FLinearColor FLinearColor::Red(1.f, 0, 0);
const FLinearColor FLinearColor::Green(0, 1.f, 0);
const FLinearColor FLinearColor::Blue(0, 0, 1.f);
const FLinearColor FLinearColor::Yellow(1.f, 1.f, 0);

const FColor FColor::White(255, 255, 255);
const FColor FColor::Black(0, 0, 0);
const FColor FColor::Transparent(0, 0, 0, 0);
const FColor FColor::Red(255, 0, 0);
const FColor FColor::Green(0, 255, 0);
const FColor FColor::Blue(0, 0, 255);
const FColor FColor::Yellow(255, 255, 0);
const FColor FColor::Cyan(0, 255, 255);
const FColor FColor::Magenta(255, 0, 255);
const FColor FColor::Orange(243, 156, 18);
const FColor FColor::Purple(169, 7, 228);
const FColor FColor::Turquoise(26, 188, 156);
const FColor FColor::Silver(189, 195, 199);
const FColor FColor::Emerald(46, 204, 113);

namespace
{
	float SRGBToLinear(uint8 Channel)
	{
		const float Value = Channel / 255.0f;
		return Value <= 0.04045f ? Value / 12.92f : std::pow((Value + 0.055f) / 1.055f, 2.4f);
	}

	float LinearToSRGB(float Value)
	{
		Value = FMath::Clamp(Value, 0.0f, 1.0f);
		return Value <= 0.0031308f ? Value * 12.92f : 1.055f * std::pow(Value, 1.0f / 2.4f) - 0.055f;
	}

	uint8 Quantize(float Value)
	{
		return static_cast<uint8>(FMath::FloorToInt(FMath::Clamp(Value, 0.0f, 1.0f) * 255.999f));
	}

	int32 HexDigit(TCHAR Char)
	{
		if (Char >= '0' && Char <= '9')
		{
			return Char - '0';
		}
		if (Char >= 'a' && Char <= 'f')
		{
			return Char - 'a' + 10;
		}
		if (Char >= 'A' && Char <= 'F')
		{
			return Char - 'A' + 10;
		}
		return 0;
	}
} // namespace

FLinearColor::FLinearColor(const FColor& Color)
	: R(SRGBToLinear(Color.R)), G(SRGBToLinear(Color.G)), B(SRGBToLinear(Color.B)), A(Color.A / 255.0f)
{
}

FLinearColor FLinearColor::FromSRGBColor(const FColor& Color)
{
	return FLinearColor(Color);
}

FLinearColor FLinearColor::FromPow22Color(const FColor& Color)
{
	return FLinearColor(std::pow(Color.R / 255.0f, 2.2f), std::pow(Color.G / 255.0f, 2.2f), std::pow(Color.B / 255.0f, 2.2f), Color.A / 255.0f);
}

FColor FLinearColor::ToFColor(const bool bSRGB) const
{
	if (bSRGB)
	{
		return FColor(Quantize(LinearToSRGB(R)), Quantize(LinearToSRGB(G)), Quantize(LinearToSRGB(B)), Quantize(A));
	}
	return FColor(Quantize(R), Quantize(G), Quantize(B), Quantize(A));
}

FColor FLinearColor::ToFColorSRGB() const
{
	return ToFColor(true);
}

FColor FLinearColor::QuantizeRound() const
{
	auto Round = [](float Value)
	{ return static_cast<uint8>(FMath::RoundToInt(FMath::Clamp(Value, 0.0f, 1.0f) * 255.0f)); };
	return FColor(Round(R), Round(G), Round(B), Round(A));
}

FLinearColor FLinearColor::Desaturate(float Desaturation) const
{
	const float Lum = GetLuminance();
	return FMath::Lerp(*this, FLinearColor(Lum, Lum, Lum, 0), Desaturation);
}

FLinearColor FLinearColor::LinearRGBToHSV() const
{
	const float RGBMin = FMath::Min3(R, G, B);
	const float RGBMax = FMath::Max3(R, G, B);
	const float RGBRange = RGBMax - RGBMin;
	const float Hue = (RGBMax == RGBMin ? 0.0f
					   : RGBMax == R	? std::fmod((((G - B) / RGBRange) * 60.0f) + 360.0f, 360.0f)
					   : RGBMax == G	? (((B - R) / RGBRange) * 60.0f) + 120.0f
										: (((R - G) / RGBRange) * 60.0f) + 240.0f);
	const float Saturation = RGBMax == 0.0f ? 0.0f : RGBRange / RGBMax;
	return FLinearColor(Hue, Saturation, RGBMax, A);
}

FLinearColor FLinearColor::HSVToLinearRGB() const
{
	const float Hue = R;
	const float Saturation = G;
	const float Value = B;
	const float HDiv60 = Hue / 60.0f;
	const float HDiv60Floor = std::floor(HDiv60);
	const float HDiv60Fraction = HDiv60 - HDiv60Floor;
	const float RGBValues[4] = {Value, Value * (1.0f - Saturation), Value * (1.0f - (HDiv60Fraction * Saturation)), Value * (1.0f - ((1.0f - HDiv60Fraction) * Saturation))};
	static const uint32 RGBSwizzle[6][3] = {{0, 3, 1}, {2, 0, 1}, {1, 0, 3}, {1, 2, 0}, {3, 1, 0}, {0, 1, 2}};
	const uint32 SwizzleIndex = static_cast<uint32>(HDiv60Floor) % 6;
	return FLinearColor(RGBValues[RGBSwizzle[SwizzleIndex][0]], RGBValues[RGBSwizzle[SwizzleIndex][1]], RGBValues[RGBSwizzle[SwizzleIndex][2]], A);
}

FLinearColor FLinearColor::MakeFromHSV8(uint8 H, uint8 S, uint8 V)
{
	return FLinearColor(H * 360.0f / 255.0f, S / 255.0f, V / 255.0f).HSVToLinearRGB();
}

FLinearColor FLinearColor::LerpUsingHSV(const FLinearColor& From, const FLinearColor& To, const float Progress)
{
	const FLinearColor FromHSV = From.LinearRGBToHSV();
	const FLinearColor ToHSV = To.LinearRGBToHSV();
	float FromHue = FromHSV.R;
	float ToHue = ToHSV.R;
	if (FMath::Abs(FromHue - ToHue) > 180.0f)
	{
		if (ToHue > FromHue)
		{
			FromHue += 360.0f;
		}
		else
		{
			ToHue += 360.0f;
		}
	}
	float NewHue = FMath::Lerp(FromHue, ToHue, Progress);
	NewHue = std::fmod(NewHue, 360.0f);
	if (NewHue < 0.0f)
	{
		NewHue += 360.0f;
	}
	return FLinearColor(NewHue, FMath::Lerp(FromHSV.G, ToHSV.G, Progress), FMath::Lerp(FromHSV.B, ToHSV.B, Progress), FMath::Lerp(FromHSV.A, ToHSV.A, Progress)).HSVToLinearRGB();
}

FString FLinearColor::ToString() const
{
	return FString::Printf(TEXT("(R=%f,G=%f,B=%f,A=%f)"), R, G, B, A);
}

bool FLinearColor::InitFromString(const FString& InSourceString)
{
	float Values[4] = {0, 0, 0, 1.0f};
	const TCHAR* Keys[4] = {TEXT("R="), TEXT("G="), TEXT("B="), TEXT("A=")};
	bool bFoundRGB = true;
	for (int32 Index = 0; Index < 4; ++Index)
	{
		const int32 At = InSourceString.Find(Keys[Index], ESearchCase::IgnoreCase);
		if (At == INDEX_NONE)
		{
			bFoundRGB &= Index == 3;
			continue;
		}
		Values[Index] = FCString::Atof(*InSourceString + At + 2);
	}
	if (bFoundRGB)
	{
		*this = FLinearColor(Values[0], Values[1], Values[2], Values[3]);
	}
	return bFoundRGB;
}

FString FColor::ToHex() const
{
	return FString::Printf(TEXT("%02X%02X%02X%02X"), R, G, B, A);
}

FColor FColor::FromHex(const FString& HexString)
{
	const int32 Start = HexString.StartsWith(TEXT("#")) ? 1 : 0;
	const int32 Length = HexString.Len() - Start;
	const TCHAR* Digits = *HexString + Start;
	if (Length == 3 || Length == 4)
	{
		const int32 Red = HexDigit(Digits[0]);
		const int32 Green = HexDigit(Digits[1]);
		const int32 Blue = HexDigit(Digits[2]);
		const int32 Alpha = Length == 4 ? HexDigit(Digits[3]) : 15;
		return FColor(static_cast<uint8>(Red << 4 | Red), static_cast<uint8>(Green << 4 | Green), static_cast<uint8>(Blue << 4 | Blue), static_cast<uint8>(Alpha << 4 | Alpha));
	}
	if (Length == 6 || Length == 8)
	{
		auto Byte = [Digits](int32 Index)
		{ return static_cast<uint8>(HexDigit(Digits[Index]) << 4 | HexDigit(Digits[Index + 1])); };
		return FColor(Byte(0), Byte(2), Byte(4), Length == 8 ? Byte(6) : 255);
	}
	return FColor(ForceInit);
}

FString FColor::ToString() const
{
	return FString::Printf(TEXT("(R=%i,G=%i,B=%i,A=%i)"), R, G, B, A);
}

#include "Internationalization/Culture.h"
#include "Internationalization/Text.h"
#include "TextData.h"
#include <cmath>
#include <cstdio>
#include <string>

namespace UE::Core::Private
{
	namespace
	{
		/** Lays out sign, grouped integral digits and fraction by the culture's rules. */
		FString Compose(bool bNegative, std::string Integral, std::string Fraction, const FNumberFormattingOptions& Options, const FCulture& Culture)
		{
			const FDecimalNumberFormattingRules& Rules = Culture.GetDecimalNumberFormattingRules();

			while (Integral.size() > 1 && Integral[0] == '0')
			{
				Integral.erase(0, 1);
			}
			if (static_cast<int32>(Integral.size()) < Options.MinimumIntegralDigits)
			{
				Integral.insert(0, Options.MinimumIntegralDigits - Integral.size(), '0');
			}
			if (Options.MaximumIntegralDigits >= 0 && static_cast<int32>(Integral.size()) > Options.MaximumIntegralDigits)
			{
				Integral.erase(0, Integral.size() - Options.MaximumIntegralDigits);
			}
			while (static_cast<int32>(Fraction.size()) > Options.MinimumFractionalDigits && !Fraction.empty() && Fraction.back() == '0')
			{
				Fraction.pop_back();
			}
			if (static_cast<int32>(Fraction.size()) < Options.MinimumFractionalDigits)
			{
				Fraction.append(Options.MinimumFractionalDigits - Fraction.size(), '0');
			}

			const bool bAllZero = Integral.find_first_not_of('0') == std::string::npos && Fraction.find_first_not_of('0') == std::string::npos;
			FString Result;
			if (bNegative && !bAllZero)
			{
				Result += Rules.NegativePrefixString;
			}
			else if (Options.AlwaysSign)
			{
				Result += Rules.PlusString;
			}

			const int32 NumIntegral = static_cast<int32>(Integral.size());
			const bool bGroup = Options.UseGrouping && Rules.PrimaryGroupingSize > 0 && NumIntegral >= Rules.PrimaryGroupingSize + Rules.MinimumGroupingDigits;
			for (int32 Index = 0; Index < NumIntegral; ++Index)
			{
				const int32 DigitsAfter = NumIntegral - Index;
				if (bGroup && Index > 0 && DigitsAfter % Rules.PrimaryGroupingSize == 0)
				{
					Result.AppendChar(Rules.GroupingSeparatorCharacter);
				}
				Result.AppendChar(static_cast<TCHAR>(Integral[Index]));
			}
			if (!Fraction.empty())
			{
				Result.AppendChar(Rules.DecimalSeparatorCharacter);
				for (char Digit : Fraction)
				{
					Result.AppendChar(static_cast<TCHAR>(Digit));
				}
			}
			if (bNegative && !bAllZero)
			{
				Result += Rules.NegativeSuffixString;
			}
			return Result;
		}

		long double RoundScaled(long double Scaled, bool bNegative, ERoundingMode Mode)
		{
			// Scaled is the magnitude; the sign only matters for the directed modes.
			const long double Floor = std::floor(Scaled);
			const long double Diff = Scaled - Floor;
			switch (Mode)
			{
				case ERoundingMode::HalfFromZero:
					return Diff >= 0.5L ? Floor + 1 : Floor;
				case ERoundingMode::HalfToZero:
					return Diff > 0.5L ? Floor + 1 : Floor;
				case ERoundingMode::FromZero:
					return Diff > 0 ? Floor + 1 : Floor;
				case ERoundingMode::ToZero:
					return Floor;
				case ERoundingMode::ToNegativeInfinity:
					return bNegative && Diff > 0 ? Floor + 1 : Floor;
				case ERoundingMode::ToPositiveInfinity:
					return !bNegative && Diff > 0 ? Floor + 1 : Floor;
				case ERoundingMode::HalfToEven:
				default:
					if (Diff > 0.5L)
					{
						return Floor + 1;
					}
					if (Diff < 0.5L)
					{
						return Floor;
					}
					return std::fmod(Floor, 2.0L) == 0 ? Floor : Floor + 1;
			}
		}
	} // namespace

	FString FormatInteger(bool bNegative, uint64 Magnitude, const FNumberFormattingOptions& Options, const FCulture& Culture)
	{
		return Compose(bNegative, std::to_string(Magnitude), std::string(), Options, Culture);
	}

	FString FormatFloating(double Value, const FNumberFormattingOptions& Options, const FCulture& Culture)
	{
		const FDecimalNumberFormattingRules& Rules = Culture.GetDecimalNumberFormattingRules();
		if (std::isnan(Value))
		{
			return Rules.NaNString;
		}
		const bool bNegative = std::signbit(Value);
		if (std::isinf(Value))
		{
			return bNegative ? TEXT("-\u221E") : TEXT("\u221E");
		}
		const int32 MaxFraction = Options.MaximumFractionalDigits < 0 ? 0 : (Options.MaximumFractionalDigits > 18 ? 18 : Options.MaximumFractionalDigits);
		const long double Magnitude = std::fabs(static_cast<long double>(Value));

		char Buffer[512];
		if (Options.RoundingMode == ERoundingMode::HalfToEven)
		{
			// The C library rounds the exact binary value, ties to even.
			std::snprintf(Buffer, sizeof(Buffer), "%.*Lf", MaxFraction, Magnitude);
		}
		else
		{
			const long double Scale = std::pow(10.0L, MaxFraction);
			const long double Rounded = RoundScaled(Magnitude * Scale, bNegative, Options.RoundingMode) / Scale;
			std::snprintf(Buffer, sizeof(Buffer), "%.*Lf", MaxFraction, Rounded);
		}
		std::string Text = Buffer;
		const size_t Dot = Text.find('.');
		const std::string Integral = Dot == std::string::npos ? Text : Text.substr(0, Dot);
		const std::string Fraction = Dot == std::string::npos ? std::string() : Text.substr(Dot + 1);
		return Compose(bNegative, Integral, Fraction, Options, Culture);
	}
} // namespace UE::Core::Private

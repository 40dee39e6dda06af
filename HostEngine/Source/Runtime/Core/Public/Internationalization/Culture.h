#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Internationalization/CulturePointer.h"

/** How a culture writes decimal numbers. */
struct FDecimalNumberFormattingRules
{
	FString NaNString = TEXT("NaN");
	FString NegativePrefixString = TEXT("-");
	FString NegativeSuffixString;
	FString PositivePrefixString;
	FString PositiveSuffixString;
	FString PlusString = TEXT("+");
	FString MinusString = TEXT("-");
	TCHAR GroupingSeparatorCharacter = TEXT(',');
	TCHAR DecimalSeparatorCharacter = TEXT('.');
	uint8 PrimaryGroupingSize = 3;
	uint8 SecondaryGroupingSize = 3;
	/** Digits the integral part needs before grouping applies at all. */
	uint8 MinimumGroupingDigits = 1;
};

/** A language and region, with the rules it formats numbers by. */
class CORE_API FCulture
{
public:
	FCulture(const FString& InName, const FString& InEnglishName, const FString& InNativeName, const FDecimalNumberFormattingRules& InNumberRules);

	const FString& GetName() const
	{
		return Name;
	}
	const FString& GetDisplayName() const
	{
		return EnglishName;
	}
	const FString& GetEnglishName() const
	{
		return EnglishName;
	}
	const FString& GetNativeName() const
	{
		return NativeName;
	}
	FString GetTwoLetterISOLanguageName() const;
	FString GetRegion() const;
	const FDecimalNumberFormattingRules& GetDecimalNumberFormattingRules() const
	{
		return NumberRules;
	}

private:
	FString Name;
	FString EnglishName;
	FString NativeName;
	FDecimalNumberFormattingRules NumberRules;
};

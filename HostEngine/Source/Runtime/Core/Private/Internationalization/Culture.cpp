#include "Internationalization/Culture.h"

FCulture::FCulture(const FString& InName, const FString& InEnglishName, const FString& InNativeName, const FDecimalNumberFormattingRules& InNumberRules)
	: Name(InName), EnglishName(InEnglishName), NativeName(InNativeName), NumberRules(InNumberRules)
{
}

FString FCulture::GetTwoLetterISOLanguageName() const
{
	int32 Separator = INDEX_NONE;
	return Name.FindChar(TEXT('-'), Separator) ? Name.Left(Separator) : Name;
}

FString FCulture::GetRegion() const
{
	int32 Separator = INDEX_NONE;
	return Name.FindLastChar(TEXT('-'), Separator) ? Name.RightChop(Separator + 1) : FString();
}

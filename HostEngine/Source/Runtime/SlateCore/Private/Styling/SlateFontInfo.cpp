#include "Fonts/SlateFontInfo.h"

FSlateFontInfo::FSlateFontInfo()
	: Size(24.0f)
{
}

FSlateFontInfo::FSlateFontInfo(const FString& InFontName, float InSize)
	: FontName(*InFontName)
	, TypefaceFontName(TEXT("Regular"))
	, Size(InSize)
{
}

FSlateFontInfo::FSlateFontInfo(const FName& InFontName, float InSize)
	: FontName(InFontName)
	, TypefaceFontName(TEXT("Regular"))
	, Size(InSize)
{
}

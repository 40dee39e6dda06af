#pragma once

#include "CoreMinimal.h"

/** Which font a text is drawn in. The host renders no glyphs; the info only names the typeface and size. */
struct SLATECORE_API FSlateFontInfo
{
	/** No font: the widget falls back to its style's font. */
	FSlateFontInfo();

	FSlateFontInfo(const FString& InFontName, float InSize);

	FSlateFontInfo(const FName& InFontName, float InSize);

	bool HasValidFont() const
	{
		return !FontName.IsNone();
	}

	bool IsIdenticalTo(const FSlateFontInfo& Other) const
	{
		return FontName == Other.FontName && TypefaceFontName == Other.TypefaceFontName && Size == Other.Size;
	}

	bool operator==(const FSlateFontInfo& Other) const
	{
		return IsIdenticalTo(Other);
	}

	/** The font family. */
	FName FontName;
	/** The face within the family ("Regular", "Bold", ...). */
	FName TypefaceFontName;
	/** Point size. */
	float Size;
};

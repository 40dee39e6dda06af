#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Internationalization/CulturePointer.h"

class FText;

/**
 * The process's current culture. Texts made from numbers or format patterns follow it: their
 * display string is rebuilt the next time it is read after the culture changes. There are no
 * translations, so a localizable text displays its source string in every culture.
 */
class CORE_API FInternationalization
{
public:
	static FInternationalization& Get();
	static bool IsAvailable()
	{
		return true;
	}

	/** Switches language and locale; false (and nothing changes) for a culture the host does not know. */
	bool SetCurrentCulture(const FString& InCultureName);
	FCultureRef GetCurrentCulture() const;
	bool SetCurrentLanguage(const FString& InCultureName);
	FCultureRef GetCurrentLanguage() const;
	bool SetCurrentLocale(const FString& InCultureName);
	FCultureRef GetCurrentLocale() const;
	bool SetCurrentLanguageAndLocale(const FString& InCultureName);

	/** The culture for a name such as "de" or "de-DE", or null if unknown. */
	FCulturePtr GetCulture(const FString& InCultureName);
	FCultureRef GetDefaultCulture() const;
	FCultureRef GetInvariantCulture() const;
	void GetCultureNames(TArray<FString>& CultureNames) const;

	/** Changes every time the current culture does. */
	uint32 GetCultureRevision() const;

	static FText ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(const TCHAR* InTextLiteral, const TCHAR* InNamespace, const TCHAR* InKey);

private:
	FInternationalization();
};

#define LOCTEXT(InKey, InTextLiteral) FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(TEXT(InTextLiteral), TEXT(LOCTEXT_NAMESPACE), TEXT(InKey))
#define NSLOCTEXT(InNamespace, InKey, InTextLiteral) FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(TEXT(InTextLiteral), TEXT(InNamespace), TEXT(InKey))
#define INVTEXT(InTextLiteral) FText::AsCultureInvariant(TEXT(InTextLiteral))

#include "Internationalization/Internationalization.h"

#include "Internationalization/Culture.h"
#include "Internationalization/Text.h"
#include "TextData.h"
#include <atomic>
#include <mutex>

namespace
{
	struct FKnownCulture
	{
		const TCHAR* Name;
		const TCHAR* EnglishName;
		const TCHAR* NativeName;
		TCHAR DecimalSeparator;
		TCHAR GroupingSeparator;
		uint8 MinimumGroupingDigits;
	};

	// The number rules of the cultures the host knows. French groups with U+202F (narrow
	// no-break space), as current CLDR data has it; Spanish and Polish only group from five
	// digits.
	const FKnownCulture KnownCultures[] = {
		{TEXT("en"), TEXT("English"), TEXT("English"), TEXT('.'), TEXT(','), 1},
		{TEXT("en-US"), TEXT("English (United States)"), TEXT("English (United States)"), TEXT('.'), TEXT(','), 1},
		{TEXT("en-GB"), TEXT("English (United Kingdom)"), TEXT("English (United Kingdom)"), TEXT('.'), TEXT(','), 1},
		{TEXT("de"), TEXT("German"), TEXT("Deutsch"), TEXT(','), TEXT('.'), 1},
		{TEXT("de-DE"), TEXT("German (Germany)"), TEXT("Deutsch (Deutschland)"), TEXT(','), TEXT('.'), 1},
		{TEXT("fr"), TEXT("French"), TEXT("fran\u00e7ais"), TEXT(','), TEXT('\u202F'), 1},
		{TEXT("fr-FR"), TEXT("French (France)"), TEXT("fran\u00e7ais (France)"), TEXT(','), TEXT('\u202F'), 1},
		{TEXT("es"), TEXT("Spanish"), TEXT("espa\u00f1ol"), TEXT(','), TEXT('.'), 2},
		{TEXT("it"), TEXT("Italian"), TEXT("italiano"), TEXT(','), TEXT('.'), 1},
		{TEXT("pt"), TEXT("Portuguese"), TEXT("portugu\u00eas"), TEXT(','), TEXT('.'), 1},
		{TEXT("pt-BR"), TEXT("Portuguese (Brazil)"), TEXT("portugu\u00eas (Brasil)"), TEXT(','), TEXT('.'), 1},
		{TEXT("nl"), TEXT("Dutch"), TEXT("Nederlands"), TEXT(','), TEXT('.'), 1},
		{TEXT("pl"), TEXT("Polish"), TEXT("polski"), TEXT(','), TEXT('\u00A0'), 2},
		{TEXT("ru"), TEXT("Russian"), TEXT("\u0440\u0443\u0441\u0441\u043a\u0438\u0439"), TEXT(','), TEXT('\u00A0'), 1},
		{TEXT("ja"), TEXT("Japanese"), TEXT("\u65e5\u672c\u8a9e"), TEXT('.'), TEXT(','), 1},
		{TEXT("ko"), TEXT("Korean"), TEXT("\ud55c\uad6d\uc5b4"), TEXT('.'), TEXT(','), 1},
		{TEXT("zh-Hans"), TEXT("Chinese (Simplified)"), TEXT("\u4e2d\u6587\uff08\u7b80\u4f53\uff09"), TEXT('.'), TEXT(','), 1},
	};

	FCultureRef MakeCulture(const FKnownCulture& Known)
	{
		FDecimalNumberFormattingRules Rules;
		Rules.DecimalSeparatorCharacter = Known.DecimalSeparator;
		Rules.GroupingSeparatorCharacter = Known.GroupingSeparator;
		Rules.MinimumGroupingDigits = Known.MinimumGroupingDigits;
		return MakeShared<FCulture, ESPMode::ThreadSafe>(Known.Name, Known.EnglishName, Known.NativeName, Rules);
	}

	struct FCultureState
	{
		std::mutex Mutex;
		TArray<FCultureRef> Cultures;
		FCulturePtr Invariant;
		FCulturePtr Language;
		FCulturePtr Locale;
		std::atomic<uint32> Revision{1};

		FCultureState()
		{
			for (const FKnownCulture& Known : KnownCultures)
			{
				Cultures.Add(MakeCulture(Known));
			}
			FDecimalNumberFormattingRules InvariantRules;
			Invariant = MakeShared<FCulture, ESPMode::ThreadSafe>(FString(), TEXT("Invariant Language (Invariant Country)"), TEXT("Invariant Language (Invariant Country)"), InvariantRules);
			Language = Cultures[0];
			Locale = Cultures[0];
		}

		FCulturePtr Find(const FString& Name)
		{
			FString Normalized = Name.Replace(TEXT("_"), TEXT("-"));
			// "de-AT" falls back to "de" when the host has no rules of its own for it.
			for (;;)
			{
				for (const FCultureRef& Culture : Cultures)
				{
					if (Culture->GetName().Equals(Normalized, ESearchCase::IgnoreCase))
					{
						return Culture;
					}
				}
				int32 Separator = INDEX_NONE;
				if (!Normalized.FindLastChar(TEXT('-'), Separator))
				{
					return nullptr;
				}
				Normalized.LeftInline(Separator);
			}
		}
	};

	FCultureState& State()
	{
		static FCultureState* Instance = new FCultureState();
		return *Instance;
	}
} // namespace

FInternationalization::FInternationalization() = default;

FInternationalization& FInternationalization::Get()
{
	static FInternationalization Instance;
	return Instance;
}

bool FInternationalization::SetCurrentCulture(const FString& InCultureName)
{
	return SetCurrentLanguageAndLocale(InCultureName);
}

FCultureRef FInternationalization::GetCurrentCulture() const
{
	return GetCurrentLanguage();
}

bool FInternationalization::SetCurrentLanguage(const FString& InCultureName)
{
	FCultureState& Cultures = State();
	std::lock_guard<std::mutex> Lock(Cultures.Mutex);
	FCulturePtr Found = Cultures.Find(InCultureName);
	if (!Found.IsValid())
	{
		return false;
	}
	if (Found != Cultures.Language)
	{
		Cultures.Language = Found;
		Cultures.Revision.fetch_add(1);
	}
	return true;
}

FCultureRef FInternationalization::GetCurrentLanguage() const
{
	FCultureState& Cultures = State();
	std::lock_guard<std::mutex> Lock(Cultures.Mutex);
	return Cultures.Language.ToSharedRef();
}

bool FInternationalization::SetCurrentLocale(const FString& InCultureName)
{
	FCultureState& Cultures = State();
	std::lock_guard<std::mutex> Lock(Cultures.Mutex);
	FCulturePtr Found = Cultures.Find(InCultureName);
	if (!Found.IsValid())
	{
		return false;
	}
	if (Found != Cultures.Locale)
	{
		Cultures.Locale = Found;
		Cultures.Revision.fetch_add(1);
	}
	return true;
}

FCultureRef FInternationalization::GetCurrentLocale() const
{
	FCultureState& Cultures = State();
	std::lock_guard<std::mutex> Lock(Cultures.Mutex);
	return Cultures.Locale.ToSharedRef();
}

bool FInternationalization::SetCurrentLanguageAndLocale(const FString& InCultureName)
{
	if (!GetCulture(InCultureName).IsValid())
	{
		return false;
	}
	SetCurrentLanguage(InCultureName);
	SetCurrentLocale(InCultureName);
	return true;
}

FCulturePtr FInternationalization::GetCulture(const FString& InCultureName)
{
	FCultureState& Cultures = State();
	std::lock_guard<std::mutex> Lock(Cultures.Mutex);
	return Cultures.Find(InCultureName);
}

FCultureRef FInternationalization::GetDefaultCulture() const
{
	FCultureState& Cultures = State();
	std::lock_guard<std::mutex> Lock(Cultures.Mutex);
	return Cultures.Cultures[0];
}

FCultureRef FInternationalization::GetInvariantCulture() const
{
	FCultureState& Cultures = State();
	std::lock_guard<std::mutex> Lock(Cultures.Mutex);
	return Cultures.Invariant.ToSharedRef();
}

void FInternationalization::GetCultureNames(TArray<FString>& CultureNames) const
{
	FCultureState& Cultures = State();
	std::lock_guard<std::mutex> Lock(Cultures.Mutex);
	CultureNames.Reset();
	for (const FCultureRef& Culture : Cultures.Cultures)
	{
		CultureNames.Add(Culture->GetName());
	}
}

uint32 FInternationalization::GetCultureRevision() const
{
	return State().Revision.load();
}

FText FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(const TCHAR* InTextLiteral, const TCHAR* InNamespace, const TCHAR* InKey)
{
	auto Data = std::make_shared<UE::Core::Private::FTextData>();
	Data->SourceString = InTextLiteral;
	Data->DisplayString = Data->SourceString;
	Data->Namespace = FString(InNamespace);
	Data->Key = FString(InKey);
	return FText(MoveTemp(Data), 0);
}

namespace UE::Core::Private
{
	FCultureRef ResolveCulture(const FCulturePtr& TargetCulture)
	{
		return TargetCulture.IsValid() ? TargetCulture.ToSharedRef() : FInternationalization::Get().GetCurrentLocale();
	}
} // namespace UE::Core::Private

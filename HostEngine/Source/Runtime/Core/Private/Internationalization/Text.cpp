#include "Internationalization/Text.h"

#include "CoreGlobals.h"
#include "Internationalization/Culture.h"
#include "Internationalization/Internationalization.h"
#include "TextData.h"
#include <memory>

using UE::Core::Private::FTextData;

namespace
{
	std::shared_ptr<FTextData> MakeLiteral(FString&& String)
	{
		auto Data = std::make_shared<FTextData>();
		Data->DisplayString = String;
		Data->SourceString = MoveTemp(String);
		return Data;
	}

	std::shared_ptr<FTextData> MakeGenerated(std::function<FString()>&& Generator)
	{
		auto Data = std::make_shared<FTextData>();
		Data->Generator = MoveTemp(Generator);
		return Data;
	}

	const std::shared_ptr<FTextData>& EmptyData()
	{
		static const std::shared_ptr<FTextData>* Empty = new std::shared_ptr<FTextData>(MakeLiteral(FString()));
		return *Empty;
	}

	template <typename T>
	FString FormatAnyNumber(T Value, const FNumberFormattingOptions& Options, const FCulture& Culture)
	{
		if constexpr (std::is_floating_point_v<T>)
		{
			return UE::Core::Private::FormatFloating(static_cast<double>(Value), Options, Culture);
		}
		else if constexpr (std::is_signed_v<T>)
		{
			const bool bNegative = Value < 0;
			const uint64 Magnitude = bNegative ? static_cast<uint64>(-(static_cast<int64>(Value) + 1)) + 1 : static_cast<uint64>(Value);
			return UE::Core::Private::FormatInteger(bNegative, Magnitude, Options, Culture);
		}
		else
		{
			return UE::Core::Private::FormatInteger(false, static_cast<uint64>(Value), Options, Culture);
		}
	}

	template <typename T>
	FText MakeNumberText(T Value, const FNumberFormattingOptions* const Options, const FCulturePtr& TargetCulture, std::function<FString()>& OutGenerator)
	{
		const FNumberFormattingOptions Captured = Options ? *Options : FNumberFormattingOptions::DefaultWithGrouping();
		OutGenerator = [Value, Captured, TargetCulture]()
		{
			const FCultureRef Culture = UE::Core::Private::ResolveCulture(TargetCulture);
			return FormatAnyNumber(Value, Captured, *Culture);
		};
		return FText();
	}

	bool IsIdentifierChar(TCHAR Char)
	{
		return FChar::IsAlnum(Char) || Char == TEXT('_') || Char == TEXT(' ') || Char == TEXT('-');
	}

	/**
	 * Substitutes {0} or {Name} placeholders. A backtick makes the next brace or backtick
	 * literal. Placeholders with no argument are left as written.
	 */
	FString ApplyFormat(const FString& Pattern, const FFormatOrderedArguments* Ordered, const FFormatNamedArguments* Named)
	{
		FString Result;
		Result.Reserve(Pattern.Len() + 16);
		const int32 Length = Pattern.Len();
		for (int32 Index = 0; Index < Length; ++Index)
		{
			const TCHAR Char = Pattern[Index];
			if (Char == TEXT('`') && Index + 1 < Length && (Pattern[Index + 1] == TEXT('{') || Pattern[Index + 1] == TEXT('}') || Pattern[Index + 1] == TEXT('`')))
			{
				Result.AppendChar(Pattern[++Index]);
				continue;
			}
			if (Char != TEXT('{'))
			{
				Result.AppendChar(Char);
				continue;
			}
			int32 Close = Index + 1;
			while (Close < Length && Pattern[Close] != TEXT('}') && IsIdentifierChar(Pattern[Close]))
			{
				++Close;
			}
			if (Close >= Length || Pattern[Close] != TEXT('}') || Close == Index + 1)
			{
				Result.AppendChar(Char);
				continue;
			}
			const FString Name = Pattern.Mid(Index + 1, Close - Index - 1);
			const FFormatArgumentValue* Argument = nullptr;
			if (Ordered)
			{
				bool bAllDigits = true;
				for (TCHAR NameChar : Name)
				{
					bAllDigits &= FChar::IsDigit(NameChar);
				}
				if (bAllDigits)
				{
					const int32 ArgIndex = FCString::Atoi(*Name);
					if (Ordered->IsValidIndex(ArgIndex))
					{
						Argument = &(*Ordered)[ArgIndex];
					}
				}
			}
			else if (Named)
			{
				Argument = Named->Find(Name);
			}
			if (Argument)
			{
				Result += Argument->ToFormattedString();
			}
			else
			{
				Result += Pattern.Mid(Index, Close - Index + 1);
			}
			Index = Close;
		}
		return Result;
	}
} // namespace

namespace UE::Core::Private
{
	const FString& FTextData::GetDisplayString() const
	{
		if (!Generator)
		{
			return DisplayString;
		}
		std::lock_guard<std::mutex> Lock(Mutex);
		const uint32 Revision = FInternationalization::Get().GetCultureRevision();
		if (BuiltForRevision != Revision)
		{
			DisplayString = Generator();
			BuiltForRevision = Revision;
		}
		return DisplayString;
	}
} // namespace UE::Core::Private

FText::FText()
	: Data(EmptyData()), Flags(0)
{
}

FText::FText(std::shared_ptr<FTextData> InData, uint32 InFlags)
	: Data(MoveTemp(InData)), Flags(InFlags)
{
}

const FText& FText::GetEmpty()
{
	static const FText* Empty = new FText();
	return *Empty;
}

FText FText::FromString(const FString& String)
{
	return FromString(FString(String));
}

FText FText::FromString(FString&& String)
{
	// Outside the editor such texts can never be translated, so they are also invariant.
	uint32 NewFlags = ETextFlag::InitializedFromString;
	if (!GIsEditor)
	{
		NewFlags |= ETextFlag::CultureInvariant;
	}
	return FText(MakeLiteral(MoveTemp(String)), NewFlags);
}

FText FText::FromStringView(FStringView InString)
{
	return FromString(FString(InString));
}

FText FText::FromName(const FName& Val)
{
	return FromString(Val.ToString());
}

FText FText::AsCultureInvariant(const TCHAR* String)
{
	return FText(MakeLiteral(FString(String)), ETextFlag::CultureInvariant);
}

FText FText::AsCultureInvariant(FStringView String)
{
	return FText(MakeLiteral(FString(String)), ETextFlag::CultureInvariant);
}

FText FText::AsCultureInvariant(FString&& String)
{
	return FText(MakeLiteral(MoveTemp(String)), ETextFlag::CultureInvariant);
}

FText FText::AsCultureInvariant(FText Text)
{
	Text.Flags |= ETextFlag::CultureInvariant;
	return Text;
}

#define UE_HOST_DEFINE_AS_NUMBER(Type)                                                                               \
	FText FText::AsNumber(Type Val, const FNumberFormattingOptions* const Options, const FCulturePtr& TargetCulture) \
	{                                                                                                                \
		std::function<FString()> Generator;                                                                          \
		MakeNumberText(Val, Options, TargetCulture, Generator);                                                      \
		return FText(MakeGenerated(MoveTemp(Generator)), 0);                                                         \
	}
UE_HOST_DEFINE_AS_NUMBER(float)
UE_HOST_DEFINE_AS_NUMBER(double)
UE_HOST_DEFINE_AS_NUMBER(int8)
UE_HOST_DEFINE_AS_NUMBER(int16)
UE_HOST_DEFINE_AS_NUMBER(int32)
UE_HOST_DEFINE_AS_NUMBER(int64)
UE_HOST_DEFINE_AS_NUMBER(uint8)
UE_HOST_DEFINE_AS_NUMBER(uint16)
UE_HOST_DEFINE_AS_NUMBER(uint32)
UE_HOST_DEFINE_AS_NUMBER(uint64)
UE_HOST_DEFINE_AS_NUMBER(long)
#undef UE_HOST_DEFINE_AS_NUMBER

FText FText::AsPercent(float Val, const FNumberFormattingOptions* const Options, const FCulturePtr& TargetCulture)
{
	return AsPercent(static_cast<double>(Val), Options, TargetCulture);
}

FText FText::AsPercent(double Val, const FNumberFormattingOptions* const Options, const FCulturePtr& TargetCulture)
{
	FNumberFormattingOptions Captured = Options ? *Options : FNumberFormattingOptions().SetMaximumFractionalDigits(0);
	return FText(MakeGenerated([Val, Captured, TargetCulture]()
							   {
		const FCultureRef Culture = UE::Core::Private::ResolveCulture(TargetCulture);
		return UE::Core::Private::FormatFloating(Val * 100.0, Captured, *Culture) + TEXT("%"); }),
				 0);
}

FText FText::Format(FTextFormat Fmt, const FFormatNamedArguments& InArguments)
{
	return Format(MoveTemp(Fmt), FFormatNamedArguments(InArguments));
}

FText FText::Format(FTextFormat Fmt, FFormatNamedArguments&& InArguments)
{
	const FText Pattern = Fmt.GetSourceText();
	return FText(MakeGenerated([Pattern, Arguments = MoveTemp(InArguments)]()
							   { return ApplyFormat(Pattern.ToString(), nullptr, &Arguments); }),
				 0);
}

FText FText::Format(FTextFormat Fmt, const FFormatOrderedArguments& InArguments)
{
	return Format(MoveTemp(Fmt), FFormatOrderedArguments(InArguments));
}

FText FText::Format(FTextFormat Fmt, FFormatOrderedArguments&& InArguments)
{
	const FText Pattern = Fmt.GetSourceText();
	return FText(MakeGenerated([Pattern, Arguments = MoveTemp(InArguments)]()
							   { return ApplyFormat(Pattern.ToString(), &Arguments, nullptr); }),
				 0);
}

FText FText::Join(const FText& Delimiter, const TArray<FText>& Args)
{
	return FText(MakeGenerated([Delimiter, Args]()
							   {
		FString Result;
		for (int32 Index = 0; Index < Args.Num(); ++Index)
		{
			if (Index > 0)
			{
				Result += Delimiter.ToString();
			}
			Result += Args[Index].ToString();
		}
		return Result; }),
				 0);
}

bool FText::IsWhitespace(const TCHAR Char)
{
	return FChar::IsWhitespace(Char);
}

FText FText::TrimPreceding(const FText& InText)
{
	const FString Trimmed = InText.ToString().TrimStart();
	return Trimmed.Len() == InText.ToString().Len() ? InText : FText(MakeLiteral(FString(Trimmed)), InText.Flags & ETextFlag::CultureInvariant);
}

FText FText::TrimTrailing(const FText& InText)
{
	const FString Trimmed = InText.ToString().TrimEnd();
	return Trimmed.Len() == InText.ToString().Len() ? InText : FText(MakeLiteral(FString(Trimmed)), InText.Flags & ETextFlag::CultureInvariant);
}

FText FText::TrimPrecedingAndTrailing(const FText& InText)
{
	const FString Trimmed = InText.ToString().TrimStartAndEnd();
	return Trimmed.Len() == InText.ToString().Len() ? InText : FText(MakeLiteral(FString(Trimmed)), InText.Flags & ETextFlag::CultureInvariant);
}

const FString& FText::ToString() const
{
	return Data->GetDisplayString();
}

FString FText::BuildSourceString() const
{
	return Data->Generator ? Data->GetDisplayString() : Data->SourceString;
}

bool FText::IsEmpty() const
{
	return ToString().IsEmpty();
}

bool FText::IsEmptyOrWhitespace() const
{
	for (TCHAR Char : ToString())
	{
		if (!FChar::IsWhitespace(Char))
		{
			return false;
		}
	}
	return true;
}

bool FText::IsNumeric() const
{
	return ToString().IsNumeric();
}

FText FText::ToLower() const
{
	const FText Source = *this;
	return FText(MakeGenerated([Source]()
							   { return Source.ToString().ToLower(); }),
				 Flags & ETextFlag::CultureInvariant);
}

FText FText::ToUpper() const
{
	const FText Source = *this;
	return FText(MakeGenerated([Source]()
							   { return Source.ToString().ToUpper(); }),
				 Flags & ETextFlag::CultureInvariant);
}

bool FText::ShouldGatherForLocalization() const
{
	return Data->Key.IsSet() && !Data->SourceString.IsEmpty() && (Flags & (ETextFlag::CultureInvariant | ETextFlag::Transient | ETextFlag::InitializedFromString)) == 0;
}

bool FText::EqualTo(const FText& Other, const ETextComparisonLevel::Type ComparisonLevel) const
{
	return CompareTo(Other, ComparisonLevel) == 0;
}

bool FText::EqualToCaseIgnored(const FText& Other) const
{
	return CompareToCaseIgnored(Other) == 0;
}

int32 FText::CompareTo(const FText& Other, const ETextComparisonLevel::Type ComparisonLevel) const
{
	const bool bIgnoreCase = ComparisonLevel == ETextComparisonLevel::Primary || ComparisonLevel == ETextComparisonLevel::Secondary;
	return ToString().Compare(Other.ToString(), bIgnoreCase ? ESearchCase::IgnoreCase : ESearchCase::CaseSensitive);
}

int32 FText::CompareToCaseIgnored(const FText& Other) const
{
	return CompareTo(Other, ETextComparisonLevel::Secondary);
}

bool FText::IdenticalTo(const FText& Other, ETextIdenticalModeFlags CompareModeFlags) const
{
	if (Data == Other.Data)
	{
		return true;
	}
	if (EnumHasAnyFlags(CompareModeFlags, ETextIdenticalModeFlags::LexicalCompareInvariants) && IsCultureInvariant() && Other.IsCultureInvariant())
	{
		return ToString().Equals(Other.ToString(), ESearchCase::CaseSensitive);
	}
	if (EnumHasAnyFlags(CompareModeFlags, ETextIdenticalModeFlags::DeepCompare) && Data->Key.IsSet() && Other.Data->Key.IsSet())
	{
		return Data->Namespace == Other.Data->Namespace && Data->Key == Other.Data->Key && Data->SourceString.Equals(Other.Data->SourceString, ESearchCase::CaseSensitive);
	}
	return false;
}

FTextFormat::FTextFormat() = default;

FTextFormat::FTextFormat(const FText& InText)
	: SourceText(InText)
{
}

FTextFormat FTextFormat::FromString(const FString& InString)
{
	return FTextFormat(FText::AsCultureInvariant(FString(InString)));
}

FTextFormat FTextFormat::FromString(FString&& InString)
{
	return FTextFormat(FText::AsCultureInvariant(MoveTemp(InString)));
}

bool FTextFormat::IsValid() const
{
	int32 Depth = 0;
	const FString& Pattern = SourceText.ToString();
	for (int32 Index = 0; Index < Pattern.Len(); ++Index)
	{
		if (Pattern[Index] == TEXT('`'))
		{
			++Index;
		}
		else if (Pattern[Index] == TEXT('{'))
		{
			++Depth;
		}
		else if (Pattern[Index] == TEXT('}') && Depth > 0)
		{
			--Depth;
		}
	}
	return Depth == 0;
}

bool FTextFormat::IdenticalTo(const FTextFormat& Other, ETextIdenticalModeFlags CompareModeFlags) const
{
	return SourceText.IdenticalTo(Other.SourceText, CompareModeFlags);
}

FString FFormatArgumentValue::ToFormattedString() const
{
	const FCultureRef Culture = FInternationalization::Get().GetCurrentLocale();
	const FNumberFormattingOptions& Options = FNumberFormattingOptions::DefaultWithGrouping();
	switch (Type)
	{
		case EFormatArgumentType::Int:
			return FormatAnyNumber(IntValue, Options, *Culture);
		case EFormatArgumentType::UInt:
			return FormatAnyNumber(UIntValue, Options, *Culture);
		case EFormatArgumentType::Float:
			return FormatAnyNumber(FloatValue, Options, *Culture);
		case EFormatArgumentType::Double:
			return FormatAnyNumber(DoubleValue, Options, *Culture);
		case EFormatArgumentType::Text:
			return TextValue.GetValue().ToString();
		case EFormatArgumentType::Gender:
		default:
			return FString();
	}
}

bool FFormatArgumentValue::IdenticalTo(const FFormatArgumentValue& Other, const ETextIdenticalModeFlags CompareModeFlags) const
{
	if (Type != Other.Type)
	{
		return false;
	}
	switch (Type)
	{
		case EFormatArgumentType::Int:
			return IntValue == Other.IntValue;
		case EFormatArgumentType::UInt:
		case EFormatArgumentType::Gender:
			return UIntValue == Other.UIntValue;
		case EFormatArgumentType::Float:
			return FloatValue == Other.FloatValue;
		case EFormatArgumentType::Double:
			return DoubleValue == Other.DoubleValue;
		case EFormatArgumentType::Text:
		default:
			return TextValue.GetValue().IdenticalTo(Other.TextValue.GetValue(), CompareModeFlags);
	}
}

bool FNumberFormattingOptions::IsIdentical(const FNumberFormattingOptions& Other) const
{
	return AlwaysSign == Other.AlwaysSign && UseGrouping == Other.UseGrouping && RoundingMode == Other.RoundingMode && MinimumIntegralDigits == Other.MinimumIntegralDigits && MaximumIntegralDigits == Other.MaximumIntegralDigits && MinimumFractionalDigits == Other.MinimumFractionalDigits && MaximumFractionalDigits == Other.MaximumFractionalDigits;
}

const FNumberFormattingOptions& FNumberFormattingOptions::DefaultWithGrouping()
{
	static const FNumberFormattingOptions Options = FNumberFormattingOptions().SetUseGrouping(true);
	return Options;
}

const FNumberFormattingOptions& FNumberFormattingOptions::DefaultNoGrouping()
{
	static const FNumberFormattingOptions Options = FNumberFormattingOptions().SetUseGrouping(false);
	return Options;
}

bool FTextInspector::ShouldGatherForLocalization(const FText& Text)
{
	return Text.ShouldGatherForLocalization();
}

TOptional<FString> FTextInspector::GetNamespace(const FText& Text)
{
	return Text.Data->Namespace;
}

TOptional<FString> FTextInspector::GetKey(const FText& Text)
{
	return Text.Data->Key;
}

const FString* FTextInspector::GetSourceString(const FText& Text)
{
	return Text.Data->Generator ? &Text.Data->GetDisplayString() : &Text.Data->SourceString;
}

const FString& FTextInspector::GetDisplayString(const FText& Text)
{
	return Text.ToString();
}

uint32 FTextInspector::GetFlags(const FText& Text)
{
	return Text.Flags;
}

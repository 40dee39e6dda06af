#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/Map.h"
#include "Containers/UnrealString.h"
#include "Internationalization/CulturePointer.h"
#include "Internationalization/Internationalization.h"
#include "Misc/EnumClassFlags.h"
#include "Misc/Optional.h"
#include "Templates/TypeHash.h"
#include "UObject/NameTypes.h"
#include <memory>
#include <type_traits>

class FTextFormat;
class FFormatArgumentValue;
class FTextInspector;

namespace UE::Core::Private
{
	struct FTextData;
}

namespace ETextFlag
{
	enum Type : uint8
	{
		Transient = (1 << 0),
		CultureInvariant = (1 << 1),
		ConvertedProperty = (1 << 2),
		Immutable = (1 << 3),
		InitializedFromString = (1 << 4),
	};
} // namespace ETextFlag

namespace ETextComparisonLevel
{
	enum Type
	{
		/** The culture's default: case and accents count. */
		Default,
		/** Base characters only: ignores case and accents. */
		Primary,
		/** Accents count, case does not. */
		Secondary,
		/** Accents and case count. */
		Tertiary,
		Quaternary,
		Quinary
	};
} // namespace ETextComparisonLevel

enum class ETextIdenticalModeFlags : uint8
{
	None = 0,
	DeepCompare = 1 << 0,
	LexicalCompareInvariants = 1 << 1,
};
ENUM_CLASS_FLAGS(ETextIdenticalModeFlags)

enum class ETextGender : uint8
{
	Masculine,
	Feminine,
	Neuter,
};

enum ERoundingMode : int32
{
	/** Rounds to the nearest place, equidistant ties go to the value which is closest to an even value: 1.5 becomes 2, 0.5 becomes 0 */
	HalfToEven,
	/** Rounds to nearest place, equidistant ties go to the value which is further from zero: -0.5 becomes -1.0, 0.5 becomes 1.0 */
	HalfFromZero,
	/** Rounds to nearest place, equidistant ties go to the value which is closer to zero: -0.5 becomes 0, 0.5 becomes 0. */
	HalfToZero,
	/** Rounds to the value which is further from zero, "larger" in absolute value: 0.1 becomes 1, -0.1 becomes -1 */
	FromZero,
	/** Rounds to the value which is closer to zero, "smaller" in absolute value: 0.1 becomes 0, -0.1 becomes 0 */
	ToZero,
	/** Rounds to the value which is more negative: 0.1 becomes 0, -0.1 becomes -1 */
	ToNegativeInfinity,
	/** Rounds to the value which is more positive: 0.1 becomes 1, -0.1 becomes 0 */
	ToPositiveInfinity,
};

struct CORE_API FNumberFormattingOptions
{
	FNumberFormattingOptions() = default;

	bool AlwaysSign = false;
	bool UseGrouping = true;
	ERoundingMode RoundingMode = ERoundingMode::HalfToEven;
	int32 MinimumIntegralDigits = 1;
	int32 MaximumIntegralDigits = 324;
	int32 MinimumFractionalDigits = 0;
	int32 MaximumFractionalDigits = 3;

	FNumberFormattingOptions& SetAlwaysSign(bool InValue)
	{
		AlwaysSign = InValue;
		return *this;
	}
	FNumberFormattingOptions& SetUseGrouping(bool InValue)
	{
		UseGrouping = InValue;
		return *this;
	}
	FNumberFormattingOptions& SetRoundingMode(ERoundingMode InValue)
	{
		RoundingMode = InValue;
		return *this;
	}
	FNumberFormattingOptions& SetMinimumIntegralDigits(int32 InValue)
	{
		MinimumIntegralDigits = InValue;
		return *this;
	}
	FNumberFormattingOptions& SetMaximumIntegralDigits(int32 InValue)
	{
		MaximumIntegralDigits = InValue;
		return *this;
	}
	FNumberFormattingOptions& SetMinimumFractionalDigits(int32 InValue)
	{
		MinimumFractionalDigits = InValue;
		return *this;
	}
	FNumberFormattingOptions& SetMaximumFractionalDigits(int32 InValue)
	{
		MaximumFractionalDigits = InValue;
		return *this;
	}

	bool IsIdentical(const FNumberFormattingOptions& Other) const;

	static const FNumberFormattingOptions& DefaultWithGrouping();
	static const FNumberFormattingOptions& DefaultNoGrouping();
};

/**
 * Text shown to users. Texts from LOCTEXT/NSLOCTEXT carry a namespace and key and are gathered
 * for localization; FromString and AsCultureInvariant texts are not. FText has no operator==:
 * compare with EqualTo.
 */
class CORE_API FText
{
public:
	FText();
	FText(const FText&) = default;
	FText(FText&&) noexcept = default;
	FText& operator=(const FText&) = default;
	FText& operator=(FText&&) noexcept = default;
	~FText() = default;

	static const FText& GetEmpty();

	static FText FromString(const FString& String);
	static FText FromString(FString&& String);
	static FText FromStringView(FStringView InString);
	static FText FromName(const FName& Val);

	static FText AsCultureInvariant(const TCHAR* String);
	static FText AsCultureInvariant(FStringView String);
	static FText AsCultureInvariant(FString&& String);
	static FText AsCultureInvariant(FText Text);

#define UE_HOST_DECLARE_AS_NUMBER(Type) \
	static FText AsNumber(Type Val, const FNumberFormattingOptions* const Options = nullptr, const FCulturePtr& TargetCulture = nullptr);
	UE_HOST_DECLARE_AS_NUMBER(float)
	UE_HOST_DECLARE_AS_NUMBER(double)
	UE_HOST_DECLARE_AS_NUMBER(int8)
	UE_HOST_DECLARE_AS_NUMBER(int16)
	UE_HOST_DECLARE_AS_NUMBER(int32)
	UE_HOST_DECLARE_AS_NUMBER(int64)
	UE_HOST_DECLARE_AS_NUMBER(uint8)
	UE_HOST_DECLARE_AS_NUMBER(uint16)
	UE_HOST_DECLARE_AS_NUMBER(uint32)
	UE_HOST_DECLARE_AS_NUMBER(uint64)
	UE_HOST_DECLARE_AS_NUMBER(long)
#undef UE_HOST_DECLARE_AS_NUMBER

	static FText AsPercent(float Val, const FNumberFormattingOptions* const Options = nullptr, const FCulturePtr& TargetCulture = nullptr);
	static FText AsPercent(double Val, const FNumberFormattingOptions* const Options = nullptr, const FCulturePtr& TargetCulture = nullptr);

	static FText Format(FTextFormat Fmt, const TMap<FString, FFormatArgumentValue>& InArguments);
	static FText Format(FTextFormat Fmt, TMap<FString, FFormatArgumentValue>&& InArguments);
	static FText Format(FTextFormat Fmt, const TArray<FFormatArgumentValue>& InArguments);
	static FText Format(FTextFormat Fmt, TArray<FFormatArgumentValue>&& InArguments);

	/** Format(Pattern, A, B, ...) fills {0}, {1}, ... */
	template <typename... ArgTypes>
	static std::enable_if_t<(sizeof...(ArgTypes) > 0) && (std::is_constructible_v<FFormatArgumentValue, ArgTypes&&> && ...), FText>
	Format(FTextFormat Fmt, ArgTypes&&... Args);

	template <typename... ArgTypes>
	static FText FormatOrdered(FTextFormat Fmt, ArgTypes&&... Args);

	/** FormatNamed(Pattern, TEXT("Name"), Value, ...) fills {Name}. */
	template <typename... ArgTypes>
	static FText FormatNamed(FTextFormat Fmt, ArgTypes&&... Args);

	static FText Join(const FText& Delimiter, const TArray<FText>& Args);

	static FText TrimPreceding(const FText& InText);
	static FText TrimTrailing(const FText& InText);
	static FText TrimPrecedingAndTrailing(const FText& InText);

	static bool IsWhitespace(const TCHAR Char);

	/** The display string in the current culture. */
	const FString& ToString() const;
	FString BuildSourceString() const;

	bool IsEmpty() const;
	bool IsEmptyOrWhitespace() const;
	bool IsNumeric() const;

	FText ToLower() const;
	FText ToUpper() const;

	bool IsTransient() const
	{
		return (Flags & ETextFlag::Transient) != 0;
	}
	bool IsCultureInvariant() const
	{
		return (Flags & ETextFlag::CultureInvariant) != 0;
	}
	bool IsInitializedFromString() const
	{
		return (Flags & ETextFlag::InitializedFromString) != 0;
	}
	bool IsFromStringTable() const
	{
		return false;
	}
	bool ShouldGatherForLocalization() const;

	bool EqualTo(const FText& Other, const ETextComparisonLevel::Type ComparisonLevel = ETextComparisonLevel::Default) const;
	bool EqualToCaseIgnored(const FText& Other) const;
	int32 CompareTo(const FText& Other, const ETextComparisonLevel::Type ComparisonLevel = ETextComparisonLevel::Default) const;
	int32 CompareToCaseIgnored(const FText& Other) const;
	/** Same underlying text (the same data, or both empty), not merely the same characters. */
	bool IdenticalTo(const FText& Other, ETextIdenticalModeFlags CompareModeFlags = ETextIdenticalModeFlags::None) const;

	/** FTextFormat's pattern must be cheap to share. */
	friend class FTextFormat;
	friend class FTextInspector;
	friend class FInternationalization;

private:
	explicit FText(std::shared_ptr<UE::Core::Private::FTextData> InData, uint32 InFlags);

	std::shared_ptr<UE::Core::Private::FTextData> Data;
	uint32 Flags = 0;
};

/** A compiled text pattern for FText::Format. */
class CORE_API FTextFormat
{
public:
	FTextFormat();
	FTextFormat(const FText& InText);
	static FTextFormat FromString(const FString& InString);
	static FTextFormat FromString(FString&& InString);

	const FText& GetSourceText() const
	{
		return SourceText;
	}
	const FString& GetSourceString() const
	{
		return SourceText.ToString();
	}
	bool IsValid() const;
	bool IdenticalTo(const FTextFormat& Other, ETextIdenticalModeFlags CompareModeFlags = ETextIdenticalModeFlags::None) const;

private:
	FText SourceText;
};

namespace EFormatArgumentType
{
	enum Type : uint8
	{
		Int,
		UInt,
		Float,
		Double,
		Text,
		Gender,
	};
} // namespace EFormatArgumentType

/** One argument of a text format: a number, a text or a gender. */
class CORE_API FFormatArgumentValue
{
public:
	FFormatArgumentValue()
		: Type(EFormatArgumentType::Text), TextValue(FText::GetEmpty())
	{
		IntValue = 0;
	}
	FFormatArgumentValue(const int32 Value)
		: Type(EFormatArgumentType::Int)
	{
		IntValue = Value;
	}
	FFormatArgumentValue(const uint32 Value)
		: Type(EFormatArgumentType::UInt)
	{
		UIntValue = Value;
	}
	FFormatArgumentValue(const int64 Value)
		: Type(EFormatArgumentType::Int)
	{
		IntValue = Value;
	}
	FFormatArgumentValue(const uint64 Value)
		: Type(EFormatArgumentType::UInt)
	{
		UIntValue = Value;
	}
	FFormatArgumentValue(const float Value)
		: Type(EFormatArgumentType::Float)
	{
		FloatValue = Value;
	}
	FFormatArgumentValue(const double Value)
		: Type(EFormatArgumentType::Double)
	{
		DoubleValue = Value;
	}
	FFormatArgumentValue(const FText& Value)
		: Type(EFormatArgumentType::Text), TextValue(Value)
	{
		IntValue = 0;
	}
	FFormatArgumentValue(FText&& Value)
		: Type(EFormatArgumentType::Text), TextValue(MoveTemp(Value))
	{
		IntValue = 0;
	}
	FFormatArgumentValue(ETextGender Value)
		: Type(EFormatArgumentType::Gender)
	{
		UIntValue = static_cast<uint64>(Value);
	}

	EFormatArgumentType::Type GetType() const
	{
		return Type;
	}
	int64 GetIntValue() const
	{
		check(Type == EFormatArgumentType::Int);
		return IntValue;
	}
	uint64 GetUIntValue() const
	{
		check(Type == EFormatArgumentType::UInt);
		return UIntValue;
	}
	float GetFloatValue() const
	{
		check(Type == EFormatArgumentType::Float);
		return FloatValue;
	}
	double GetDoubleValue() const
	{
		check(Type == EFormatArgumentType::Double);
		return DoubleValue;
	}
	const FText& GetTextValue() const
	{
		check(Type == EFormatArgumentType::Text);
		return TextValue.GetValue();
	}
	ETextGender GetGenderValue() const
	{
		check(Type == EFormatArgumentType::Gender);
		return static_cast<ETextGender>(UIntValue);
	}

	/** The argument as it appears in formatted text, in the current culture. */
	FString ToFormattedString() const;
	bool IdenticalTo(const FFormatArgumentValue& Other, const ETextIdenticalModeFlags CompareModeFlags = ETextIdenticalModeFlags::None) const;

private:
	EFormatArgumentType::Type Type;
	union
	{
		int64 IntValue;
		uint64 UIntValue;
		float FloatValue;
		double DoubleValue;
	};
	TOptional<FText> TextValue;
};

typedef TArray<FFormatArgumentValue> FFormatOrderedArguments;
typedef TMap<FString, FFormatArgumentValue> FFormatNamedArguments;

template <typename... ArgTypes>
inline std::enable_if_t<(sizeof...(ArgTypes) > 0) && (std::is_constructible_v<FFormatArgumentValue, ArgTypes&&> && ...), FText>
FText::Format(FTextFormat Fmt, ArgTypes&&... Args)
{
	return FormatOrdered(MoveTemp(Fmt), Forward<ArgTypes>(Args)...);
}

template <typename... ArgTypes>
inline FText FText::FormatOrdered(FTextFormat Fmt, ArgTypes&&... Args)
{
	FFormatOrderedArguments Arguments;
	Arguments.Reserve(sizeof...(ArgTypes));
	(Arguments.Emplace(Forward<ArgTypes>(Args)), ...);
	return Format(MoveTemp(Fmt), MoveTemp(Arguments));
}

namespace UE::Core::Private
{
	inline void AddNamedArguments(FFormatNamedArguments&)
	{
	}
	template <typename NameType, typename ValueType, typename... RestTypes>
	void AddNamedArguments(FFormatNamedArguments& Arguments, NameType&& Name, ValueType&& Value, RestTypes&&... Rest)
	{
		Arguments.Emplace(FString(Forward<NameType>(Name)), FFormatArgumentValue(Forward<ValueType>(Value)));
		AddNamedArguments(Arguments, Forward<RestTypes>(Rest)...);
	}
} // namespace UE::Core::Private

template <typename... ArgTypes>
inline FText FText::FormatNamed(FTextFormat Fmt, ArgTypes&&... Args)
{
	static_assert(sizeof...(ArgTypes) % 2 == 0, "FormatNamed expects an even number of arguments: name, value, name, value...");
	FFormatNamedArguments Arguments;
	UE::Core::Private::AddNamedArguments(Arguments, Forward<ArgTypes>(Args)...);
	return Format(MoveTemp(Fmt), MoveTemp(Arguments));
}

/** Read access to what a text was made from. */
class CORE_API FTextInspector
{
public:
	static bool ShouldGatherForLocalization(const FText& Text);
	static TOptional<FString> GetNamespace(const FText& Text);
	static TOptional<FString> GetKey(const FText& Text);
	static const FString* GetSourceString(const FText& Text);
	static const FString& GetDisplayString(const FText& Text);
	static uint32 GetFlags(const FText& Text);
};

inline FString LexToString(const FText& Text)
{
	return Text.ToString();
}

/** Hash of the display string; equal texts hash alike. */
inline uint32 GetTypeHash(const FText& Text)
{
	return GetTypeHash(Text.ToString());
}

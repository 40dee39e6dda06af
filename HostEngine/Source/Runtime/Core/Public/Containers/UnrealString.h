#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/StringFwd.h"
#include "Containers/StringView.h"
#include "Misc/AssertionMacros.h"
#include "Misc/CString.h"
#include "Misc/HostFormatArgs.h"
#include "Templates/TypeHash.h"
#include "Templates/UnrealTemplate.h"
#include <string>
#include <type_traits>

class FString;
FORCEINLINE const TCHAR* GetData(const FString& String);
FORCEINLINE int32 GetNum(const FString& String);

/**
 * A dynamically sized string of TCHAR. Comparison, hashing and searching ignore case unless
 * told otherwise (Equals and Compare default to case-sensitive).
 */
class CORE_API FString
{
public:
	using ElementType = TCHAR;

	FString() = default;
	FString(const FString&) = default;
	FString(FString&&) noexcept = default;
	FString& operator=(const FString&) = default;
	FString& operator=(FString&&) noexcept = default;
	~FString() = default;

	FString(const TCHAR* Str)
	{
		if (Str)
		{
			Data.assign(Str);
		}
	}
	FString(const ANSICHAR* Str);
	FString(const UTF8CHAR* Str);
	FString(const WIDECHAR* Str);
	FString(decltype(nullptr)) = delete;

	FString(int32 InCount, const TCHAR* InSrc)
	{
		if (InSrc && InCount > 0)
		{
			Data.assign(InSrc, InCount);
		}
	}
	FString(int32 InCount, const ANSICHAR* InSrc);

	FString(const TCHAR* Str, int32 ExtraSlack)
		: FString(Str)
	{
		Data.reserve(Data.size() + ExtraSlack);
	}

	explicit FString(FStringView View)
		: Data(View.GetData() ? std::u16string(View.GetData(), View.Len()) : std::u16string())
	{
	}
	explicit FString(FAnsiStringView View);
	explicit FString(FUtf8StringView View);

	FString& operator=(const TCHAR* Other)
	{
		if (Other != Data.c_str())
		{
			Data = Other ? Other : u"";
		}
		return *this;
	}
	FString& operator=(FStringView View)
	{
		Data.assign(View.GetData() ? View.GetData() : u"", View.Len());
		return *this;
	}

	/** The characters, null-terminated; never null (an empty string gives ""). */
	FORCEINLINE const TCHAR* operator*() const
	{
		return Data.c_str();
	}

	FORCEINLINE TCHAR& operator[](int32 Index)
	{
		checkf(IsValidIndex(Index), TEXT("String index out of bounds: Index %d from a string with a length of %d"), Index, Len());
		return Data[Index];
	}
	FORCEINLINE const TCHAR& operator[](int32 Index) const
	{
		checkf(IsValidIndex(Index), TEXT("String index out of bounds: Index %d from a string with a length of %d"), Index, Len());
		return Data[Index];
	}

	FORCEINLINE int32 Len() const
	{
		return static_cast<int32>(Data.size());
	}
	FORCEINLINE bool IsEmpty() const
	{
		return Data.empty();
	}
	FORCEINLINE bool IsValidIndex(int32 Index) const
	{
		return Index >= 0 && Index < Len();
	}
	SIZE_T GetAllocatedSize() const
	{
		return Data.capacity() * sizeof(TCHAR);
	}

	/** Removes the characters and frees memory beyond Slack. */
	void Empty(int32 Slack = 0)
	{
		std::u16string().swap(Data);
		Data.reserve(Slack);
	}
	/** Removes the characters and keeps the memory. */
	void Reset(int32 NewReservedSize = 0)
	{
		Data.clear();
		Data.reserve(NewReservedSize);
	}
	void Reserve(int32 CharacterCount)
	{
		Data.reserve(CharacterCount);
	}
	void Shrink()
	{
		Data.shrink_to_fit();
	}

	FORCEINLINE FString& AppendChar(TCHAR InChar)
	{
		Data.push_back(InChar);
		return *this;
	}
	FORCEINLINE FString& AppendChars(const TCHAR* Str, int32 Count)
	{
		if (Count > 0)
		{
			check(Str != nullptr);
			Data.append(Str, Count);
		}
		return *this;
	}
	FORCEINLINE FString& Append(const TCHAR* Str, int32 Count)
	{
		return AppendChars(Str, Count);
	}
	FORCEINLINE FString& Append(const TCHAR* Str)
	{
		if (Str)
		{
			Data.append(Str);
		}
		return *this;
	}
	FORCEINLINE FString& Append(const FString& Str)
	{
		Data.append(Str.Data);
		return *this;
	}
	FORCEINLINE FString& Append(FStringView View)
	{
		return AppendChars(View.GetData(), View.Len());
	}
	FString& Append(const ANSICHAR* Str);

	FORCEINLINE FString& operator+=(const TCHAR* Str)
	{
		return Append(Str);
	}
	FORCEINLINE FString& operator+=(const FString& Str)
	{
		return Append(Str);
	}
	FORCEINLINE FString& operator+=(FStringView View)
	{
		return Append(View);
	}
	FORCEINLINE FString& operator+=(TCHAR InChar)
	{
		return AppendChar(InChar);
	}
	FORCEINLINE FString& operator+=(ANSICHAR InChar)
	{
		return AppendChar(static_cast<TCHAR>(static_cast<unsigned char>(InChar)));
	}
	FString& operator+=(const ANSICHAR* Str)
	{
		return Append(Str);
	}

	/** Joins with a path separator, avoiding a doubled '/'. */
	FString& PathAppend(const TCHAR* Str, int32 StrLength);

	FString& operator/=(const TCHAR* Str)
	{
		return PathAppend(Str, TCString<TCHAR>::Strlen(Str));
	}
	FString& operator/=(const FString& Str)
	{
		return PathAppend(*Str, Str.Len());
	}
	FString& operator/=(FStringView Str)
	{
		return PathAppend(Str.GetData(), Str.Len());
	}
	FString& operator/=(const ANSICHAR* Str)
	{
		return *this /= FString(Str);
	}

	friend FString operator/(const FString& Lhs, const TCHAR* Rhs)
	{
		FString Result(Lhs);
		Result /= Rhs;
		return Result;
	}
	friend FString operator/(FString&& Lhs, const TCHAR* Rhs)
	{
		Lhs /= Rhs;
		return MoveTemp(Lhs);
	}
	friend FString operator/(const FString& Lhs, const FString& Rhs)
	{
		FString Result(Lhs);
		Result /= Rhs;
		return Result;
	}
	friend FString operator/(FString&& Lhs, const FString& Rhs)
	{
		Lhs /= Rhs;
		return MoveTemp(Lhs);
	}
	friend FString operator/(const TCHAR* Lhs, const FString& Rhs)
	{
		FString Result(Lhs);
		Result /= Rhs;
		return Result;
	}
	friend FString operator/(const FString& Lhs, FStringView Rhs)
	{
		FString Result(Lhs);
		Result /= Rhs;
		return Result;
	}

	friend FString operator+(const FString& Lhs, const FString& Rhs)
	{
		FString Result;
		Result.Data.reserve(Lhs.Data.size() + Rhs.Data.size());
		Result.Data.append(Lhs.Data).append(Rhs.Data);
		return Result;
	}
	friend FString operator+(FString&& Lhs, const FString& Rhs)
	{
		Lhs.Data.append(Rhs.Data);
		return MoveTemp(Lhs);
	}
	friend FString operator+(const FString& Lhs, FString&& Rhs)
	{
		Rhs.Data.insert(0, Lhs.Data);
		return MoveTemp(Rhs);
	}
	friend FString operator+(FString&& Lhs, FString&& Rhs)
	{
		Lhs.Data.append(Rhs.Data);
		return MoveTemp(Lhs);
	}
	friend FString operator+(const FString& Lhs, const TCHAR* Rhs)
	{
		FString Result(Lhs);
		Result.Append(Rhs);
		return Result;
	}
	friend FString operator+(FString&& Lhs, const TCHAR* Rhs)
	{
		Lhs.Append(Rhs);
		return MoveTemp(Lhs);
	}
	friend FString operator+(const TCHAR* Lhs, const FString& Rhs)
	{
		FString Result(Lhs);
		Result.Append(Rhs);
		return Result;
	}
	friend FString operator+(const TCHAR* Lhs, FString&& Rhs)
	{
		Rhs.Data.insert(0, Lhs ? Lhs : u"");
		return MoveTemp(Rhs);
	}
	friend FString operator+(const FString& Lhs, TCHAR Rhs)
	{
		FString Result(Lhs);
		Result.AppendChar(Rhs);
		return Result;
	}
	friend FString operator+(FString&& Lhs, TCHAR Rhs)
	{
		Lhs.AppendChar(Rhs);
		return MoveTemp(Lhs);
	}
	friend FString operator+(const FString& Lhs, FStringView Rhs)
	{
		FString Result(Lhs);
		Result.Append(Rhs);
		return Result;
	}

	// Comparison operators ignore case.
	friend bool operator==(const FString& Lhs, const FString& Rhs)
	{
		return Lhs.Equals(Rhs, ESearchCase::IgnoreCase);
	}
	friend bool operator==(const FString& Lhs, const TCHAR* Rhs)
	{
		return TCString<TCHAR>::Stricmp(*Lhs, Rhs ? Rhs : u"") == 0;
	}
	friend bool operator==(const TCHAR* Lhs, const FString& Rhs)
	{
		return TCString<TCHAR>::Stricmp(Lhs ? Lhs : u"", *Rhs) == 0;
	}
	friend bool operator!=(const FString& Lhs, const FString& Rhs)
	{
		return !(Lhs == Rhs);
	}
	friend bool operator!=(const FString& Lhs, const TCHAR* Rhs)
	{
		return !(Lhs == Rhs);
	}
	friend bool operator!=(const TCHAR* Lhs, const FString& Rhs)
	{
		return !(Lhs == Rhs);
	}
	friend bool operator<(const FString& Lhs, const FString& Rhs)
	{
		return Lhs.Compare(Rhs, ESearchCase::IgnoreCase) < 0;
	}
	friend bool operator<(const FString& Lhs, const TCHAR* Rhs)
	{
		return TCString<TCHAR>::Stricmp(*Lhs, Rhs) < 0;
	}
	friend bool operator<(const TCHAR* Lhs, const FString& Rhs)
	{
		return TCString<TCHAR>::Stricmp(Lhs, *Rhs) < 0;
	}
	friend bool operator>(const FString& Lhs, const FString& Rhs)
	{
		return Rhs < Lhs;
	}
	friend bool operator<=(const FString& Lhs, const FString& Rhs)
	{
		return !(Rhs < Lhs);
	}
	friend bool operator>=(const FString& Lhs, const FString& Rhs)
	{
		return !(Lhs < Rhs);
	}

	/** Lexical comparison: negative, zero or positive. */
	int32 Compare(const FString& Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const;

	bool Equals(const FString& Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const
	{
		return Len() == Other.Len() && Compare(Other, SearchCase) == 0;
	}

	/** An empty prefix never matches. */
	bool StartsWith(const TCHAR* InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool StartsWith(const FString& InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool StartsWith(FStringView InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	/** An empty suffix never matches. */
	bool EndsWith(const TCHAR* InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool EndsWith(const FString& InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool EndsWith(FStringView InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;

	bool RemoveFromStart(const TCHAR* InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromStart(const FString& InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromStart(FStringView InPrefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromEnd(const TCHAR* InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromEnd(const FString& InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromEnd(FStringView InSuffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);

	/** Index of SubStr, or INDEX_NONE. StartPosition INDEX_NONE means the start (or end, searching backwards). */
	int32 Find(const TCHAR* SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const;
	int32 Find(const FString& SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const
	{
		return FindView(FStringView(SubStr), SearchCase, SearchDir, StartPosition);
	}
	int32 Find(FStringView SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const
	{
		return FindView(SubStr, SearchCase, SearchDir, StartPosition);
	}

	bool Contains(const TCHAR* SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart) const
	{
		return Find(SubStr, SearchCase, SearchDir) != INDEX_NONE;
	}
	bool Contains(const FString& SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart) const
	{
		return Find(SubStr, SearchCase, SearchDir) != INDEX_NONE;
	}
	bool Contains(FStringView SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart) const
	{
		return Find(SubStr, SearchCase, SearchDir) != INDEX_NONE;
	}

	bool FindChar(TCHAR InChar, int32& Index) const
	{
		const size_t Pos = Data.find(InChar);
		Index = Pos == std::u16string::npos ? INDEX_NONE : static_cast<int32>(Pos);
		return Index != INDEX_NONE;
	}
	bool FindLastChar(TCHAR InChar, int32& Index) const
	{
		const size_t Pos = Data.rfind(InChar);
		Index = Pos == std::u16string::npos ? INDEX_NONE : static_cast<int32>(Pos);
		return Index != INDEX_NONE;
	}
	template <typename PredicateType>
	int32 FindLastCharByPredicate(PredicateType Pred, int32 Count) const
	{
		for (int32 Index = (Count < Len() ? Count : Len()) - 1; Index >= 0; --Index)
		{
			if (Pred(Data[Index]))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	template <typename PredicateType>
	int32 FindLastCharByPredicate(PredicateType Pred) const
	{
		return FindLastCharByPredicate(Pred, Len());
	}

	FString Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const&;
	FString Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) &&;
	/** Replaces in place and returns the number of replacements. */
	int32 ReplaceInline(const TCHAR* SearchText, const TCHAR* ReplacementText, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	void ReplaceCharInline(TCHAR SearchChar, TCHAR ReplacementChar, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);

	FString Left(int32 Count) const
	{
		return FString(Clamp(Count), Data.c_str());
	}
	FString LeftChop(int32 Count) const
	{
		return FString(Len() - Clamp(Count), Data.c_str());
	}
	FString Right(int32 Count) const
	{
		const int32 Clamped = Clamp(Count);
		return FString(Clamped, Data.c_str() + Len() - Clamped);
	}
	FString RightChop(int32 Count) const
	{
		const int32 Clamped = Clamp(Count);
		return FString(Len() - Clamped, Data.c_str() + Clamped);
	}
	FString Mid(int32 Start, int32 Count = 0x7fffffff) const;

	void LeftInline(int32 Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		Data.resize(Clamp(Count));
	}
	void LeftChopInline(int32 Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		Data.resize(Len() - Clamp(Count));
	}
	void RightInline(int32 Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		Data.erase(0, Len() - Clamp(Count));
	}
	void RightChopInline(int32 Count, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		Data.erase(0, Clamp(Count));
	}
	void MidInline(int32 Start, int32 Count = 0x7fffffff, EAllowShrinking AllowShrinking = EAllowShrinking::Yes)
	{
		*this = Mid(Start, Count);
	}

	FString ToUpper() const&;
	FString ToUpper() &&;
	void ToUpperInline();
	FString ToLower() const&;
	FString ToLower() &&;
	void ToLowerInline();

	FString TrimStart() const&;
	FString TrimStart() &&;
	void TrimStartInline();
	FString TrimEnd() const&;
	FString TrimEnd() &&;
	void TrimEndInline();
	FString TrimStartAndEnd() const&;
	FString TrimStartAndEnd() &&;
	void TrimStartAndEndInline();
	FString TrimQuotes(bool* bQuotesRemoved = nullptr) const;
	FString TrimChar(TCHAR CharacterToTrim, bool* bCharRemoved = nullptr) const;

	FString LeftPad(int32 ChCount) const;
	FString RightPad(int32 ChCount) const;
	FString Reverse() const;
	void ReverseString();

	bool IsNumeric() const
	{
		return !IsEmpty() && TCString<TCHAR>::IsNumeric(**this);
	}
	bool ToBool() const
	{
		return TCString<TCHAR>::ToBool(**this);
	}

	/** Splits at the first (or last) occurrence of InS; false and outputs untouched if it is absent. */
	bool Split(const FString& InS, FString* LeftS, FString* RightS, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase, ESearchDir::Type SearchDir = ESearchDir::FromStart) const;

	int32 ParseIntoArray(TArray<FString>& OutArray, const TCHAR* pchDelim, bool InCullEmpty = true) const;
	int32 ParseIntoArray(TArray<FString>& OutArray, const TCHAR* const* DelimArray, int32 NumDelims, bool InCullEmpty = true) const;
	int32 ParseIntoArrayWS(TArray<FString>& OutArray, const TCHAR* pchExtraDelim = nullptr, bool InCullEmpty = true) const;
	int32 ParseIntoArrayLines(TArray<FString>& OutArray, bool InCullEmpty = true) const;

	static FString Chr(TCHAR Ch)
	{
		FString Result;
		Result.AppendChar(Ch);
		return Result;
	}
	static FString ChrN(int32 NumCharacters, TCHAR Char)
	{
		FString Result;
		Result.Data.assign(NumCharacters > 0 ? NumCharacters : 0, Char);
		return Result;
	}

	static FString FromInt(int32 Num);
	/** Shortest text that reads back as the same value, always with a decimal point ("1.0"). */
	static FString SanitizeFloat(double InFloat, const int32 InMinFractionalDigits = 1);
	/** Digits with ',' every three, independent of the culture. */
	static FString FormatAsNumber(int32 InNumber);

	template <typename FmtType, typename... Types>
	static FString Printf(const FmtType& Fmt, Types... Args)
	{
		static_assert(std::is_convertible_v<const FmtType&, const TCHAR*>, "Formatting string must be a TCHAR array.");
		FString Result;
		UE::Core::HostFormat::AppendTo(Result.Data, static_cast<const TCHAR*>(Fmt), Args...);
		return Result;
	}

	template <typename FmtType, typename... Types>
	FString& Appendf(const FmtType& Fmt, Types... Args)
	{
		static_assert(std::is_convertible_v<const FmtType&, const TCHAR*>, "Formatting string must be a TCHAR array.");
		UE::Core::HostFormat::AppendTo(Data, static_cast<const TCHAR*>(Fmt), Args...);
		return *this;
	}

	template <typename RangeType>
	static FString Join(const RangeType& Range, const TCHAR* Separator)
	{
		FString Result;
		bool bFirst = true;
		for (const auto& Element : Range)
		{
			if (!bFirst)
			{
				Result += Separator;
			}
			bFirst = false;
			Result += Element;
		}
		return Result;
	}

	template <typename RangeType, typename ProjectionType>
	static FString JoinBy(const RangeType& Range, const TCHAR* Separator, ProjectionType Proj)
	{
		FString Result;
		bool bFirst = true;
		for (const auto& Element : Range)
		{
			if (!bFirst)
			{
				Result += Separator;
			}
			bFirst = false;
			Result += Proj(Element);
		}
		return Result;
	}

	/** Ranged-for over the characters. */
	TCHAR* begin()
	{
		return Data.data();
	}
	TCHAR* end()
	{
		return Data.data() + Data.size();
	}
	const TCHAR* begin() const
	{
		return Data.data();
	}
	const TCHAR* end() const
	{
		return Data.data() + Data.size();
	}

private:
	int32 Clamp(int32 Count) const
	{
		return Count < 0 ? 0 : (Count > Len() ? Len() : Count);
	}
	int32 FindView(FStringView SubStr, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir, int32 StartPosition) const;

	std::u16string Data;
};

FORCEINLINE const TCHAR* GetData(const FString& String)
{
	return *String;
}
FORCEINLINE int32 GetNum(const FString& String)
{
	return String.Len();
}

/** Case-insensitive, so string keys in sets and maps are too. */
CORE_API uint32 GetTypeHash(const FString& S);

// Conversions to and from text used by config, command lines and properties.
CORE_API FString LexToString(int8 Value);
CORE_API FString LexToString(int16 Value);
CORE_API FString LexToString(int32 Value);
CORE_API FString LexToString(int64 Value);
CORE_API FString LexToString(long Value);
CORE_API FString LexToString(uint8 Value);
CORE_API FString LexToString(uint16 Value);
CORE_API FString LexToString(uint32 Value);
CORE_API FString LexToString(uint64 Value);
CORE_API FString LexToString(unsigned long Value);
CORE_API FString LexToString(float Value);
CORE_API FString LexToString(double Value);
CORE_API FString LexToString(bool Value);
CORE_API FString LexToString(const TCHAR* Value);
inline const FString& LexToString(const FString& Value)
{
	return Value;
}
inline FString LexToString(FString&& Value)
{
	return MoveTemp(Value);
}

CORE_API void LexFromString(int8& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(int16& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(int32& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(int64& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(uint8& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(uint16& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(uint32& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(uint64& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(float& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(double& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(bool& OutValue, const TCHAR* Buffer);
CORE_API void LexFromString(FString& OutValue, const TCHAR* Buffer);

/** Parses a whole number; false if Buffer holds anything else. */
CORE_API bool LexTryParseString(int32& OutValue, const TCHAR* Buffer);
CORE_API bool LexTryParseString(int64& OutValue, const TCHAR* Buffer);
CORE_API bool LexTryParseString(float& OutValue, const TCHAR* Buffer);
CORE_API bool LexTryParseString(double& OutValue, const TCHAR* Buffer);
CORE_API bool LexTryParseString(bool& OutValue, const TCHAR* Buffer);

CORE_API FString BytesToHex(const uint8* Bytes, int32 Count);

#include "Containers/StringConv.h"

#pragma once

#include "CoreTypes.h"
#include "Containers/StringFwd.h"
#include "Containers/StringView.h"
#include "Containers/UnrealString.h"
#include "Misc/StringBuilder.h"
#include "Templates/TypeHash.h"
#include "UObject/UnrealNames.h"

/** Maximum length of a name, including the terminator. */
enum
{
	NAME_SIZE = 1024
};

enum EFindName
{
	/** Find a name; return NAME_None if it does not exist. */
	FNAME_Find,
	/** Find a name or add it if it doesn't exist. */
	FNAME_Add,
};

/** Case sensitivity of name comparisons. */
enum class ENameCase : uint8
{
	CaseSensitive,
	IgnoreCase,
};

#define NAME_NO_NUMBER_INTERNAL 0
#define NAME_NO_NUMBER NAME_NO_NUMBER_INTERNAL
#define NAME_EXTERNAL_TO_INTERNAL(x) (x + 1)
#define NAME_INTERNAL_TO_EXTERNAL(x) (x - 1)

/** Index of an entry of the global name table. */
struct FNameEntryId
{
	FNameEntryId() = default;
	FNameEntryId(ENoInit)
	{
	}

	bool IsNone() const
	{
		return Value == 0;
	}
	uint32 ToUnstableInt() const
	{
		return Value;
	}
	static FNameEntryId FromUnstableInt(uint32 UnstableInt)
	{
		FNameEntryId Id;
		Id.Value = UnstableInt;
		return Id;
	}
	static FNameEntryId FromEName(EName Ename)
	{
		return FromUnstableInt(static_cast<uint32>(Ename));
	}

	bool operator==(FNameEntryId Rhs) const
	{
		return Value == Rhs.Value;
	}
	bool operator!=(FNameEntryId Rhs) const
	{
		return Value != Rhs.Value;
	}
	bool operator<(FNameEntryId Rhs) const
	{
		return Value < Rhs.Value;
	}

	friend uint32 GetTypeHash(FNameEntryId Id)
	{
		return Id.Value * 0x9E3779B1u;
	}

private:
	uint32 Value = 0;
};

/**
 * A case-insensitive identifier held as an index into a global table of strings, plus an
 * optional number ("Actor_3" is the entry "Actor" with number 4). The table keeps the first
 * spelling it saw for each name. Looking up a name that exists allocates nothing.
 */
class CORE_API FName
{
public:
	enum
	{
		StringBufferSize = NAME_SIZE
	};

	FORCEINLINE FName()
		: ComparisonIndex(), Number(NAME_NO_NUMBER_INTERNAL)
	{
	}
	FORCEINLINE FName(EName Ename)
		: ComparisonIndex(FNameEntryId::FromEName(Ename)), Number(NAME_NO_NUMBER_INTERNAL)
	{
	}
	FORCEINLINE FName(EName Ename, int32 InNumber)
		: ComparisonIndex(FNameEntryId::FromEName(Ename)), Number(InNumber)
	{
	}
	FORCEINLINE FName(const FName& Other, int32 InNumber)
		: ComparisonIndex(Other.ComparisonIndex), Number(InNumber)
	{
	}
	FORCEINLINE FName(ENoInit)
		: ComparisonIndex(NoInit)
	{
	}

	FName(const TCHAR* Name, EFindName FindType = FNAME_Add);
	FName(const ANSICHAR* Name, EFindName FindType = FNAME_Add);
	FName(const UTF8CHAR* Name, EFindName FindType = FNAME_Add);
	FName(const WIDECHAR* Name, EFindName FindType = FNAME_Add);
	FName(int32 Len, const TCHAR* Name, EFindName FindType = FNAME_Add);
	FName(int32 Len, const ANSICHAR* Name, EFindName FindType = FNAME_Add);
	FName(FStringView View, EFindName FindType = FNAME_Add);
	FName(FAnsiStringView View, EFindName FindType = FNAME_Add);
	FName(FUtf8StringView View, EFindName FindType = FNAME_Add);
	FName(const TCHAR* Name, int32 InNumber, EFindName FindType = FNAME_Add);
	FName(FStringView View, int32 InNumber, EFindName FindType = FNAME_Add);
	FName(decltype(nullptr)) = delete;

	FString ToString() const;
	void ToString(FString& Out) const;
	void ToString(FStringBuilderBase& Out) const;
	void ToString(FUtf8StringBuilderBase& Out) const;
	/** Writes the name into a caller's buffer; returns its length. */
	uint32 ToString(TCHAR* Out, uint32 OutSize) const;
	template <int N>
	uint32 ToString(TCHAR (&Out)[N]) const
	{
		return ToString(Out, N);
	}

	void AppendString(FString& Out) const;
	void AppendString(FStringBuilderBase& Out) const;
	void AppendString(FUtf8StringBuilderBase& Out) const;

	/** The name without its number. */
	FString GetPlainNameString() const;
	/** Number of characters ToString would give. */
	uint32 GetStringLength() const;

	FORCEINLINE bool IsNone() const
	{
		return ComparisonIndex.IsNone() && Number == NAME_NO_NUMBER_INTERNAL;
	}
	FORCEINLINE bool IsValid() const
	{
		return IsWithinBounds(ComparisonIndex);
	}
	static bool IsWithinBounds(FNameEntryId Id);

	FORCEINLINE int32 GetNumber() const
	{
		return Number;
	}
	FORCEINLINE void SetNumber(const int32 NewNumber)
	{
		Number = NewNumber;
	}
	FORCEINLINE FNameEntryId GetComparisonIndex() const
	{
		return ComparisonIndex;
	}
	FORCEINLINE FNameEntryId GetDisplayIndex() const
	{
		return ComparisonIndex;
	}

	FORCEINLINE bool operator==(FName Other) const
	{
		return ComparisonIndex == Other.ComparisonIndex && Number == Other.Number;
	}
	FORCEINLINE bool operator!=(FName Other) const
	{
		return !(*this == Other);
	}
	FORCEINLINE bool operator==(EName Other) const
	{
		return *this == FName(Other);
	}
	FORCEINLINE bool operator!=(EName Other) const
	{
		return !(*this == Other);
	}
	/** Compares with text, ignoring case, without adding it to the table. */
	bool operator==(const TCHAR* Other) const;
	bool operator==(const ANSICHAR* Other) const;
	bool operator!=(const TCHAR* Other) const
	{
		return !(*this == Other);
	}
	bool operator!=(const ANSICHAR* Other) const
	{
		return !(*this == Other);
	}

	bool IsEqual(const FName& Other, const ENameCase CompareMethod = ENameCase::IgnoreCase, const bool bCompareNumber = true) const;

	/** Case-insensitive lexical comparison of the strings, then the numbers. */
	int32 Compare(const FName& Other) const;
	FORCEINLINE bool LexicalLess(const FName& Other) const
	{
		return Compare(Other) < 0;
	}
	/** Cheap, stable within one process, not alphabetical. */
	FORCEINLINE bool FastLess(const FName& Other) const
	{
		return ComparisonIndex < Other.ComparisonIndex || (ComparisonIndex == Other.ComparisonIndex && Number < Other.Number);
	}
	int32 CompareIndexes(const FName& Other) const
	{
		return FastLess(Other) ? -1 : (Other.FastLess(*this) ? 1 : 0);
	}

	friend FORCEINLINE uint32 GetTypeHash(FName Name)
	{
		return GetTypeHash(Name.ComparisonIndex) + Name.Number;
	}

private:
	void Init(const TCHAR* Name, int32 Len, EFindName FindType, bool bSplitNumber, int32 InNumber);
	void InitAnsi(const ANSICHAR* Name, int32 Len, EFindName FindType);

	FNameEntryId ComparisonIndex;
	int32 Number;
};

struct FNameLexicalLess
{
	FORCEINLINE bool operator()(const FName& A, const FName& B) const
	{
		return A.LexicalLess(B);
	}
};

struct FNameFastLess
{
	FORCEINLINE bool operator()(const FName& A, const FName& B) const
	{
		return A.FastLess(B);
	}
};

inline FString LexToString(const FName& Name)
{
	return Name.ToString();
}

inline void LexFromString(FName& Name, const TCHAR* Str)
{
	Name = FName(Str);
}

/** Formats a name without touching the heap: FNameBuilder Builder(Name); *Builder. */
class FNameBuilder : public TStringBuilderWithBuffer<TCHAR, FName::StringBufferSize>
{
public:
	FNameBuilder() = default;
	explicit FNameBuilder(const FName InName)
	{
		InName.AppendString(*this);
	}
};

inline FStringBuilderBase& operator<<(FStringBuilderBase& Builder, const FName& Name)
{
	Name.AppendString(Builder);
	return Builder;
}

inline FUtf8StringBuilderBase& operator<<(FUtf8StringBuilderBase& Builder, const FName& Name)
{
	Name.AppendString(Builder);
	return Builder;
}

#include "UObject/NameTypes.h"

#include "Containers/StringConv.h"
#include "Misc/AssertionMacros.h"
#include "Misc/Char.h"
#include <atomic>
#include <cstring>
#include <mutex>
#include <vector>

namespace
{
	struct FNameEntry
	{
		/** The first spelling seen, null-terminated. */
		TCHAR* Chars;
		int32 Len;
		uint32 Hash;
	};

	uint32 HashIgnoreCase(const TCHAR* Chars, int32 Len)
	{
		uint32 Hash = 2166136261u;
		for (int32 Index = 0; Index < Len; ++Index)
		{
			Hash = (Hash ^ static_cast<uint32>(FChar::ToLower(Chars[Index]))) * 16777619u;
		}
		return Hash;
	}

	bool EqualsIgnoreCase(const TCHAR* A, const TCHAR* B, int32 Len)
	{
		for (int32 Index = 0; Index < Len; ++Index)
		{
			if (A[Index] != B[Index] && FChar::ToLower(A[Index]) != FChar::ToLower(B[Index]))
			{
				return false;
			}
		}
		return true;
	}

	/**
	 * The process-wide name table. Entries are never freed or moved, so readers holding an
	 * index can use its characters without the lock once the entry is published. Blocks are
	 * allocated as the table grows; the block list itself has a fixed size.
	 */
	class FNameTable
	{
	public:
		static constexpr int32 BlockSize = 1 << 14;
		static constexpr int32 MaxBlocks = 1 << 12;

		static FNameTable& Get()
		{
			// Leaked on purpose: names are used by static destructors in every module.
			static FNameTable* Table = new FNameTable();
			return *Table;
		}

		const FNameEntry& Entry(uint32 Index) const
		{
			checkf(Index < NumEntries.load(std::memory_order_acquire), TEXT("Invalid name index %u"), Index);
			return Blocks[Index / BlockSize].load(std::memory_order_acquire)[Index % BlockSize];
		}

		bool IsValidIndex(uint32 Index) const
		{
			return Index < NumEntries.load(std::memory_order_acquire);
		}

		/** Index of the entry equal to Chars ignoring case; adds it when bAdd. INDEX_NONE if absent and not added. */
		int32 FindOrAdd(const TCHAR* Chars, int32 Len, bool bAdd)
		{
			const uint32 Hash = HashIgnoreCase(Chars, Len);
			std::lock_guard<std::mutex> Lock(Mutex);
			const size_t Mask = Slots.size() - 1;
			for (size_t Slot = Hash & Mask;; Slot = (Slot + 1) & Mask)
			{
				const uint32 Stored = Slots[Slot];
				if (Stored == 0)
				{
					if (!bAdd)
					{
						return INDEX_NONE;
					}
					const uint32 Index = AddEntry(Chars, Len, Hash);
					Slots[Slot] = Index + 1;
					if (NumEntries.load(std::memory_order_relaxed) * 2 > Slots.size())
					{
						Grow();
					}
					return static_cast<int32>(Index);
				}
				const FNameEntry& Candidate = EntryUnlocked(Stored - 1);
				if (Candidate.Hash == Hash && Candidate.Len == Len && EqualsIgnoreCase(Candidate.Chars, Chars, Len))
				{
					return static_cast<int32>(Stored - 1);
				}
			}
		}

	private:
		FNameTable()
			: Slots(1 << 12, 0)
		{
			for (std::atomic<FNameEntry*>& Block : Blocks)
			{
				Block.store(nullptr, std::memory_order_relaxed);
			}
			// Hard-coded names take the indices their EName values promise.
#define REGISTER_NAME(num, name)                                                                                            \
	{                                                                                                                       \
		const int32 Index = FindOrAdd(TEXT(#name), static_cast<int32>(std::char_traits<TCHAR>::length(TEXT(#name))), true); \
		check(Index == num);                                                                                                \
	}
#include "UObject/UnrealNames.inl"
#undef REGISTER_NAME
		}

		const FNameEntry& EntryUnlocked(uint32 Index) const
		{
			return Blocks[Index / BlockSize].load(std::memory_order_relaxed)[Index % BlockSize];
		}

		uint32 AddEntry(const TCHAR* Chars, int32 Len, uint32 Hash)
		{
			const uint32 Index = NumEntries.load(std::memory_order_relaxed);
			const uint32 BlockIndex = Index / BlockSize;
			checkf(BlockIndex < static_cast<uint32>(MaxBlocks), TEXT("Name table is full"));
			FNameEntry* Block = Blocks[BlockIndex].load(std::memory_order_relaxed);
			if (!Block)
			{
				Block = new FNameEntry[BlockSize];
				Blocks[BlockIndex].store(Block, std::memory_order_release);
			}
			FNameEntry& Entry = Block[Index % BlockSize];
			Entry.Chars = new TCHAR[Len + 1];
			std::memcpy(Entry.Chars, Chars, Len * sizeof(TCHAR));
			Entry.Chars[Len] = 0;
			Entry.Len = Len;
			Entry.Hash = Hash;
			NumEntries.store(Index + 1, std::memory_order_release);
			return Index;
		}

		void Grow()
		{
			std::vector<uint32> NewSlots(Slots.size() * 2, 0);
			const size_t Mask = NewSlots.size() - 1;
			for (uint32 Stored : Slots)
			{
				if (Stored != 0)
				{
					size_t Slot = EntryUnlocked(Stored - 1).Hash & Mask;
					while (NewSlots[Slot] != 0)
					{
						Slot = (Slot + 1) & Mask;
					}
					NewSlots[Slot] = Stored;
				}
			}
			Slots.swap(NewSlots);
		}

		std::mutex Mutex;
		std::atomic<FNameEntry*> Blocks[MaxBlocks];
		std::atomic<uint32> NumEntries{0};
		/** Open-addressed hash of entry index + 1; 0 marks an empty slot. */
		std::vector<uint32> Slots;
	};

	/** Splits "Name_12" into "Name" and internal number 13; leading zeros ("_01") do not count as a number. */
	int32 SplitNumber(const TCHAR* Chars, int32& InOutLen)
	{
		const int32 Len = InOutLen;
		int32 Digits = 0;
		while (Digits < Len && FChar::IsDigit(Chars[Len - 1 - Digits]))
		{
			++Digits;
		}
		if (Digits == 0 || Digits == Len || Chars[Len - 1 - Digits] != u'_' || Digits > 10)
		{
			return NAME_NO_NUMBER_INTERNAL;
		}
		const TCHAR* FirstDigit = Chars + Len - Digits;
		if (Digits > 1 && FirstDigit[0] == u'0')
		{
			return NAME_NO_NUMBER_INTERNAL;
		}
		int64 Number = 0;
		for (int32 Index = 0; Index < Digits; ++Index)
		{
			Number = Number * 10 + (FirstDigit[Index] - u'0');
		}
		if (Number >= 0x7fffffff)
		{
			return NAME_NO_NUMBER_INTERNAL;
		}
		InOutLen = Len - Digits - 1;
		return static_cast<int32>(NAME_EXTERNAL_TO_INTERNAL(Number));
	}

	template <typename CharType>
	int32 WidenForName(const CharType* Source, int32 Len, TCHAR (&Buffer)[NAME_SIZE])
	{
		checkf(Len < NAME_SIZE, TEXT("FName's %d max length exceeded. Got %d characters"), NAME_SIZE - 1, Len);
		// Names are ASCII in practice; anything wider goes through the full converter.
		for (int32 Index = 0; Index < Len; ++Index)
		{
			const uint32 Code = static_cast<uint32>(static_cast<std::make_unsigned_t<CharType>>(Source[Index]));
			if (Code >= 0x80)
			{
				const std::u16string Converted = UE::Core::Private::Convert<TCHAR>(Source, Len, false);
				checkf(static_cast<int32>(Converted.size()) < NAME_SIZE, TEXT("FName's %d max length exceeded"), NAME_SIZE - 1);
				std::memcpy(Buffer, Converted.data(), Converted.size() * sizeof(TCHAR));
				return static_cast<int32>(Converted.size());
			}
			Buffer[Index] = static_cast<TCHAR>(Code);
		}
		return Len;
	}

	void AppendNumber(TCHAR* Out, uint32& Length, uint32 OutSize, int32 InternalNumber)
	{
		TCHAR Digits[16];
		int32 NumDigits = 0;
		uint32 External = static_cast<uint32>(NAME_INTERNAL_TO_EXTERNAL(InternalNumber));
		do
		{
			Digits[NumDigits++] = static_cast<TCHAR>(u'0' + External % 10);
			External /= 10;
		} while (External > 0);
		if (Length + 1 < OutSize)
		{
			Out[Length++] = u'_';
		}
		while (NumDigits > 0 && Length + 1 < OutSize)
		{
			Out[Length++] = Digits[--NumDigits];
		}
	}
} // namespace

FName::FName(const TCHAR* Name, EFindName FindType)
{
	Init(Name, Name ? TCString<TCHAR>::Strlen(Name) : 0, FindType, true, NAME_NO_NUMBER_INTERNAL);
}

FName::FName(const ANSICHAR* Name, EFindName FindType)
{
	InitAnsi(Name, Name ? TCString<ANSICHAR>::Strlen(Name) : 0, FindType);
}

FName::FName(const UTF8CHAR* Name, EFindName FindType)
{
	TCHAR Buffer[NAME_SIZE];
	const int32 Len = Name ? WidenForName(Name, TCString<UTF8CHAR>::Strlen(Name), Buffer) : 0;
	Init(Buffer, Len, FindType, true, NAME_NO_NUMBER_INTERNAL);
}

FName::FName(const WIDECHAR* Name, EFindName FindType)
{
	TCHAR Buffer[NAME_SIZE];
	const int32 Len = Name ? WidenForName(Name, TCString<WIDECHAR>::Strlen(Name), Buffer) : 0;
	Init(Buffer, Len, FindType, true, NAME_NO_NUMBER_INTERNAL);
}

FName::FName(int32 Len, const TCHAR* Name, EFindName FindType)
{
	Init(Name, Name ? Len : 0, FindType, true, NAME_NO_NUMBER_INTERNAL);
}

FName::FName(int32 Len, const ANSICHAR* Name, EFindName FindType)
{
	InitAnsi(Name, Name ? Len : 0, FindType);
}

FName::FName(FStringView View, EFindName FindType)
{
	Init(View.GetData(), View.Len(), FindType, true, NAME_NO_NUMBER_INTERNAL);
}

FName::FName(FAnsiStringView View, EFindName FindType)
{
	InitAnsi(View.GetData(), View.Len(), FindType);
}

FName::FName(FUtf8StringView View, EFindName FindType)
{
	TCHAR Buffer[NAME_SIZE];
	const int32 Len = WidenForName(View.GetData(), View.Len(), Buffer);
	Init(Buffer, Len, FindType, true, NAME_NO_NUMBER_INTERNAL);
}

FName::FName(const TCHAR* Name, int32 InNumber, EFindName FindType)
{
	Init(Name, Name ? TCString<TCHAR>::Strlen(Name) : 0, FindType, false, InNumber);
}

FName::FName(FStringView View, int32 InNumber, EFindName FindType)
{
	Init(View.GetData(), View.Len(), FindType, false, InNumber);
}

void FName::InitAnsi(const ANSICHAR* Name, int32 Len, EFindName FindType)
{
	TCHAR Buffer[NAME_SIZE];
	const int32 WideLen = Len > 0 ? WidenForName(Name, Len, Buffer) : 0;
	Init(Buffer, WideLen, FindType, true, NAME_NO_NUMBER_INTERNAL);
}

void FName::Init(const TCHAR* Name, int32 Len, EFindName FindType, bool bSplitNumber, int32 InNumber)
{
	ComparisonIndex = FNameEntryId();
	Number = NAME_NO_NUMBER_INTERNAL;
	if (Len <= 0)
	{
		return;
	}
	checkf(Len < NAME_SIZE, TEXT("FName's %d max length exceeded. Got %d characters"), NAME_SIZE - 1, Len);
	int32 PlainLen = Len;
	const int32 FoundNumber = bSplitNumber ? SplitNumber(Name, PlainLen) : InNumber;
	const int32 Index = FNameTable::Get().FindOrAdd(Name, PlainLen, FindType == FNAME_Add);
	if (Index == INDEX_NONE)
	{
		return;
	}
	ComparisonIndex = FNameEntryId::FromUnstableInt(static_cast<uint32>(Index));
	Number = FoundNumber;
}

bool FName::IsWithinBounds(FNameEntryId Id)
{
	return FNameTable::Get().IsValidIndex(Id.ToUnstableInt());
}

uint32 FName::ToString(TCHAR* Out, uint32 OutSize) const
{
	if (OutSize == 0)
	{
		return 0;
	}
	const FNameEntry& Entry = FNameTable::Get().Entry(ComparisonIndex.ToUnstableInt());
	uint32 Length = static_cast<uint32>(Entry.Len) < OutSize - 1 ? static_cast<uint32>(Entry.Len) : OutSize - 1;
	std::memcpy(Out, Entry.Chars, Length * sizeof(TCHAR));
	if (Number != NAME_NO_NUMBER_INTERNAL)
	{
		AppendNumber(Out, Length, OutSize, Number);
	}
	Out[Length] = 0;
	return Length;
}

FString FName::ToString() const
{
	FString Out;
	AppendString(Out);
	return Out;
}

void FName::ToString(FString& Out) const
{
	Out.Reset();
	AppendString(Out);
}

void FName::ToString(FStringBuilderBase& Out) const
{
	Out.Reset();
	AppendString(Out);
}

void FName::ToString(FUtf8StringBuilderBase& Out) const
{
	Out.Reset();
	AppendString(Out);
}

void FName::AppendString(FString& Out) const
{
	const FNameEntry& Entry = FNameTable::Get().Entry(ComparisonIndex.ToUnstableInt());
	Out.AppendChars(Entry.Chars, Entry.Len);
	if (Number != NAME_NO_NUMBER_INTERNAL)
	{
		Out.AppendChar(u'_');
		Out.Append(*LexToString(static_cast<uint32>(NAME_INTERNAL_TO_EXTERNAL(Number))));
	}
}

void FName::AppendString(FStringBuilderBase& Out) const
{
	const FNameEntry& Entry = FNameTable::Get().Entry(ComparisonIndex.ToUnstableInt());
	Out.Append(Entry.Chars, Entry.Len);
	if (Number != NAME_NO_NUMBER_INTERNAL)
	{
		TCHAR Digits[16];
		uint32 Length = 0;
		AppendNumber(Digits, Length, 16, Number);
		Out.Append(Digits, static_cast<int32>(Length));
	}
}

void FName::AppendString(FUtf8StringBuilderBase& Out) const
{
	FNameBuilder Wide(*this);
	Out.Append(Wide.ToView());
}

FString FName::GetPlainNameString() const
{
	const FNameEntry& Entry = FNameTable::Get().Entry(ComparisonIndex.ToUnstableInt());
	return FString(Entry.Len, Entry.Chars);
}

uint32 FName::GetStringLength() const
{
	const FNameEntry& Entry = FNameTable::Get().Entry(ComparisonIndex.ToUnstableInt());
	uint32 Length = static_cast<uint32>(Entry.Len);
	if (Number != NAME_NO_NUMBER_INTERNAL)
	{
		uint32 External = static_cast<uint32>(NAME_INTERNAL_TO_EXTERNAL(Number));
		Length += 1;
		do
		{
			++Length;
			External /= 10;
		} while (External > 0);
	}
	return Length;
}

bool FName::operator==(const TCHAR* Other) const
{
	if (!Other || !*Other)
	{
		return IsNone();
	}
	FNameBuilder Mine(*this);
	return TCString<TCHAR>::Stricmp(*Mine, Other) == 0;
}

bool FName::operator==(const ANSICHAR* Other) const
{
	if (!Other || !*Other)
	{
		return IsNone();
	}
	TCHAR Buffer[NAME_SIZE];
	const int32 Len = WidenForName(Other, TCString<ANSICHAR>::Strlen(Other), Buffer);
	Buffer[Len] = 0;
	return *this == static_cast<const TCHAR*>(Buffer);
}

bool FName::IsEqual(const FName& Other, const ENameCase CompareMethod, const bool bCompareNumber) const
{
	if (bCompareNumber && Number != Other.Number)
	{
		return false;
	}
	if (CompareMethod == ENameCase::IgnoreCase)
	{
		return ComparisonIndex == Other.ComparisonIndex;
	}
	// Equal names share one entry and so one spelling.
	return ComparisonIndex == Other.ComparisonIndex;
}

int32 FName::Compare(const FName& Other) const
{
	if (ComparisonIndex == Other.ComparisonIndex)
	{
		return Number - Other.Number;
	}
	const FNameEntry& Mine = FNameTable::Get().Entry(ComparisonIndex.ToUnstableInt());
	const FNameEntry& Theirs = FNameTable::Get().Entry(Other.ComparisonIndex.ToUnstableInt());
	const int32 Common = Mine.Len < Theirs.Len ? Mine.Len : Theirs.Len;
	const int32 Result = TCString<TCHAR>::Strnicmp(Mine.Chars, Theirs.Chars, Common);
	if (Result != 0)
	{
		return Result;
	}
	return Mine.Len - Theirs.Len;
}

const TCHAR* LexToStringEName(EName Ename)
{
	return FNameTable::Get().Entry(static_cast<uint32>(Ename)).Chars;
}

#pragma once

#include "CoreTypes.h"
#include "Misc/Char.h"
#include <cstdlib>
#include <string>

namespace ESearchCase
{
	enum Type
	{
		/** Case sensitive. Upper/lower casing must match for strings to be considered equal. */
		CaseSensitive = 0,
		/** Ignore case. Upper/lower casing does not matter when making a comparison. */
		IgnoreCase = 1,
	};
} // namespace ESearchCase

namespace ESearchDir
{
	enum Type
	{
		/** Search from the start, moving forward through the string. */
		FromStart,
		/** Search from the end, moving backward through the string. */
		FromEnd,
	};
} // namespace ESearchDir

/** C-string helpers over any character type. */
template <typename T>
struct TCString
{
	typedef T CharType;

	static int32 Strlen(const CharType* String)
	{
		int32 Length = 0;
		if (String)
		{
			while (String[Length])
			{
				++Length;
			}
		}
		return Length;
	}

	static int32 Strcmp(const CharType* A, const CharType* B)
	{
		for (;; ++A, ++B)
		{
			const uint32 CharA = static_cast<uint32>(*A);
			const uint32 CharB = static_cast<uint32>(*B);
			if (CharA != CharB)
			{
				return CharA < CharB ? -1 : 1;
			}
			if (CharA == 0)
			{
				return 0;
			}
		}
	}

	static int32 Strncmp(const CharType* A, const CharType* B, SIZE_T Count)
	{
		for (; Count > 0; --Count, ++A, ++B)
		{
			const uint32 CharA = static_cast<uint32>(*A);
			const uint32 CharB = static_cast<uint32>(*B);
			if (CharA != CharB)
			{
				return CharA < CharB ? -1 : 1;
			}
			if (CharA == 0)
			{
				return 0;
			}
		}
		return 0;
	}

	static int32 Stricmp(const CharType* A, const CharType* B)
	{
		for (;; ++A, ++B)
		{
			const uint32 CharA = static_cast<uint32>(TChar<CharType>::ToLower(*A));
			const uint32 CharB = static_cast<uint32>(TChar<CharType>::ToLower(*B));
			if (CharA != CharB)
			{
				return CharA < CharB ? -1 : 1;
			}
			if (CharA == 0)
			{
				return 0;
			}
		}
	}

	static int32 Strnicmp(const CharType* A, const CharType* B, SIZE_T Count)
	{
		for (; Count > 0; --Count, ++A, ++B)
		{
			const uint32 CharA = static_cast<uint32>(TChar<CharType>::ToLower(*A));
			const uint32 CharB = static_cast<uint32>(TChar<CharType>::ToLower(*B));
			if (CharA != CharB)
			{
				return CharA < CharB ? -1 : 1;
			}
			if (CharA == 0)
			{
				return 0;
			}
		}
		return 0;
	}

	static const CharType* Strstr(const CharType* String, const CharType* Find)
	{
		const int32 FindLength = Strlen(Find);
		if (FindLength == 0)
		{
			return String;
		}
		for (; *String; ++String)
		{
			if (Strncmp(String, Find, FindLength) == 0)
			{
				return String;
			}
		}
		return nullptr;
	}

	static const CharType* Stristr(const CharType* String, const CharType* Find)
	{
		const int32 FindLength = Strlen(Find);
		if (FindLength == 0)
		{
			return String;
		}
		for (; *String; ++String)
		{
			if (Strnicmp(String, Find, FindLength) == 0)
			{
				return String;
			}
		}
		return nullptr;
	}

	static const CharType* Strchr(const CharType* String, CharType Char)
	{
		for (; *String; ++String)
		{
			if (*String == Char)
			{
				return String;
			}
		}
		return Char == 0 ? String : nullptr;
	}

	static const CharType* Strrchr(const CharType* String, CharType Char)
	{
		const CharType* Last = nullptr;
		for (; *String; ++String)
		{
			if (*String == Char)
			{
				Last = String;
			}
		}
		return Char == 0 ? String : Last;
	}

	static CharType* Strcpy(CharType* Dest, SIZE_T DestCount, const CharType* Src)
	{
		SIZE_T Index = 0;
		for (; Index + 1 < DestCount && Src[Index]; ++Index)
		{
			Dest[Index] = Src[Index];
		}
		if (DestCount > 0)
		{
			Dest[Index] = 0;
		}
		return Dest;
	}

	static CharType* Strncpy(CharType* Dest, const CharType* Src, int32 MaxLen)
	{
		return Strcpy(Dest, MaxLen, Src);
	}

	static int64 Strtoi64(const CharType* Start, CharType** End, int32 Base)
	{
		const std::string Narrow = ToNarrow(Start);
		char* NarrowEnd = nullptr;
		const long long Value = std::strtoll(Narrow.c_str(), &NarrowEnd, Base);
		if (End)
		{
			*End = const_cast<CharType*>(Start) + (NarrowEnd - Narrow.c_str());
		}
		return Value;
	}

	static uint64 Strtoui64(const CharType* Start, CharType** End, int32 Base)
	{
		const std::string Narrow = ToNarrow(Start);
		char* NarrowEnd = nullptr;
		const unsigned long long Value = std::strtoull(Narrow.c_str(), &NarrowEnd, Base);
		if (End)
		{
			*End = const_cast<CharType*>(Start) + (NarrowEnd - Narrow.c_str());
		}
		return Value;
	}

	static int32 Strtoi(const CharType* Start, CharType** End, int32 Base)
	{
		return static_cast<int32>(Strtoi64(Start, End, Base));
	}

	static int32 Atoi(const CharType* String)
	{
		return static_cast<int32>(std::strtol(ToNarrow(String).c_str(), nullptr, 10));
	}
	static int64 Atoi64(const CharType* String)
	{
		return std::strtoll(ToNarrow(String).c_str(), nullptr, 10);
	}
	static float Atof(const CharType* String)
	{
		return std::strtof(ToNarrow(String).c_str(), nullptr);
	}
	static double Atod(const CharType* String)
	{
		return std::strtod(ToNarrow(String).c_str(), nullptr);
	}
	static bool ToBool(const CharType* String)
	{
		const std::string Narrow = ToNarrow(String);
		if (Narrow.empty())
		{
			return false;
		}
		const char* Value = Narrow.c_str();
		if (TCString<ANSICHAR>::Stricmp(Value, "true") == 0 || TCString<ANSICHAR>::Stricmp(Value, "yes") == 0 || TCString<ANSICHAR>::Stricmp(Value, "on") == 0)
		{
			return true;
		}
		if (TCString<ANSICHAR>::Stricmp(Value, "false") == 0 || TCString<ANSICHAR>::Stricmp(Value, "no") == 0 || TCString<ANSICHAR>::Stricmp(Value, "off") == 0)
		{
			return false;
		}
		return std::strtol(Value, nullptr, 10) != 0;
	}

	static bool IsNumeric(const CharType* String)
	{
		if (*String == '-' || *String == '+')
		{
			++String;
		}
		bool bHasDot = false;
		bool bHasDigit = false;
		for (; *String; ++String)
		{
			if (*String == '.')
			{
				if (bHasDot)
				{
					return false;
				}
				bHasDot = true;
			}
			else if (!TChar<CharType>::IsDigit(*String))
			{
				return false;
			}
			else
			{
				bHasDigit = true;
			}
		}
		return bHasDigit;
	}

private:
	/** Numbers are plain ASCII, so parsing goes through the C library on a narrowed copy. */
	static std::string ToNarrow(const CharType* String)
	{
		std::string Narrow;
		for (; String && *String; ++String)
		{
			const uint32 Code = static_cast<uint32>(*String);
			Narrow.push_back(Code < 128 ? static_cast<char>(Code) : '?');
		}
		return Narrow;
	}
};

typedef TCString<TCHAR> FCString;
typedef TCString<ANSICHAR> FCStringAnsi;
typedef TCString<WIDECHAR> FCStringWide;
typedef TCString<UTF8CHAR> FCStringUtf8;

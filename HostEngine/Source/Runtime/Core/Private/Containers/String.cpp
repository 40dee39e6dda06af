#include "Containers/UnrealString.h"

#include "Containers/StringConv.h"
#include "Misc/Char.h"
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
	bool CharsEqual(const TCHAR* A, const TCHAR* B, int32 Count, ESearchCase::Type SearchCase)
	{
		if (SearchCase == ESearchCase::CaseSensitive)
		{
			return std::char_traits<TCHAR>::compare(A, B, Count) == 0;
		}
		for (int32 Index = 0; Index < Count; ++Index)
		{
			if (FChar::ToLower(A[Index]) != FChar::ToLower(B[Index]))
			{
				return false;
			}
		}
		return true;
	}

	FString FromAscii(const char* Text)
	{
		FString Result;
		Result.Reserve(static_cast<int32>(std::strlen(Text)));
		for (; *Text; ++Text)
		{
			Result.AppendChar(static_cast<TCHAR>(static_cast<unsigned char>(*Text)));
		}
		return Result;
	}
} // namespace

FString::FString(const ANSICHAR* Str)
{
	if (Str)
	{
		const FANSIToTCHAR Converted(Str);
		Data.assign(Converted.Get(), Converted.Length());
	}
}

FString::FString(const UTF8CHAR* Str)
{
	if (Str)
	{
		const FUTF8ToTCHAR Converted(reinterpret_cast<const ANSICHAR*>(Str));
		Data.assign(Converted.Get(), Converted.Length());
	}
}

FString::FString(const WIDECHAR* Str)
{
	if (Str)
	{
		const FWCharToTCHAR Converted(Str);
		Data.assign(Converted.Get(), Converted.Length());
	}
}

FString::FString(int32 InCount, const ANSICHAR* InSrc)
{
	if (InSrc && InCount > 0)
	{
		const FANSIToTCHAR Converted(InSrc, InCount);
		Data.assign(Converted.Get(), Converted.Length());
	}
}

FString::FString(FAnsiStringView View)
	: FString(View.Len(), View.GetData())
{
}

FString::FString(FUtf8StringView View)
{
	if (View.Len() > 0)
	{
		const FUTF8ToTCHAR Converted(reinterpret_cast<const ANSICHAR*>(View.GetData()), View.Len());
		Data.assign(Converted.Get(), Converted.Length());
	}
}

FString& FString::Append(const ANSICHAR* Str)
{
	if (Str)
	{
		const FANSIToTCHAR Converted(Str);
		Data.append(Converted.Get(), Converted.Length());
	}
	return *this;
}

FString& FString::PathAppend(const TCHAR* Str, int32 StrLength)
{
	if (StrLength == 0)
	{
		if (!Data.empty() && Data.back() != u'/')
		{
			Data.push_back(u'/');
		}
		return *this;
	}
	if (!Data.empty())
	{
		const bool bEndsWithSlash = Data.back() == u'/';
		const bool bStartsWithSlash = Str[0] == u'/';
		if (bEndsWithSlash && bStartsWithSlash)
		{
			++Str;
			--StrLength;
		}
		else if (!bEndsWithSlash && !bStartsWithSlash)
		{
			Data.push_back(u'/');
		}
	}
	Data.append(Str, StrLength);
	return *this;
}

int32 FString::Compare(const FString& Other, ESearchCase::Type SearchCase) const
{
	return SearchCase == ESearchCase::CaseSensitive ? TCString<TCHAR>::Strcmp(**this, *Other) : TCString<TCHAR>::Stricmp(**this, *Other);
}

bool FString::StartsWith(const TCHAR* InPrefix, ESearchCase::Type SearchCase) const
{
	return StartsWith(FStringView(InPrefix), SearchCase);
}

bool FString::StartsWith(const FString& InPrefix, ESearchCase::Type SearchCase) const
{
	return StartsWith(FStringView(InPrefix), SearchCase);
}

bool FString::StartsWith(FStringView InPrefix, ESearchCase::Type SearchCase) const
{
	// The engine has always answered false for an empty prefix; callers rely on it.
	return InPrefix.Len() > 0 && InPrefix.Len() <= Len() && CharsEqual(Data.data(), InPrefix.GetData(), InPrefix.Len(), SearchCase);
}

bool FString::EndsWith(const TCHAR* InSuffix, ESearchCase::Type SearchCase) const
{
	return EndsWith(FStringView(InSuffix), SearchCase);
}

bool FString::EndsWith(const FString& InSuffix, ESearchCase::Type SearchCase) const
{
	return EndsWith(FStringView(InSuffix), SearchCase);
}

bool FString::EndsWith(FStringView InSuffix, ESearchCase::Type SearchCase) const
{
	return InSuffix.Len() > 0 && InSuffix.Len() <= Len() && CharsEqual(Data.data() + Len() - InSuffix.Len(), InSuffix.GetData(), InSuffix.Len(), SearchCase);
}

bool FString::RemoveFromStart(const TCHAR* InPrefix, ESearchCase::Type SearchCase)
{
	return RemoveFromStart(FStringView(InPrefix), SearchCase);
}

bool FString::RemoveFromStart(const FString& InPrefix, ESearchCase::Type SearchCase)
{
	return RemoveFromStart(FStringView(InPrefix), SearchCase);
}

bool FString::RemoveFromStart(FStringView InPrefix, ESearchCase::Type SearchCase)
{
	if (!StartsWith(InPrefix, SearchCase))
	{
		return false;
	}
	Data.erase(0, InPrefix.Len());
	return true;
}

bool FString::RemoveFromEnd(const TCHAR* InSuffix, ESearchCase::Type SearchCase)
{
	return RemoveFromEnd(FStringView(InSuffix), SearchCase);
}

bool FString::RemoveFromEnd(const FString& InSuffix, ESearchCase::Type SearchCase)
{
	return RemoveFromEnd(FStringView(InSuffix), SearchCase);
}

bool FString::RemoveFromEnd(FStringView InSuffix, ESearchCase::Type SearchCase)
{
	if (!EndsWith(InSuffix, SearchCase))
	{
		return false;
	}
	Data.resize(Data.size() - InSuffix.Len());
	return true;
}

int32 FString::Find(const TCHAR* SubStr, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir, int32 StartPosition) const
{
	if (!SubStr)
	{
		return INDEX_NONE;
	}
	return FindView(FStringView(SubStr), SearchCase, SearchDir, StartPosition);
}

int32 FString::FindView(FStringView SubStr, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir, int32 StartPosition) const
{
	const int32 SubLen = SubStr.Len();
	const int32 MyLen = Len();
	if (SearchDir == ESearchDir::FromStart)
	{
		int32 Start = StartPosition == INDEX_NONE ? 0 : Clamp(StartPosition);
		for (int32 Index = Start; Index + SubLen <= MyLen; ++Index)
		{
			if (CharsEqual(Data.data() + Index, SubStr.GetData(), SubLen, SearchCase))
			{
				return Index;
			}
		}
		return INDEX_NONE;
	}
	// Backwards: StartPosition is where the match may at most begin plus its length.
	int32 Start = StartPosition == INDEX_NONE ? MyLen - SubLen : Clamp(StartPosition) - SubLen;
	if (Start > MyLen - SubLen)
	{
		Start = MyLen - SubLen;
	}
	for (int32 Index = Start; Index >= 0; --Index)
	{
		if (CharsEqual(Data.data() + Index, SubStr.GetData(), SubLen, SearchCase))
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

FString FString::Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase) const&
{
	FString Result(*this);
	Result.ReplaceInline(From, To, SearchCase);
	return Result;
}

FString FString::Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase) &&
{
	ReplaceInline(From, To, SearchCase);
	return MoveTemp(*this);
}

int32 FString::ReplaceInline(const TCHAR* SearchText, const TCHAR* ReplacementText, ESearchCase::Type SearchCase)
{
	const int32 SearchLen = TCString<TCHAR>::Strlen(SearchText);
	if (SearchLen == 0 || IsEmpty())
	{
		return 0;
	}
	const TCHAR* Replacement = ReplacementText ? ReplacementText : TEXT("");
	const int32 ReplacementLen = TCString<TCHAR>::Strlen(Replacement);

	std::u16string Result;
	int32 NumReplacements = 0;
	int32 Index = 0;
	const int32 MyLen = Len();
	while (Index < MyLen)
	{
		if (Index + SearchLen <= MyLen && CharsEqual(Data.data() + Index, SearchText, SearchLen, SearchCase))
		{
			Result.append(Replacement, ReplacementLen);
			Index += SearchLen;
			++NumReplacements;
		}
		else
		{
			Result.push_back(Data[Index]);
			++Index;
		}
	}
	if (NumReplacements > 0)
	{
		Data = MoveTemp(Result);
	}
	return NumReplacements;
}

void FString::ReplaceCharInline(TCHAR SearchChar, TCHAR ReplacementChar, ESearchCase::Type SearchCase)
{
	for (TCHAR& Char : Data)
	{
		if (SearchCase == ESearchCase::CaseSensitive ? Char == SearchChar : FChar::ToLower(Char) == FChar::ToLower(SearchChar))
		{
			Char = ReplacementChar;
		}
	}
}

FString FString::Mid(int32 Start, int32 Count) const
{
	if (Count < 0)
	{
		return FString();
	}
	const int64 End = static_cast<int64>(Start < 0 ? 0 : Start) + Count;
	const int32 ClampedStart = Clamp(Start);
	const int32 ClampedEnd = static_cast<int32>(End > Len() ? Len() : End);
	return ClampedEnd > ClampedStart ? FString(ClampedEnd - ClampedStart, Data.c_str() + ClampedStart) : FString();
}

FString FString::ToUpper() const&
{
	FString Result(*this);
	Result.ToUpperInline();
	return Result;
}

FString FString::ToUpper() &&
{
	ToUpperInline();
	return MoveTemp(*this);
}

void FString::ToUpperInline()
{
	for (TCHAR& Char : Data)
	{
		Char = FChar::ToUpper(Char);
	}
}

FString FString::ToLower() const&
{
	FString Result(*this);
	Result.ToLowerInline();
	return Result;
}

FString FString::ToLower() &&
{
	ToLowerInline();
	return MoveTemp(*this);
}

void FString::ToLowerInline()
{
	for (TCHAR& Char : Data)
	{
		Char = FChar::ToLower(Char);
	}
}

FString FString::TrimStart() const&
{
	FString Result(*this);
	Result.TrimStartInline();
	return Result;
}

FString FString::TrimStart() &&
{
	TrimStartInline();
	return MoveTemp(*this);
}

void FString::TrimStartInline()
{
	size_t Start = 0;
	while (Start < Data.size() && FChar::IsWhitespace(Data[Start]))
	{
		++Start;
	}
	Data.erase(0, Start);
}

FString FString::TrimEnd() const&
{
	FString Result(*this);
	Result.TrimEndInline();
	return Result;
}

FString FString::TrimEnd() &&
{
	TrimEndInline();
	return MoveTemp(*this);
}

void FString::TrimEndInline()
{
	size_t End = Data.size();
	while (End > 0 && FChar::IsWhitespace(Data[End - 1]))
	{
		--End;
	}
	Data.resize(End);
}

FString FString::TrimStartAndEnd() const&
{
	FString Result(*this);
	Result.TrimStartAndEndInline();
	return Result;
}

FString FString::TrimStartAndEnd() &&
{
	TrimStartAndEndInline();
	return MoveTemp(*this);
}

void FString::TrimStartAndEndInline()
{
	TrimEndInline();
	TrimStartInline();
}

FString FString::TrimQuotes(bool* bQuotesRemoved) const
{
	int32 Start = 0;
	int32 Count = Len();
	bool bRemoved = false;
	if (Count > 0 && Data[0] == u'"')
	{
		++Start;
		--Count;
		bRemoved = true;
	}
	if (Count > 0 && Data[Start + Count - 1] == u'"')
	{
		--Count;
		bRemoved = true;
	}
	if (bQuotesRemoved)
	{
		*bQuotesRemoved = bRemoved;
	}
	return Mid(Start, Count);
}

FString FString::TrimChar(TCHAR CharacterToTrim, bool* bCharRemoved) const
{
	int32 Start = 0;
	int32 Count = Len();
	bool bRemoved = false;
	if (Count > 0 && Data[0] == CharacterToTrim)
	{
		++Start;
		--Count;
		bRemoved = true;
	}
	if (Count > 0 && Data[Start + Count - 1] == CharacterToTrim)
	{
		--Count;
		bRemoved = true;
	}
	if (bCharRemoved)
	{
		*bCharRemoved = bRemoved;
	}
	return Mid(Start, Count);
}

FString FString::LeftPad(int32 ChCount) const
{
	const int32 Pad = ChCount - Len();
	return Pad > 0 ? ChrN(Pad, u' ') + *this : *this;
}

FString FString::RightPad(int32 ChCount) const
{
	const int32 Pad = ChCount - Len();
	return Pad > 0 ? *this + ChrN(Pad, u' ') : *this;
}

FString FString::Reverse() const
{
	FString Result(*this);
	Result.ReverseString();
	return Result;
}

void FString::ReverseString()
{
	std::reverse(Data.begin(), Data.end());
}

bool FString::Split(const FString& InS, FString* LeftS, FString* RightS, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir) const
{
	const int32 Index = Find(InS, SearchCase, SearchDir);
	if (Index == INDEX_NONE)
	{
		return false;
	}
	// Compute both halves before writing: an output may alias this string.
	FString NewLeft = Left(Index);
	FString NewRight = Mid(Index + InS.Len());
	if (LeftS)
	{
		*LeftS = MoveTemp(NewLeft);
	}
	if (RightS)
	{
		*RightS = MoveTemp(NewRight);
	}
	return true;
}

int32 FString::ParseIntoArray(TArray<FString>& OutArray, const TCHAR* pchDelim, bool InCullEmpty) const
{
	checkf(pchDelim != nullptr, TEXT("ParseIntoArray needs a delimiter"));
	OutArray.Reset();
	const int32 DelimLength = TCString<TCHAR>::Strlen(pchDelim);
	if (IsEmpty())
	{
		return 0;
	}
	if (DelimLength == 0)
	{
		OutArray.Add(*this);
		return 1;
	}
	int32 Start = 0;
	const int32 MyLen = Len();
	for (;;)
	{
		const int32 Found = FindView(FStringView(pchDelim, DelimLength), ESearchCase::CaseSensitive, ESearchDir::FromStart, Start);
		const int32 End = Found == INDEX_NONE ? MyLen : Found;
		if (!InCullEmpty || End > Start)
		{
			OutArray.Emplace(End - Start, Data.c_str() + Start);
		}
		if (Found == INDEX_NONE)
		{
			break;
		}
		Start = Found + DelimLength;
	}
	return OutArray.Num();
}

int32 FString::ParseIntoArray(TArray<FString>& OutArray, const TCHAR* const* DelimArray, int32 NumDelims, bool InCullEmpty) const
{
	OutArray.Reset();
	int32 Start = 0;
	int32 Index = 0;
	const int32 MyLen = Len();
	while (Index < MyLen)
	{
		int32 MatchLength = 0;
		for (int32 DelimIndex = 0; DelimIndex < NumDelims; ++DelimIndex)
		{
			const int32 DelimLength = TCString<TCHAR>::Strlen(DelimArray[DelimIndex]);
			if (DelimLength > 0 && Index + DelimLength <= MyLen && CharsEqual(Data.data() + Index, DelimArray[DelimIndex], DelimLength, ESearchCase::CaseSensitive))
			{
				MatchLength = DelimLength;
				break;
			}
		}
		if (MatchLength > 0)
		{
			if (!InCullEmpty || Index > Start)
			{
				OutArray.Emplace(Index - Start, Data.c_str() + Start);
			}
			Index += MatchLength;
			Start = Index;
		}
		else
		{
			++Index;
		}
	}
	if (!InCullEmpty || MyLen > Start)
	{
		if (MyLen > 0)
		{
			OutArray.Emplace(MyLen - Start, Data.c_str() + Start);
		}
	}
	return OutArray.Num();
}

int32 FString::ParseIntoArrayWS(TArray<FString>& OutArray, const TCHAR* pchExtraDelim, bool InCullEmpty) const
{
	const TCHAR* Delims[] = {TEXT(" "), TEXT("\t"), TEXT("\r"), TEXT("\n"), pchExtraDelim ? pchExtraDelim : TEXT("")};
	return ParseIntoArray(OutArray, Delims, pchExtraDelim && *pchExtraDelim ? 5 : 4, InCullEmpty);
}

int32 FString::ParseIntoArrayLines(TArray<FString>& OutArray, bool InCullEmpty) const
{
	const TCHAR* Delims[] = {TEXT("\r\n"), TEXT("\n"), TEXT("\r")};
	return ParseIntoArray(OutArray, Delims, 3, InCullEmpty);
}

FString FString::FromInt(int32 Num)
{
	return FromAscii(std::to_string(Num).c_str());
}

FString FString::SanitizeFloat(double InFloat, const int32 InMinFractionalDigits)
{
	if (std::isnan(InFloat))
	{
		return TEXT("nan");
	}
	if (std::isinf(InFloat))
	{
		return InFloat > 0 ? TEXT("inf") : TEXT("-inf");
	}
	// Shortest representation that reads back the same value.
	char Buffer[64];
	for (int32 Precision = 1; Precision <= 17; ++Precision)
	{
		std::snprintf(Buffer, sizeof(Buffer), "%.*g", Precision, InFloat);
		if (std::strtod(Buffer, nullptr) == InFloat)
		{
			break;
		}
	}
	std::string Text = Buffer;
	if (Text.find_first_of("eE") != std::string::npos)
	{
		std::snprintf(Buffer, sizeof(Buffer), "%.17f", InFloat);
		Text = Buffer;
		while (!Text.empty() && Text.back() == '0')
		{
			Text.pop_back();
		}
		if (!Text.empty() && Text.back() == '.')
		{
			Text.pop_back();
		}
	}
	size_t Dot = Text.find('.');
	int32 FractionalDigits = Dot == std::string::npos ? 0 : static_cast<int32>(Text.size() - Dot - 1);
	if (FractionalDigits < InMinFractionalDigits)
	{
		if (Dot == std::string::npos)
		{
			Text += '.';
		}
		Text.append(InMinFractionalDigits - FractionalDigits, '0');
	}
	return FromAscii(Text.c_str());
}

FString FString::FormatAsNumber(int32 InNumber)
{
	const std::string Digits = std::to_string(InNumber < 0 ? -static_cast<int64>(InNumber) : static_cast<int64>(InNumber));
	std::string Result;
	for (size_t Index = 0; Index < Digits.size(); ++Index)
	{
		if (Index > 0 && (Digits.size() - Index) % 3 == 0)
		{
			Result += ',';
		}
		Result += Digits[Index];
	}
	return FromAscii(((InNumber < 0 ? "-" : "") + Result).c_str());
}

uint32 GetTypeHash(const FString& S)
{
	return GetTypeHash(FStringView(S));
}

namespace
{
	template <typename T>
	FString IntegerToString(T Value)
	{
		return FromAscii(std::to_string(Value).c_str());
	}
} // namespace

FString LexToString(int8 Value)
{
	return IntegerToString(static_cast<int32>(Value));
}
FString LexToString(int16 Value)
{
	return IntegerToString(static_cast<int32>(Value));
}
FString LexToString(int32 Value)
{
	return IntegerToString(Value);
}
FString LexToString(int64 Value)
{
	return IntegerToString(Value);
}
FString LexToString(long Value)
{
	return IntegerToString(Value);
}
FString LexToString(uint8 Value)
{
	return IntegerToString(static_cast<uint32>(Value));
}
FString LexToString(uint16 Value)
{
	return IntegerToString(static_cast<uint32>(Value));
}
FString LexToString(uint32 Value)
{
	return IntegerToString(Value);
}
FString LexToString(uint64 Value)
{
	return IntegerToString(Value);
}
FString LexToString(unsigned long Value)
{
	return IntegerToString(Value);
}
FString LexToString(float Value)
{
	return FString::Printf(TEXT("%f"), Value);
}
FString LexToString(double Value)
{
	return FString::Printf(TEXT("%f"), Value);
}
FString LexToString(bool Value)
{
	return Value ? TEXT("true") : TEXT("false");
}
FString LexToString(const TCHAR* Value)
{
	return FString(Value);
}

void LexFromString(int8& OutValue, const TCHAR* Buffer)
{
	OutValue = static_cast<int8>(FCString::Atoi(Buffer));
}
void LexFromString(int16& OutValue, const TCHAR* Buffer)
{
	OutValue = static_cast<int16>(FCString::Atoi(Buffer));
}
void LexFromString(int32& OutValue, const TCHAR* Buffer)
{
	OutValue = FCString::Atoi(Buffer);
}
void LexFromString(int64& OutValue, const TCHAR* Buffer)
{
	OutValue = FCString::Atoi64(Buffer);
}
void LexFromString(uint8& OutValue, const TCHAR* Buffer)
{
	OutValue = static_cast<uint8>(FCString::Atoi(Buffer));
}
void LexFromString(uint16& OutValue, const TCHAR* Buffer)
{
	OutValue = static_cast<uint16>(FCString::Atoi(Buffer));
}
void LexFromString(uint32& OutValue, const TCHAR* Buffer)
{
	OutValue = static_cast<uint32>(FCString::Strtoui64(Buffer, nullptr, 10));
}
void LexFromString(uint64& OutValue, const TCHAR* Buffer)
{
	OutValue = FCString::Strtoui64(Buffer, nullptr, 10);
}
void LexFromString(float& OutValue, const TCHAR* Buffer)
{
	OutValue = FCString::Atof(Buffer);
}
void LexFromString(double& OutValue, const TCHAR* Buffer)
{
	OutValue = FCString::Atod(Buffer);
}
void LexFromString(bool& OutValue, const TCHAR* Buffer)
{
	OutValue = FCString::ToBool(Buffer);
}
void LexFromString(FString& OutValue, const TCHAR* Buffer)
{
	OutValue = Buffer;
}

namespace
{
	template <typename T, typename ParseType>
	bool TryParseWhole(T& OutValue, const TCHAR* Buffer, ParseType Parse)
	{
		if (!Buffer || !*Buffer)
		{
			return false;
		}
		FTCHARToANSI Narrow(Buffer);
		char* End = nullptr;
		errno = 0;
		const auto Value = Parse(Narrow.Get(), &End);
		if (End == Narrow.Get() || *End != '\0' || errno == ERANGE)
		{
			return false;
		}
		OutValue = static_cast<T>(Value);
		return true;
	}
} // namespace

bool LexTryParseString(int32& OutValue, const TCHAR* Buffer)
{
	long long Parsed = 0;
	if (!TryParseWhole(Parsed, Buffer, [](const char* Text, char** End)
					   { return std::strtoll(Text, End, 10); }) ||
		Parsed < INT32_MIN || Parsed > INT32_MAX)
	{
		return false;
	}
	OutValue = static_cast<int32>(Parsed);
	return true;
}

bool LexTryParseString(int64& OutValue, const TCHAR* Buffer)
{
	return TryParseWhole(OutValue, Buffer, [](const char* Text, char** End)
						 { return std::strtoll(Text, End, 10); });
}

bool LexTryParseString(float& OutValue, const TCHAR* Buffer)
{
	return TryParseWhole(OutValue, Buffer, [](const char* Text, char** End)
						 { return std::strtof(Text, End); });
}

bool LexTryParseString(double& OutValue, const TCHAR* Buffer)
{
	return TryParseWhole(OutValue, Buffer, [](const char* Text, char** End)
						 { return std::strtod(Text, End); });
}

bool LexTryParseString(bool& OutValue, const TCHAR* Buffer)
{
	if (!Buffer)
	{
		return false;
	}
	if (FCString::Stricmp(Buffer, TEXT("true")) == 0 || FCString::Stricmp(Buffer, TEXT("yes")) == 0 || FCString::Stricmp(Buffer, TEXT("on")) == 0 || FCString::Strcmp(Buffer, TEXT("1")) == 0)
	{
		OutValue = true;
		return true;
	}
	if (FCString::Stricmp(Buffer, TEXT("false")) == 0 || FCString::Stricmp(Buffer, TEXT("no")) == 0 || FCString::Stricmp(Buffer, TEXT("off")) == 0 || FCString::Strcmp(Buffer, TEXT("0")) == 0)
	{
		OutValue = false;
		return true;
	}
	return false;
}

FString BytesToHex(const uint8* Bytes, int32 Count)
{
	static const char Digits[] = "0123456789ABCDEF";
	FString Result;
	Result.Reserve(Count * 2);
	for (int32 Index = 0; Index < Count; ++Index)
	{
		Result.AppendChar(static_cast<TCHAR>(Digits[Bytes[Index] >> 4]));
		Result.AppendChar(static_cast<TCHAR>(Digits[Bytes[Index] & 0xF]));
	}
	return Result;
}

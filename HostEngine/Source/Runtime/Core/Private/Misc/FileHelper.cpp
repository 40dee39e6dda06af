#include "Misc/FileHelper.h"
#include "Containers/StringConv.h"

#include <fstream>
#include <iterator>
#include <string>

namespace
{
	bool ReadBytes(const TCHAR* Filename, std::string& Out)
	{
		std::ifstream Stream(TCHAR_TO_UTF8(Filename), std::ios::binary);
		if (!Stream)
		{
			return false;
		}
		Out.assign(std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>());
		return true;
	}

	bool WriteBytes(const TCHAR* Filename, const std::string& Bytes)
	{
		const FString Path(Filename);
		const int32 Slash = Path.Find(TEXT("/"), ESearchCase::CaseSensitive, ESearchDir::FromEnd);
		if (Slash > 0)
		{
			IFileManager::Get().MakeDirectory(*Path.Left(Slash), true);
		}
		std::ofstream Stream(TCHAR_TO_UTF8(Filename), std::ios::binary | std::ios::trunc);
		if (!Stream)
		{
			return false;
		}
		Stream.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
		return static_cast<bool>(Stream);
	}
}

bool FFileHelper::LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions VerifyFlags, uint32 ReadFlags)
{
	std::string Bytes;
	if (!ReadBytes(Filename, Bytes))
	{
		return false;
	}
	if (Bytes.size() >= 2 && static_cast<uint8>(Bytes[0]) == 0xFF && static_cast<uint8>(Bytes[1]) == 0xFE)
	{
		std::u16string Wide;
		for (size_t Index = 2; Index + 1 < Bytes.size(); Index += 2)
		{
			Wide.push_back(static_cast<char16_t>(static_cast<uint8>(Bytes[Index]) | (static_cast<uint8>(Bytes[Index + 1]) << 8)));
		}
		Result = FString(Wide.c_str());
		return true;
	}
	if (Bytes.size() >= 3 && static_cast<uint8>(Bytes[0]) == 0xEF && static_cast<uint8>(Bytes[1]) == 0xBB && static_cast<uint8>(Bytes[2]) == 0xBF)
	{
		Bytes.erase(0, 3);
	}
	Result = FString(UTF8_TO_TCHAR(Bytes.c_str()));
	return true;
}

bool FFileHelper::LoadFileToStringArray(TArray<FString>& Result, const TCHAR* Filename)
{
	FString Text;
	if (!LoadFileToString(Text, Filename))
	{
		return false;
	}
	Result.Empty();
	Text.ParseIntoArrayLines(Result, false);
	return true;
}

bool FFileHelper::LoadFileToArray(TArray<uint8>& Result, const TCHAR* Filename, uint32 Flags)
{
	std::string Bytes;
	if (!ReadBytes(Filename, Bytes))
	{
		return false;
	}
	Result.Empty();
	Result.Append(reinterpret_cast<const uint8*>(Bytes.data()), static_cast<int32>(Bytes.size()));
	return true;
}

bool FFileHelper::SaveStringToFile(FStringView String, const TCHAR* Filename, EEncodingOptions EncodingOptions, IFileManager* FileManager, uint32 WriteFlags)
{
	bool bIsPureAnsi = true;
	for (int32 Index = 0; Index < String.Len(); ++Index)
	{
		bIsPureAnsi &= String[Index] < 0x80;
	}
	const bool bUtf16 = EncodingOptions == EEncodingOptions::ForceUnicode || (EncodingOptions == EEncodingOptions::AutoDetect && !bIsPureAnsi);
	std::string Bytes;
	if (bUtf16)
	{
		Bytes.push_back(static_cast<char>(0xFF));
		Bytes.push_back(static_cast<char>(0xFE));
		for (int32 Index = 0; Index < String.Len(); ++Index)
		{
			Bytes.push_back(static_cast<char>(String[Index] & 0xFF));
			Bytes.push_back(static_cast<char>((String[Index] >> 8) & 0xFF));
		}
	}
	else
	{
		if (EncodingOptions == EEncodingOptions::ForceUTF8)
		{
			Bytes.append("\xEF\xBB\xBF");
		}
		const FString Copy(String);
		Bytes.append(TCHAR_TO_UTF8(*Copy));
	}
	return WriteBytes(Filename, Bytes);
}

bool FFileHelper::SaveStringArrayToFile(const TArray<FString>& Lines, const TCHAR* Filename, EEncodingOptions EncodingOptions, IFileManager* FileManager, uint32 WriteFlags)
{
	FString Text;
	for (const FString& Line : Lines)
	{
		Text += Line;
		Text += TEXT("\n");
	}
	return SaveStringToFile(Text, Filename, EncodingOptions, FileManager, WriteFlags);
}

bool FFileHelper::SaveArrayToFile(TArrayView<const uint8> Array, const TCHAR* Filename, IFileManager* FileManager, uint32 WriteFlags)
{
	return WriteBytes(Filename, std::string(reinterpret_cast<const char*>(Array.GetData()), Array.Num()));
}

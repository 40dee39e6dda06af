#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Containers/Array.h"
#include "Containers/ArrayView.h"
#include "HAL/FileManager.h"

struct FFileHelper
{
	enum class EEncodingOptions
	{
		AutoDetect,
		ForceAnsi,
		ForceUnicode,
		ForceUTF8,
		ForceUTF8WithoutBOM
	};

	enum class EHashOptions
	{
		None = 0,
		EnableVerify = 1 << 0,
		ErrorMissingHash = 1 << 1
	};

	/** Reads a UTF-8 (with or without byte order mark) or UTF-16LE file with a byte order mark. */
	static CORE_API bool LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions VerifyFlags = EHashOptions::None, uint32 ReadFlags = 0);
	static CORE_API bool LoadFileToStringArray(TArray<FString>& Result, const TCHAR* Filename);
	static CORE_API bool LoadFileToArray(TArray<uint8>& Result, const TCHAR* Filename, uint32 Flags = 0);

	/** AutoDetect writes plain ASCII as such and anything else as UTF-16LE with a byte order mark, as the engine does. */
	static CORE_API bool SaveStringToFile(FStringView String, const TCHAR* Filename, EEncodingOptions EncodingOptions = EEncodingOptions::AutoDetect, IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);
	/** Writes each line followed by a line feed. */
	static CORE_API bool SaveStringArrayToFile(const TArray<FString>& Lines, const TCHAR* Filename, EEncodingOptions EncodingOptions = EEncodingOptions::AutoDetect, IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);
	static CORE_API bool SaveArrayToFile(TArrayView<const uint8> Array, const TCHAR* Filename, IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);
};

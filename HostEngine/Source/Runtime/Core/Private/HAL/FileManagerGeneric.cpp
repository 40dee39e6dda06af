#include "HAL/FileManager.h"
#include "Misc/Paths.h"
#include "Containers/StringConv.h"

#include <filesystem>
#include <fnmatch.h>

namespace
{
	std::filesystem::path ToPath(const TCHAR* In)
	{
		return std::filesystem::path(reinterpret_cast<const char8_t*>(TCHAR_TO_UTF8(In)));
	}

	FString FromPath(const std::filesystem::path& In)
	{
		const std::u8string Utf8 = In.generic_u8string();
		return FString(UTF8_TO_TCHAR(reinterpret_cast<const char*>(Utf8.c_str())));
	}

	bool Matches(const FString& Name, const FString& Pattern)
	{
		return Pattern.IsEmpty() || fnmatch(TCHAR_TO_UTF8(*Pattern), TCHAR_TO_UTF8(*Name), 0) == 0;
	}

	class FFileManagerHost final : public IFileManager
	{
	public:
		virtual bool MakeDirectory(const TCHAR* Path, bool Tree) override
		{
			std::error_code Error;
			if (std::filesystem::is_directory(ToPath(Path), Error))
			{
				return true;
			}
			return Tree ? std::filesystem::create_directories(ToPath(Path), Error) : std::filesystem::create_directory(ToPath(Path), Error);
		}

		virtual bool Delete(const TCHAR* Filename, bool RequireExists, bool EvenReadOnly, bool Quiet) override
		{
			std::error_code Error;
			if (!std::filesystem::is_regular_file(ToPath(Filename), Error))
			{
				return !RequireExists;
			}
			return std::filesystem::remove(ToPath(Filename), Error);
		}

		virtual bool DeleteDirectory(const TCHAR* Path, bool RequireExists, bool Tree) override
		{
			std::error_code Error;
			if (!std::filesystem::is_directory(ToPath(Path), Error))
			{
				return !RequireExists;
			}
			return Tree ? std::filesystem::remove_all(ToPath(Path), Error) != static_cast<std::uintmax_t>(-1) : std::filesystem::remove(ToPath(Path), Error);
		}

		virtual bool DirectoryExists(const TCHAR* InDirectory) override
		{
			std::error_code Error;
			return std::filesystem::is_directory(ToPath(InDirectory), Error);
		}

		virtual bool FileExists(const TCHAR* Filename) override
		{
			std::error_code Error;
			return std::filesystem::is_regular_file(ToPath(Filename), Error);
		}

		virtual int64 FileSize(const TCHAR* Filename) override
		{
			std::error_code Error;
			const std::uintmax_t Size = std::filesystem::file_size(ToPath(Filename), Error);
			return Error ? -1 : static_cast<int64>(Size);
		}

		virtual uint32 Copy(const TCHAR* Dest, const TCHAR* Src, bool Replace, bool EvenIfReadOnly, bool Attributes) override
		{
			std::error_code Error;
			std::filesystem::create_directories(ToPath(Dest).parent_path(), Error);
			const auto Options = Replace ? std::filesystem::copy_options::overwrite_existing : std::filesystem::copy_options::none;
			return std::filesystem::copy_file(ToPath(Src), ToPath(Dest), Options, Error) ? COPY_OK : COPY_Fail;
		}

		virtual bool Move(const TCHAR* Dest, const TCHAR* Src, bool Replace, bool EvenIfReadOnly, bool Attributes, bool bDoNotRetryOrError) override
		{
			std::error_code Error;
			if (!Replace && std::filesystem::exists(ToPath(Dest), Error))
			{
				return false;
			}
			std::filesystem::create_directories(ToPath(Dest).parent_path(), Error);
			std::filesystem::rename(ToPath(Src), ToPath(Dest), Error);
			return !Error;
		}

		virtual void FindFiles(TArray<FString>& FileNames, const TCHAR* Filename, bool Files, bool Directories) override
		{
			const FString Wildcard(Filename);
			const FString Directory = FPaths::GetPath(Wildcard);
			const FString Pattern = FPaths::GetCleanFilename(Wildcard);
			std::error_code Error;
			for (const auto& Entry : std::filesystem::directory_iterator(ToPath(*Directory), Error))
			{
				const bool bIsDirectory = Entry.is_directory(Error);
				const FString Name = FromPath(Entry.path().filename());
				if (((bIsDirectory && Directories) || (!bIsDirectory && Files)) && Matches(Name, Pattern))
				{
					FileNames.Add(Name);
				}
			}
		}

		virtual void FindFilesRecursive(TArray<FString>& FileNames, const TCHAR* StartDirectory, const TCHAR* Filename, bool Files, bool Directories, bool bClearFileNames) override
		{
			if (bClearFileNames)
			{
				FileNames.Empty();
			}
			const FString Pattern(Filename);
			std::error_code Error;
			for (const auto& Entry : std::filesystem::recursive_directory_iterator(ToPath(StartDirectory), Error))
			{
				const bool bIsDirectory = Entry.is_directory(Error);
				if (((bIsDirectory && Directories) || (!bIsDirectory && Files)) && Matches(FromPath(Entry.path().filename()), Pattern))
				{
					FileNames.Add(FromPath(Entry.path()));
				}
			}
		}

		virtual FString ConvertToAbsolutePathForExternalAppForRead(const TCHAR* Filename) override
		{
			return FPaths::ConvertRelativePathToFull(FString(Filename));
		}

		virtual FString ConvertToAbsolutePathForExternalAppForWrite(const TCHAR* Filename) override
		{
			return FPaths::ConvertRelativePathToFull(FString(Filename));
		}
	};
}

IFileManager& IFileManager::Get()
{
	static FFileManagerHost Instance;
	return Instance;
}

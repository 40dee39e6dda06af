#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Containers/Array.h"

enum ECopyResult
{
	COPY_OK = 0,
	COPY_Fail = 1,
	COPY_Canceled = 2,
};

/** File system access on full or relative paths; the host's implementation sits on the C++ library. */
class IFileManager
{
public:
	virtual ~IFileManager() = default;

	static CORE_API IFileManager& Get();

	virtual bool MakeDirectory(const TCHAR* Path, bool Tree = false) = 0;
	virtual bool Delete(const TCHAR* Filename, bool RequireExists = false, bool EvenReadOnly = false, bool Quiet = false) = 0;
	virtual bool DeleteDirectory(const TCHAR* Path, bool RequireExists = false, bool Tree = false) = 0;
	virtual bool DirectoryExists(const TCHAR* InDirectory) = 0;
	virtual bool FileExists(const TCHAR* Filename) = 0;
	/** Size in bytes, or -1 when there is no such file. */
	virtual int64 FileSize(const TCHAR* Filename) = 0;
	virtual uint32 Copy(const TCHAR* Dest, const TCHAR* Src, bool Replace = true, bool EvenIfReadOnly = false, bool Attributes = false) = 0;
	virtual bool Move(const TCHAR* Dest, const TCHAR* Src, bool Replace = true, bool EvenIfReadOnly = false, bool Attributes = false, bool bDoNotRetryOrError = false) = 0;
	/** Bare names of what matches the wildcard pattern Filename (a directory and a "*"-pattern). */
	virtual void FindFiles(TArray<FString>& FileNames, const TCHAR* Filename, bool Files, bool Directories) = 0;
	/** Full paths of everything below StartDirectory whose name matches Filename. */
	virtual void FindFilesRecursive(TArray<FString>& FileNames, const TCHAR* StartDirectory, const TCHAR* Filename, bool Files, bool Directories, bool bClearFileNames = true) = 0;
	virtual FString ConvertToAbsolutePathForExternalAppForRead(const TCHAR* Filename) = 0;
	virtual FString ConvertToAbsolutePathForExternalAppForWrite(const TCHAR* Filename) = 0;
};

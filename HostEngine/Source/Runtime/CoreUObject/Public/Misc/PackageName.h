#pragma once

#include "CoreMinimal.h"

/** Long package names ("/Game/Dir/Name"), object paths and their files on disk. */
class COREUOBJECT_API FPackageName
{
public:
	enum class EConvertFlags
	{
		None = 0,
		AllowDots = 1 << 0,
	};

	/** Whether the name is a script package ("/Script/..."). */
	static bool IsScriptPackage(FStringView InPackageName);
	static bool IsMemoryPackage(FStringView InPackageName);
	static bool IsVersePackage(FStringView InPackageName);

	/** "/Game/A/B" gives "/Game/A". */
	static FString GetLongPackagePath(const FString& InLongPackageName);

	/** Everything after the last slash: "/Game/A/B" gives "B". */
	static FString GetShortName(const FString& LongName);
	static FString GetShortName(const TCHAR* LongName);
	static FString GetShortName(const FName& LongName);
	static FName GetShortFName(const FString& LongName);
	static FName GetShortFName(const FName& LongName);

	/** "/Game/A/B.B:Sub" gives "/Game/A/B". */
	static FString ObjectPathToPackageName(const FString& InObjectPath);
	/** "/Game/A/B.B:Sub" gives "B". */
	static FString ObjectPathToObjectName(const FString& InObjectPath);
	/** "/Game/A/B.B:Sub" gives "/Game/A/B.B". */
	static FString ObjectPathToOuterPath(const FString& InObjectPath);

	/**
	 * A name beginning with a known root ("/Game/", "/Engine/", "/Script/", a mounted plugin's),
	 * with no empty element, no trailing slash and none of the characters packages cannot have.
	 */
	static bool IsValidLongPackageName(FStringView InLongPackageName, bool bIncludeReadOnlyRoots = false, FText* OutReason = nullptr);
	static bool IsValidObjectPath(const FString& InObjectPath, FText* OutReason = nullptr);

	/** The package's file under its content root; aborts for a name under no known root. */
	static FString LongPackageNameToFilename(const FString& InLongPackageName, const FString& InExtension = TEXT(""));
	static bool TryConvertLongPackageNameToFilename(FStringView InLongPackageName, FString& OutFilename, FStringView InExtension = {});

	static FString FilenameToLongPackageName(const FString& InFilename);
	static bool TryConvertFilenameToLongPackageName(const FString& InFilename, FString& OutPackageName, FString* OutFailureReason = nullptr, const EConvertFlags Flags = EConvertFlags::None);

	/** "/Game/" for "/Game/A/B" (without the slashes when InWithoutSlashes). */
	static FName GetPackageMountPoint(const FString& InPackagePath, bool InWithoutSlashes = true);

	/** Whether a package file exists for the name (the host knows only files under mapped content roots). */
	static bool DoesPackageExist(const FString& LongPackageName, FString* OutFilename = nullptr, bool InAllowTextFormats = true);

	static const FString& GetAssetPackageExtension();
	static const FString& GetMapPackageExtension();
	static const FString& GetTextAssetPackageExtension();
	static const FString& GetTextMapPackageExtension();

	static bool IsPackageExtension(const TCHAR* Ext);

	static FName GetModuleScriptPackageName(FName InModuleName);
	static FString GetModuleScriptPackageName(FStringView InModuleName);
	static FString ConvertToLongScriptPackageName(const TCHAR* InShortName);

	/** Maps a root such as "/Game/" to a directory (with trailing slash); the host's stand-in for mount points. */
	static void RegisterMountPoint(const FString& RootPath, const FString& ContentPath);
	static void UnRegisterMountPoint(const FString& RootPath, const FString& ContentPath);
	static bool MountPointExists(FStringView RootPath);
};
ENUM_CLASS_FLAGS(FPackageName::EConvertFlags);

#include "Settings/ProjectPackagingSettings.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "HostTest/DeveloperToolSettingsProbe.h"
#include "UObject/UObjectGlobals.h"

IMPLEMENT_MODULE(FDefaultModuleImpl, DeveloperToolSettings);

void LoadProjectPackagingSettings(UProjectPackagingSettings& Settings);

namespace HostTest
{
	void ReloadProjectPackagingSettings()
	{
		LoadProjectPackagingSettings(*GetMutableDefault<UProjectPackagingSettings>());
	}
}

namespace
{
	// The class moved out of UnrealEd; its settings kept their section.
	const TCHAR* const SectionName = TEXT("/Script/UnrealEd.ProjectPackagingSettings");

	FString Quote(const FString& Value)
	{
		return TEXT("\"") + Value.Replace(TEXT("\\"), TEXT("\\\\")).Replace(TEXT("\""), TEXT("\\\"")) + TEXT("\"");
	}

	/** The value of Field in a struct's text form such as (Path="/Game/X"). */
	bool ParseStructField(const FString& Text, const TCHAR* Field, FString& OutValue)
	{
		const FString Prefix = FString(Field) + TEXT("=\"");
		const int32 Start = Text.Find(Prefix);
		if (Start == INDEX_NONE)
		{
			return false;
		}
		OutValue.Empty();
		for (int32 Index = Start + Prefix.Len(); Index < Text.Len(); ++Index)
		{
			if (Text[Index] == TEXT('\\') && Index + 1 < Text.Len())
			{
				OutValue.AppendChar(Text[++Index]);
			}
			else if (Text[Index] == TEXT('"'))
			{
				return true;
			}
			else
			{
				OutValue.AppendChar(Text[Index]);
			}
		}
		return false;
	}
}

UProjectPackagingSettings::UProjectPackagingSettings(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void UProjectPackagingSettings::PostInitProperties()
{
	Super::PostInitProperties();
	if (HasAnyFlags(RF_ClassDefaultObject))
	{
		LoadProjectPackagingSettings(*this);
	}
}

void LoadProjectPackagingSettings(UProjectPackagingSettings& Settings)
{
	Settings.MapsToCook.Empty();
	Settings.DirectoriesToAlwaysCook.Empty();
	Settings.DirectoriesToNeverCook.Empty();
	if (!FPaths::CanGetProjectDir())
	{
		return;
	}
	// Config properties come from the project's DefaultGame.ini, as the engine loads them into the class default object.
	TArray<FString> Lines;
	if (!FFileHelper::LoadFileToStringArray(Lines, *Settings.GetDefaultConfigFilename()))
	{
		return;
	}
	const FString Header = FString::Printf(TEXT("[%s]"), SectionName);
	bool bInSection = false;
	for (const FString& RawLine : Lines)
	{
		const FString Line = RawLine.TrimStartAndEnd();
		if (Line.StartsWith(TEXT("[")))
		{
			bInSection = Line.Equals(Header, ESearchCase::IgnoreCase);
			continue;
		}
		FString Key;
		FString Value;
		if (!bInSection || !Line.Split(TEXT("="), &Key, &Value))
		{
			continue;
		}
		FString Field;
		if (Key == TEXT("+DirectoriesToAlwaysCook") && ParseStructField(Value, TEXT("Path"), Field))
		{
			Settings.DirectoriesToAlwaysCook.Add(FDirectoryPath{ Field });
		}
		else if (Key == TEXT("+DirectoriesToNeverCook") && ParseStructField(Value, TEXT("Path"), Field))
		{
			Settings.DirectoriesToNeverCook.Add(FDirectoryPath{ Field });
		}
		else if (Key == TEXT("+MapsToCook") && ParseStructField(Value, TEXT("FilePath"), Field))
		{
			Settings.MapsToCook.Add(FFilePath{ Field });
		}
		else if (Key == TEXT("bCookAll"))
		{
			Settings.bCookAll = Value.ToBool();
		}
		else if (Key == TEXT("bCookMapsOnly"))
		{
			Settings.bCookMapsOnly = Value.ToBool();
		}
		else if (Key == TEXT("bUsePakFile"))
		{
			Settings.bUsePakFile = Value.ToBool();
		}
		else if (Key == TEXT("bUseIoStore"))
		{
			Settings.bUseIoStore = Value.ToBool();
		}
	}
}

bool UProjectPackagingSettings::HostExportDefaultConfig(FString& OutSectionName, TArray<FString>& OutLines) const
{
	OutSectionName = SectionName;
	OutLines.Add(FString::Printf(TEXT("bCookAll=%s"), bCookAll ? TEXT("True") : TEXT("False")));
	OutLines.Add(FString::Printf(TEXT("bCookMapsOnly=%s"), bCookMapsOnly ? TEXT("True") : TEXT("False")));
	OutLines.Add(FString::Printf(TEXT("bUsePakFile=%s"), bUsePakFile ? TEXT("True") : TEXT("False")));
	OutLines.Add(FString::Printf(TEXT("bUseIoStore=%s"), bUseIoStore ? TEXT("True") : TEXT("False")));
	for (const FFilePath& Map : MapsToCook)
	{
		OutLines.Add(FString::Printf(TEXT("+MapsToCook=(FilePath=%s)"), *Quote(Map.FilePath)));
	}
	for (const FDirectoryPath& Directory : DirectoriesToAlwaysCook)
	{
		OutLines.Add(FString::Printf(TEXT("+DirectoriesToAlwaysCook=(Path=%s)"), *Quote(Directory.Path)));
	}
	for (const FDirectoryPath& Directory : DirectoriesToNeverCook)
	{
		OutLines.Add(FString::Printf(TEXT("+DirectoriesToNeverCook=(Path=%s)"), *Quote(Directory.Path)));
	}
	return true;
}

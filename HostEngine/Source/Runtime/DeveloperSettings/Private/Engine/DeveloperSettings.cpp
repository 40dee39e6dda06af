#include "Engine/DeveloperSettings.h"

#include "HostTest/DeveloperSettingsProbe.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"

IMPLEMENT_MODULE(FDefaultModuleImpl, DeveloperSettings);

namespace DeveloperSettingsPrivate
{
	/** The ini section of a class's config properties: its path, "/Script/<Module>.<Class>". */
	static FString GetConfigSection(const UObject& Settings)
	{
		return Settings.GetClass()->GetPathName();
	}

	/** Reads the class default object's config properties from the class's Default<Config>.ini, as the engine does at start-up. */
	static void LoadDefaultConfig(UObject& Settings)
	{
		if (!FPaths::CanGetProjectDir())
		{
			return;
		}
		TArray<FString> Lines;
		if (!FFileHelper::LoadFileToStringArray(Lines, *Settings.GetDefaultConfigFilename()))
		{
			return;
		}
		const FString Header = FString::Printf(TEXT("[%s]"), *GetConfigSection(Settings));
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
			if (!bInSection || Line.StartsWith(TEXT(";")) || !Line.Split(TEXT("="), &Key, &Value))
			{
				continue;
			}
			Key.TrimStartAndEndInline();
			for (TFieldIterator<FProperty> It(Settings.GetClass()); It; ++It)
			{
				if (It->HasAnyPropertyFlags(CPF_Config) && It->GetName().Equals(Key, ESearchCase::IgnoreCase))
				{
					// A value the property cannot take is ignored, as the engine ignores it.
					It->HostSetValueFromString(&Settings, Value);
				}
			}
		}
	}
}

namespace HostTest
{
	void ReloadDeveloperSettings(UDeveloperSettings& Settings)
	{
		DeveloperSettingsPrivate::LoadDefaultConfig(Settings);
	}
}

UDeveloperSettings::UDeveloperSettings(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

FName UDeveloperSettings::GetContainerName() const
{
	static const FName ProjectName(TEXT("Project"));
	static const FName EditorName(TEXT("Editor"));
	const FName ConfigName = GetClass()->GetConfigName();
	return ConfigName == FName(TEXT("EditorPerProjectUserSettings")) || ConfigName == FName(TEXT("EditorSettings")) ? EditorName : ProjectName;
}

FName UDeveloperSettings::GetCategoryName() const
{
	return CategoryName.IsNone() ? GetClass()->GetConfigName() : CategoryName;
}

FName UDeveloperSettings::GetSectionName() const
{
	return SectionName.IsNone() ? GetClass()->GetFName() : SectionName;
}

#if WITH_EDITOR
FText UDeveloperSettings::GetSectionText() const
{
	return FText::FromName(GetSectionName());
}

FText UDeveloperSettings::GetSectionDescription() const
{
	return FText::GetEmpty();
}
#endif

void UDeveloperSettings::PostInitProperties()
{
	Super::PostInitProperties();
	if (HasAnyFlags(RF_ClassDefaultObject) && !GetClass()->GetConfigName().IsNone())
	{
		DeveloperSettingsPrivate::LoadDefaultConfig(*this);
	}
}

bool UDeveloperSettings::HostExportDefaultConfig(FString& OutSectionName, TArray<FString>& OutLines) const
{
	OutSectionName = DeveloperSettingsPrivate::GetConfigSection(*this);
	for (TFieldIterator<FProperty> It(GetClass()); It; ++It)
	{
		if (It->HasAnyPropertyFlags(CPF_Config))
		{
			OutLines.Add(It->GetName() + TEXT("=") + It->HostGetValueString(this));
		}
	}
	return true;
}

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/SoftObjectPath.h"
#include "ProjectPackagingSettings.generated.h"

/**
 * The project's packaging settings (Project Settings > Packaging), kept in the project's
 * DefaultGame.ini under the section of the class's former home in UnrealEd.
 */
UCLASS(config=Game, defaultconfig)
class DEVELOPERTOOLSETTINGS_API UProjectPackagingSettings : public UObject
{
	GENERATED_BODY()

public:
	UProjectPackagingSettings(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Cook everything in the project's content directory. */
	UPROPERTY(config, EditAnywhere, Category = Packaging)
	bool bCookAll = false;

	/** With bCookAll, cook only maps. */
	UPROPERTY(config, EditAnywhere, Category = Packaging)
	bool bCookMapsOnly = false;

	UPROPERTY(config, EditAnywhere, Category = Packaging)
	bool bUsePakFile = true;

	UPROPERTY(config, EditAnywhere, Category = Packaging)
	bool bUseIoStore = true;

	/** Maps cooked with the project, as long package names. */
	UPROPERTY(config, EditAnywhere, Category = Packaging)
	TArray<FFilePath> MapsToCook;

	/** Additional asset directories to cook, as long package paths. */
	UPROPERTY(config, EditAnywhere, Category = Packaging)
	TArray<FDirectoryPath> DirectoriesToAlwaysCook;

	UPROPERTY(config, EditAnywhere, Category = Packaging)
	TArray<FDirectoryPath> DirectoriesToNeverCook;

	//~ Begin UObject interface
	virtual void PostInitProperties() override;
	virtual bool HostExportDefaultConfig(FString& OutSectionName, TArray<FString>& OutLines) const override;
	//~ End UObject interface
};

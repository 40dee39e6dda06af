#pragma once

#include "CoreMinimal.h"
#include "Engine/DeveloperSettings.h"
#include "TalvynSDKSettings.generated.h"

/** What "Make Pak File" writes for the application. */
UENUM()
enum class ETalvynContainerFormat : uint8
{
	/** <Package>.pak, for an application that loads pak files. */
	Pak UMETA(DisplayName = "Pak"),
	/** <Package>.utoc and .ucas with the packages, and <Package>.pak beside them, for an application built with IoStore. */
	PakAndIoStore UMETA(DisplayName = "Pak and IoStore")
};

/**
 * How packages are exported for the Talvyn application: Project Settings > Plugins > Talvyn SDK.
 * Kept in the project's DefaultEditor.ini, so the whole team exports alike. The class compiles in every
 * target (the header tool does not allow it behind WITH_EDITOR); only the editor's export reads it.
 */
UCLASS(config = Editor, defaultconfig, meta = (DisplayName = "Talvyn SDK"))
class TALVYNSDKBASE_API UTalvynSDKSettings : public UDeveloperSettings
{
	GENERATED_BODY()

public:
	UTalvynSDKSettings(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** The platform the application runs on, as the cook names it ("Windows", "Linux", "Mac"). Empty: the editor's own. */
	UPROPERTY(config, EditAnywhere, Category = "Export")
	FString TargetPlatform;

	/** The project name under which the application mounts content ("../../../<Name>/Content/"). Empty: this project's name. */
	UPROPERTY(config, EditAnywhere, Category = "Export")
	FString ApplicationProjectName;

	/** Compress the files in the .pak. */
	UPROPERTY(config, EditAnywhere, Category = "Export")
	bool bCompressPak = true;

	/** The containers the application loads: a .pak, or IoStore containers (.utoc/.ucas) with their .pak. */
	UPROPERTY(config, EditAnywhere, Category = "Export")
	ETalvynContainerFormat ContainerFormat = ETalvynContainerFormat::Pak;

	/** The cook platform to export for: TargetPlatform, or the editor's own platform. */
	FString GetCookPlatform() const;

	/** The project name the pak's paths start with: ApplicationProjectName, or this project's name. */
	FString GetMountProjectName() const;

	//~ Begin UDeveloperSettings interface
	virtual FName GetContainerName() const override;
	virtual FName GetCategoryName() const override;
	virtual FName GetSectionName() const override;
#if WITH_EDITOR
	virtual FText GetSectionText() const override;
	virtual FText GetSectionDescription() const override;
#endif
	//~ End UDeveloperSettings interface
};

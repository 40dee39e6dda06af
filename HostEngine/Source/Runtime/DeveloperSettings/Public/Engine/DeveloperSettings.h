#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "DeveloperSettings.generated.h"

/**
 * Base of the settings pages the editor finds by itself: every non-abstract subclass gets a page in
 * Project Settings (or Editor Preferences) under GetContainerName() > GetCategoryName() > GetSectionName(),
 * editing the class default object, whose config properties the page saves to the class's config file.
 */
UCLASS(Abstract)
class DEVELOPERSETTINGS_API UDeveloperSettings : public UObject
{
	GENERATED_BODY()

public:
	UDeveloperSettings(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** "Project" or "Editor": the settings window the page appears in. */
	virtual FName GetContainerName() const;
	/** The group of pages, such as "Plugins"; by default the class's config name. */
	virtual FName GetCategoryName() const;
	/** The page's name; by default the class's name. */
	virtual FName GetSectionName() const;

#if WITH_EDITOR
	virtual FText GetSectionText() const;
	virtual FText GetSectionDescription() const;
#endif

	//~ Begin UObject interface
	virtual void PostInitProperties() override;
	virtual bool HostExportDefaultConfig(FString& OutSectionName, TArray<FString>& OutLines) const override;
	//~ End UObject interface

protected:
	/** Set by a subclass to place its page; NAME_None keeps the default. */
	FName CategoryName;
	FName SectionName;
};

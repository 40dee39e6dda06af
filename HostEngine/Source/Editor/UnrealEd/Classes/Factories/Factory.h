#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/ObjectMacros.h"
#include "Templates/SubclassOf.h"
// Host: factories are derived in other libraries, which need this class's type information. The
// engine's Linux toolchain gives every class's type information default visibility; the host's hidden
// visibility does not, so this class is declared visible as a whole. Its members are exported one by
// one all the same, as the engine's minimal API asks. The generated header is inside, as it is
// the first to name the class.
#pragma GCC visibility push(default)
#include "Factory.generated.h"

class FFeedbackContext;

/**
 * Makes assets of one class: new ones from scratch (the Content Browser's new-asset menu) or imported
 * ones from files. Subclasses set what they support in their constructor.
 */
UCLASS(Abstract, MinimalAPI)
class UFactory : public UObject
{
	GENERATED_BODY()

public:
	UNREALED_API UFactory(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** The class of the assets this factory makes. */
	TSubclassOf<UObject> SupportedClass;

	/** The class of the context object the factory expects, if any. */
	TSubclassOf<UObject> ContextClass;

	/** File formats this factory imports, each "extension;Description". */
	TArray<FString> Formats;

protected:
	/** Creates assets from scratch, so it is offered in the new-asset menu; others read it through CanCreateNew(). */
	uint32 bCreateNew : 1;

public:
	/** The asset should be opened in its editor once created. */
	uint32 bEditAfterNew : 1;

	/** Imports assets from files. */
	uint32 bEditorImport : 1;

	/** Imports from text rather than binary data. */
	uint32 bText : 1;

	/** Among factories that can import the same file, the one with the highest priority is used. */
	int32 ImportPriority;

	/** Creates a new object of the class inside the parent. The base makes nothing. */
	UNREALED_API virtual UObject* FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context, FFeedbackContext* Warn);

	/** As the six-argument form, for a caller that says where the request came from; forwards to it. */
	UNREALED_API virtual UObject* FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context, FFeedbackContext* Warn, FName CallingContext);

	UNREALED_API virtual UObject* FactoryCreateFile(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, const FString& Filename, const TCHAR* Parms, FFeedbackContext* Warn, bool& bOutOperationCanceled);

	/** Whether the file is one this factory imports: its extension is among the Formats. */
	UNREALED_API virtual bool FactoryCanImport(const FString& Filename);

	UNREALED_API virtual bool CanCreateNew() const;

	UNREALED_API virtual bool ShouldShowInNewMenu() const;

	/** The label of the new-asset menu entry: the name the supported class's asset type actions give. */
	UNREALED_API virtual FText GetDisplayName() const;

	/** The new-asset menu categories: those of the supported class's asset type actions. */
	UNREALED_API virtual uint32 GetMenuCategories() const;

	UNREALED_API virtual FText GetToolTip() const;

	UNREALED_API virtual FString GetDefaultNewAssetName() const;

	/** Asks the user for settings before creation; false cancels it. */
	UNREALED_API virtual bool ConfigureProperties();

	UNREALED_API UClass* GetSupportedClass() const;

	UNREALED_API virtual bool DoesSupportClass(UClass* Class);

	/** The class of what this factory makes, where it cannot be known before. */
	UNREALED_API virtual UClass* ResolveSupportedClass();
};

#pragma GCC visibility pop

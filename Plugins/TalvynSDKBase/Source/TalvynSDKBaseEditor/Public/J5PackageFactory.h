#pragma once

#include "CoreMinimal.h"
#include "Factories/Factory.h"
#include "J5PackageFactory.generated.h"

UCLASS()
class UJ5PackageFactory : public UFactory
{
	GENERATED_BODY()

public:
	UJ5PackageFactory();

	//~ Begin UFactory interface
	virtual UObject* FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context, FFeedbackContext* Warn) override;
	//~ End UFactory interface
};

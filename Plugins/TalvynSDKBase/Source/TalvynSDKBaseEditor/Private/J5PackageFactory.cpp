#include "J5PackageFactory.h"

#include "J5Package.h"

UJ5PackageFactory::UJ5PackageFactory()
	: Super(FObjectInitializer::Get())
{
	SupportedClass = UJ5Package::StaticClass();
	bCreateNew = true;
}

UObject* UJ5PackageFactory::FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context, FFeedbackContext* Warn)
{
	// The factory makes package assets only, whatever class the caller asks for; the flags are the caller's, unchanged.
	return NewObject<UJ5Package>(InParent, UJ5Package::StaticClass(), InName, Flags, Context);
}

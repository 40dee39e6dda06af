#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "Misc/Optional.h"
#include "PropertyEditorDelegates.h"
#include "DetailsViewArgs.h"

class IDetailsView;

/** Options of a class layout registration. */
struct FRegisterCustomClassLayoutParams
{
	/** Where this customization runs among several for one class; lower runs first. */
	TOptional<int32> OptionalOrder;
};

/** The details panel module: class layout registrations and details views. */
class PROPERTYEDITOR_API FPropertyEditorModule : public IModuleInterface
{
public:
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;

	/** Registers a customization for the class of that name (UClass::GetFName, without prefix). */
	virtual void RegisterCustomClassLayout(FName ClassName, FOnGetDetailCustomizationInstance DetailLayoutDelegate, FRegisterCustomClassLayoutParams Params = FRegisterCustomClassLayoutParams());

	virtual void UnregisterCustomClassLayout(FName ClassName);

	/** Rebuilds every open details view, so changed registrations take effect. */
	virtual void NotifyCustomizationModuleChanged();

	virtual TSharedRef<IDetailsView> CreateDetailView(const FDetailsViewArgs& DetailsViewArgs);
};

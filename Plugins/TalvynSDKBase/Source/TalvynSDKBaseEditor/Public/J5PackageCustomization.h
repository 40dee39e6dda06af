#pragma once

#include "CoreMinimal.h"
#include "Delegates/IDelegateInstance.h"
#include "IDetailCustomization.h"
#include "Input/Reply.h"
#include "Templates/Function.h"
#include "UObject/WeakObjectPtrTemplates.h"

class IDetailLayoutBuilder;
class UJ5Package;

/**
 * Details customization of the package asset: turns its details panel into the package's control panel,
 * with buttons for its commands, an asset picker, live counts and the list of references outside its directory.
 * Every widget callback reaches the instance through a weak binding and does nothing once it is gone.
 */
class TALVYNSDKBASEEDITOR_API FJ5PackageCustomization : public IDetailCustomization
{
public:
	FJ5PackageCustomization();

	/** Copies carry the builder and package pointers only: never the weak self-reference, never the change subscription. */
	FJ5PackageCustomization(const FJ5PackageCustomization& Other);
	FJ5PackageCustomization(FJ5PackageCustomization&& Other);
	FJ5PackageCustomization& operator=(const FJ5PackageCustomization& Other);
	FJ5PackageCustomization& operator=(FJ5PackageCustomization&& Other);

	/** Removes the change subscription of the latest CustomizeDetails, if its package still lives. */
	virtual ~FJ5PackageCustomization() override;

	/** A fresh customization for PropertyEditor, owned by a shared reference so that weak bindings to it can be made. */
	static TSharedRef<IDetailCustomization> MakeInstance();

	//~ Begin IDetailCustomization interface
	virtual void CustomizeDetails(IDetailLayoutBuilder& DetailBuilder) override;
	/** Lays out the panel as the reference form does, and remembers weakly whether the builder is still alive. */
	virtual void CustomizeDetails(const TSharedPtr<IDetailLayoutBuilder>& DetailBuilder) override;
	//~ End IDetailCustomization interface

	/**
	 * Asks the details view to rebuild the whole panel, which runs CustomizeDetails again on a new instance.
	 * Does nothing once the panel's builder has been released, as happens when a change broadcast of the
	 * package rebuilt the panel while a command was running.
	 */
	void RefreshDetails();

protected:
	bool IsButtonEnabled() const;

	FReply OnFindAssetsClicked();
	FReply OnRemoveAssetsClicked();
	FReply OnApplyCookClicked();
	FReply OnMakePakClicked();
	FReply OnCookFilesClicked();
	FReply OnGetDependenciesClicked();
	FReply OnCopyDependenciesClicked();

	FText OnGetFindAssetsButtonText() const;
	FText OnGetFindAssetsButtonTooltipText() const;
	FText OnGetRemoveAssetsButtonText() const;
	FText OnGetRemoveAssetsButtonTooltipText() const;
	FText OnGetApplyCookButtonText() const;
	FText OnGetApplyCookButtonTooltipText() const;
	FText OnGetMakePakButtonText() const;
	FText OnGetMakePakButtonTooltipText() const;
	FText OnGetCookFilesButtonText() const;
	FText OnGetCookFilesButtonTooltipText() const;
	FText OnGetGetDependenciesButtonText() const;
	FText OnGetGetDependenciesButtonTooltipText() const;
	FText OnGetCopyDependenciesButtonText() const;
	FText OnGetCopyDependenciesButtonTooltipText() const;

	/** The layout builder of the latest CustomizeDetails; owned by the details view. */
	IDetailLayoutBuilder* DetailBuilder;

	/** The first customized object, if it is a package asset; owned by the object system. */
	UJ5Package* Package;

private:
	/** Package, unless it has been destroyed since it was recorded (an asset deleted while its panel is open). */
	UJ5Package* GetLivePackage() const;

	/**
	 * Runs a package operation for a command. A change broadcast by the operation rebuilds this panel once the
	 * operation has returned rather than in the middle of it; bRefreshAfterwards rebuilds it in any case.
	 */
	FReply RunCommand(TFunctionRef<void(UJ5Package&)> Operation, bool bRefreshAfterwards);

	/** Withdraws the change subscription, if its package still lives. */
	void Unsubscribe();

	/** Weak view of DetailBuilder where the details view shares it, to tell whether it still lives. */
	TWeakPtr<IDetailLayoutBuilder> WeakDetailBuilder;
	bool bHasWeakDetailBuilder;

	/** A command's package operation is running; a change broadcast meanwhile only asks for a rebuild afterwards. */
	bool bRunningCommand;
	bool bRefreshRequested;

	/** Weak view of Package, to tell whether it still lives. */
	TWeakObjectPtr<UJ5Package> WeakPackage;

	/** The package that holds this instance's change subscription, and the subscription's handle. */
	TWeakObjectPtr<UJ5Package> SubscribedPackage;
	FDelegateHandle PackageChangedHandle;
};

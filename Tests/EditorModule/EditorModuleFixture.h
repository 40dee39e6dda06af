#pragma once

#include "CoreMinimal.h"
#include "IAssetTypeActions.h"
#include "TalvynSDKBaseEditor.h"

#include <gtest/gtest.h>

class UJ5Package;

namespace EditorModuleTest
{
	extern const FName ModuleName;

	/** The asset type actions AssetTools holds now for package assets; null when it holds none. */
	TSharedPtr<IAssetTypeActions> FindRegisteredPackageActions();

	/** How many registered asset type actions are the given object. */
	int32 CountRegistrations(const IAssetTypeActions* Actions);

	/** Whether PropertyEditor has a class layout registered under the package's class name. */
	bool IsPackageLayoutRegistered();

	/** A package asset saved under /Game/Packs/<Name>, as the Content Browser would show it. */
	UJ5Package* MakePackageAsset(const TCHAR* Name);
}

/**
 * An editor with nothing of ours loaded: no engine module started, no objects, no editors open, nothing
 * recorded. Every case leaves it that way again, so the order of cases does not matter.
 */
class FEditorModuleTest : public ::testing::Test
{
protected:
	virtual void SetUp() override;
	virtual void TearDown() override;

	/** Loads the module through the module manager, as the editor does when the plugin is enabled. */
	FTalvynSDKBaseEditorModule& StartModule();
};

/** The module started by the module manager, with its registrations in place and nothing recorded yet. */
class FStartedEditorModuleTest : public FEditorModuleTest
{
protected:
	virtual void SetUp() override;
	virtual void TearDown() override;

	FTalvynSDKBaseEditorModule* Module = nullptr;
	TSharedPtr<IAssetTypeActions> Actions;
};

/** The started module and two package assets in the Content Browser. */
class FPackagesInContentBrowserTest : public FStartedEditorModuleTest
{
protected:
	virtual void SetUp() override;

	UJ5Package* First = nullptr;
	UJ5Package* Second = nullptr;
};

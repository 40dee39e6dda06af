#include "HostTest/AssetToolsProbe.h"

#include "AssetTools.h"
#include "AssetToolsModule.h"
#include "Factories/Factory.h"
#include "IAssetTypeActions.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

namespace AssetToolsPrivate
{
	namespace
	{
		TArray<FName>& CallLog()
		{
			static TArray<FName> Calls;
			return Calls;
		}
	}

	void RecordCall(const TCHAR* FunctionName)
	{
		CallLog().Add(FName(FunctionName));
	}

	/** Successful duplications left before the next one fails; negative: none fails. */
	static int32 DuplicatesBeforeFailure = -1;

	bool ConsumeDuplicateFailure()
	{
		if (DuplicatesBeforeFailure < 0)
		{
			return false;
		}
		if (DuplicatesBeforeFailure == 0)
		{
			DuplicatesBeforeFailure = -1;
			return true;
		}
		--DuplicatesBeforeFailure;
		return false;
	}
}

namespace HostTest
{
	void FailDuplicateAssetAfter(int32 NumSucceeding)
	{
		AssetToolsPrivate::DuplicatesBeforeFailure = NumSucceeding;
	}

	TArray<TSharedRef<IAssetTypeActions>> GetRegisteredAssetTypeActions()
	{
		const FAssetTools* AssetTools = AssetToolsPrivate::GetLoadedAssetTools();
		return AssetTools ? AssetTools->GetRegisteredActions() : TArray<TSharedRef<IAssetTypeActions>>();
	}

	TArray<FRegisteredAssetCategory> GetRegisteredAssetCategories()
	{
		TArray<FRegisteredAssetCategory> Result;
		if (const FAssetTools* AssetTools = AssetToolsPrivate::GetLoadedAssetTools())
		{
			for (const FAssetCategoryRecord& Record : AssetTools->GetCategories())
			{
				FRegisteredAssetCategory Category;
				Category.Key = Record.Key;
				Category.DisplayName = Record.DisplayName;
				Category.Bit = Record.Bit;
				Category.bBuiltIn = Record.bBuiltIn;
				Result.Add(Category);
			}
		}
		return Result;
	}

	TArray<FText> GetAssetCategoryNames(uint32 Categories)
	{
		TArray<FText> Names;
		const FAssetTools* AssetTools = AssetToolsPrivate::GetLoadedAssetTools();
		if (AssetTools == nullptr)
		{
			return Names;
		}
		for (uint32 Bit = 1; Bit != 0; Bit <<= 1)
		{
			if ((Categories & Bit) == 0)
			{
				continue;
			}
			for (const FAssetCategoryRecord& Record : AssetTools->GetCategories())
			{
				if (uint32(Record.Bit) == Bit)
				{
					Names.Add(Record.DisplayName);
					break;
				}
			}
		}
		return Names;
	}

	TArray<FName> GetAssetToolsCalls()
	{
		return AssetToolsPrivate::CallLog();
	}

	int32 GetAssetToolsCallCount()
	{
		return AssetToolsPrivate::CallLog().Num();
	}

	void ResetAssetToolsCalls()
	{
		AssetToolsPrivate::CallLog().Reset();
	}

	TArray<FNewAssetMenuEntry> GetNewAssetMenu()
	{
		TArray<FNewAssetMenuEntry> Menu;
		for (UFactory* Factory : IAssetTools::Get().GetNewAssetFactories())
		{
			FNewAssetMenuEntry Entry;
			Entry.FactoryClass = Factory->GetClass();
			Entry.Factory = Factory;
			Entry.SupportedClass = Factory->GetSupportedClass();
			Entry.DisplayName = Factory->GetDisplayName();
			Entry.Categories = Factory->GetMenuCategories();
			Entry.CategoryNames = GetAssetCategoryNames(Entry.Categories);
			Menu.Add(Entry);
		}
		return Menu;
	}

	const FNewAssetMenuEntry* FindNewAssetMenuEntry(const TArray<FNewAssetMenuEntry>& Menu, const FString& CategoryName, const FString& DisplayName)
	{
		for (const FNewAssetMenuEntry& Entry : Menu)
		{
			if (!Entry.DisplayName.ToString().Equals(DisplayName, ESearchCase::CaseSensitive))
			{
				continue;
			}
			for (const FText& Name : Entry.CategoryNames)
			{
				if (Name.ToString().Equals(CategoryName, ESearchCase::CaseSensitive))
				{
					return &Entry;
				}
			}
		}
		return nullptr;
	}

	UObject* CreateAssetFromMenu(const FNewAssetMenuEntry& Entry, const FString& Folder, const FString& AssetName)
	{
		if (Entry.FactoryClass == nullptr)
		{
			return nullptr;
		}
		// The browser works on a fresh factory, so settings chosen for this asset never touch the class defaults.
		UFactory* Factory = NewObject<UFactory>(GetTransientPackage(), Entry.FactoryClass);
		if (!Factory->ConfigureProperties())
		{
			return nullptr;
		}
		return IAssetTools::Get().CreateAsset(AssetName, Folder, Factory->GetSupportedClass(), Factory, FName(TEXT("ContentBrowserNewAsset")));
	}

	bool OpenAssetsFromContentBrowser(const TArray<UObject*>& Assets, EAssetTypeActivationOpenedMethod OpenedMethod, const TSharedPtr<IToolkitHost>& LevelEditorHost)
	{
		if (Assets.Num() == 0 || Assets[0] == nullptr)
		{
			return false;
		}
		// Held for the whole activation: opening may run code that unregisters the actions.
		const TSharedPtr<IAssetTypeActions> Actions = IAssetTools::Get().GetAssetTypeActionsForClass(Assets[0]->GetClass()).Pin();
		if (!Actions.IsValid())
		{
			return false;
		}
		const EAssetTypeActivationMethod::Type Activation = OpenedMethod == EAssetTypeActivationOpenedMethod::Edit ? EAssetTypeActivationMethod::DoubleClicked : EAssetTypeActivationMethod::Previewed;
		if (Actions->AssetsActivatedOverride(Assets, Activation))
		{
			return true;
		}
		if (!Actions->SupportsOpenedMethod(OpenedMethod))
		{
			return false;
		}
		Actions->OpenAssetEditor(Assets, OpenedMethod, LevelEditorHost);
		return true;
	}
}

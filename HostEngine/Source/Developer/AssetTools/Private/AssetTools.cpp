#include "AssetTools.h"

#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Misc/PackageName.h"
#include "Serialization/ArchiveUObject.h"
#include "Factories/Factory.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/UObjectHash.h"

DEFINE_LOG_CATEGORY_STATIC(LogAssetTools, Log, All);

#define LOCTEXT_NAMESPACE "AssetTypeCategories"

namespace
{
	// Advanced categories take the bits above the engine's own, Textures being the highest of those.
	constexpr uint32 FirstAdvancedCategoryBit = uint32(EAssetTypeCategories::Textures) << 1;
}

FAssetTools::FAssetTools()
	: NextCategoryBit(FirstAdvancedCategoryBit)
{
	// The engine's own categories are known by key from the start, so registering one of their keys
	// hands back the engine's bit and the new-asset menu can name them.
	auto AddBuiltIn = [this](const TCHAR* Key, EAssetTypeCategories::Type Bit, const FText& DisplayName)
	{
		FAssetCategoryRecord Record;
		Record.Key = FName(Key);
		Record.DisplayName = DisplayName;
		Record.Bit = Bit;
		Record.bBuiltIn = true;
		Categories.Add(Record);
	};
	AddBuiltIn(TEXT("Basic"), EAssetTypeCategories::Basic, LOCTEXT("BasicAssetCategory", "Basic"));
	AddBuiltIn(TEXT("Animation"), EAssetTypeCategories::Animation, LOCTEXT("AnimationAssetCategory", "Animation"));
	AddBuiltIn(TEXT("Materials"), EAssetTypeCategories::Materials, LOCTEXT("MaterialAssetCategory", "Material"));
	AddBuiltIn(TEXT("Sounds"), EAssetTypeCategories::Sounds, LOCTEXT("SoundAssetCategory", "Audio"));
	AddBuiltIn(TEXT("Physics"), EAssetTypeCategories::Physics, LOCTEXT("PhysicsAssetCategory", "Physics"));
	AddBuiltIn(TEXT("UI"), EAssetTypeCategories::UI, LOCTEXT("UserInterfaceAssetCategory", "User Interface"));
	AddBuiltIn(TEXT("Misc"), EAssetTypeCategories::Misc, LOCTEXT("MiscellaneousAssetCategory", "Miscellaneous"));
	AddBuiltIn(TEXT("Gameplay"), EAssetTypeCategories::Gameplay, LOCTEXT("GameplayAssetCategory", "Gameplay"));
	AddBuiltIn(TEXT("Blueprint"), EAssetTypeCategories::Blueprint, LOCTEXT("BlueprintAssetCategory", "Blueprint"));
	AddBuiltIn(TEXT("Media"), EAssetTypeCategories::Media, LOCTEXT("MediaAssetCategory", "Media"));
	AddBuiltIn(TEXT("Textures"), EAssetTypeCategories::Textures, LOCTEXT("TextureAssetCategory", "Texture"));
}

void FAssetTools::RegisterAssetTypeActions(const TSharedRef<IAssetTypeActions>& NewActions)
{
	AssetToolsPrivate::RecordCall(TEXT("RegisterAssetTypeActions"));
	AssetTypeActionsList.Add(NewActions);
}

void FAssetTools::UnregisterAssetTypeActions(const TSharedRef<IAssetTypeActions>& ActionsToRemove)
{
	AssetToolsPrivate::RecordCall(TEXT("UnregisterAssetTypeActions"));
	for (int32 Index = 0; Index < AssetTypeActionsList.Num(); ++Index)
	{
		if (&AssetTypeActionsList[Index].Get() == &ActionsToRemove.Get())
		{
			AssetTypeActionsList.RemoveAt(Index);
			return;
		}
	}
}

void FAssetTools::GetAssetTypeActionsList(TArray<TWeakPtr<IAssetTypeActions>>& OutAssetTypeActionsList) const
{
	AssetToolsPrivate::RecordCall(TEXT("GetAssetTypeActionsList"));
	for (const TSharedRef<IAssetTypeActions>& Actions : AssetTypeActionsList)
	{
		OutAssetTypeActionsList.Add(Actions);
	}
}

TWeakPtr<IAssetTypeActions> FAssetTools::GetAssetTypeActionsForClass(const UClass* Class) const
{
	AssetToolsPrivate::RecordCall(TEXT("GetAssetTypeActionsForClass"));
	if (Class == nullptr)
	{
		return nullptr;
	}

	// A class without actions of its own is described by the actions of its nearest described ancestor.
	TSharedPtr<IAssetTypeActions> Best;
	for (const TSharedRef<IAssetTypeActions>& Actions : AssetTypeActionsList)
	{
		const UClass* Supported = Actions->GetSupportedClass();
		if (Supported == nullptr || !Actions->IsSupported() || !Class->IsChildOf(Supported))
		{
			continue;
		}
		if (!Best.IsValid() || Supported->IsChildOf(Best->GetSupportedClass()))
		{
			Best = Actions;
		}
	}
	return Best;
}

const FAssetCategoryRecord* FAssetTools::FindCategory(FName CategoryKey) const
{
	for (const FAssetCategoryRecord& Record : Categories)
	{
		if (Record.Key == CategoryKey)
		{
			return &Record;
		}
	}
	return nullptr;
}

EAssetTypeCategories::Type FAssetTools::RegisterAdvancedAssetCategory(FName CategoryKey, FText CategoryDisplayName)
{
	AssetToolsPrivate::RecordCall(TEXT("RegisterAdvancedAssetCategory"));
	if (const FAssetCategoryRecord* Existing = FindCategory(CategoryKey))
	{
		return Existing->Bit;
	}
	if (NextCategoryBit == 0)
	{
		UE_LOG(LogAssetTools, Warning, TEXT("No asset category bit is left for '%s'; its assets are listed under Miscellaneous"), *CategoryKey.ToString());
		return EAssetTypeCategories::Misc;
	}

	FAssetCategoryRecord Record;
	Record.Key = CategoryKey;
	Record.DisplayName = MoveTemp(CategoryDisplayName);
	Record.Bit = EAssetTypeCategories::Type(NextCategoryBit);
	Categories.Add(Record);
	// Shifting the top bit out leaves zero, which marks the bits as used up.
	NextCategoryBit <<= 1;
	return Record.Bit;
}

EAssetTypeCategories::Type FAssetTools::FindAdvancedAssetCategory(FName CategoryKey) const
{
	AssetToolsPrivate::RecordCall(TEXT("FindAdvancedAssetCategory"));
	const FAssetCategoryRecord* Existing = FindCategory(CategoryKey);
	return Existing ? Existing->Bit : EAssetTypeCategories::Misc;
}

void FAssetTools::GetAllAdvancedAssetCategories(TArray<FAdvancedAssetCategory>& OutCategoryList) const
{
	AssetToolsPrivate::RecordCall(TEXT("GetAllAdvancedAssetCategories"));
	for (const FAssetCategoryRecord& Record : Categories)
	{
		OutCategoryList.Add(FAdvancedAssetCategory(Record.Bit, Record.DisplayName));
	}
}

UObject* FAssetTools::CreateAsset(const FString& AssetName, const FString& PackagePath, UClass* AssetClass, UFactory* Factory, FName CallingContext)
{
	AssetToolsPrivate::RecordCall(TEXT("CreateAsset"));
	if (Factory == nullptr)
	{
		UE_LOG(LogAssetTools, Warning, TEXT("CreateAsset: no factory was given for '%s'"), *AssetName);
		return nullptr;
	}
	UClass* ClassToCreate = AssetClass ? AssetClass : Factory->GetSupportedClass();

	const FString PackageName = PackagePath + TEXT("/") + AssetName;
	UPackage* Package = CreatePackage(*PackageName);
	if (FindObject<UObject>(Package, *AssetName) != nullptr)
	{
		UE_LOG(LogAssetTools, Warning, TEXT("CreateAsset: an asset already exists at %s"), *PackageName);
		return nullptr;
	}

	// New assets are public, kept alive without references and undoable, as the editor makes them. The
	// host has no feedback context for factories to report progress to.
	const EObjectFlags Flags = RF_Public | RF_Standalone | RF_Transactional;
	UObject* NewAsset = Factory->FactoryCreateNew(ClassToCreate, Package, FName(*AssetName), Flags, nullptr, nullptr, CallingContext);
	if (NewAsset != nullptr)
	{
		FAssetRegistryModule::AssetCreated(NewAsset);
		NewAsset->MarkPackageDirty();
	}
	return NewAsset;
}

UObject* FAssetTools::DuplicateAsset(const FString& AssetName, const FString& PackagePath, UObject* OriginalObject)
{
	AssetToolsPrivate::RecordCall(TEXT("DuplicateAsset"));
	if (OriginalObject == nullptr)
	{
		return nullptr;
	}
	const FString PackageName = PackagePath + TEXT("/") + AssetName;
	if (!FPackageName::IsValidLongPackageName(PackageName))
	{
		UE_LOG(LogAssetTools, Warning, TEXT("DuplicateAsset: %s is not a valid package name"), *PackageName);
		return nullptr;
	}
	TArray<FAssetData> Existing;
	IAssetRegistry::GetChecked().GetAssetsByPackageName(FName(*PackageName), Existing);
	if (FindPackage(nullptr, *PackageName) != nullptr || Existing.Num() > 0 || FPackageName::DoesPackageExist(PackageName))
	{
		UE_LOG(LogAssetTools, Warning, TEXT("DuplicateAsset: an asset already exists at %s"), *PackageName);
		return nullptr;
	}
	if (AssetToolsPrivate::ConsumeDuplicateFailure())
	{
		UE_LOG(LogAssetTools, Error, TEXT("DuplicateAsset: failed to create the package %s"), *PackageName);
		return nullptr;
	}

	UPackage* Package = CreatePackage(*PackageName);
	UObject* Duplicate = StaticDuplicateObject(OriginalObject, Package, FName(*AssetName));
	if (OriginalObject->GetPackage()->ContainsMap())
	{
		Package->SetPackageFlags(PKG_ContainsMap);
	}
	FAssetRegistryModule::AssetCreated(Duplicate);
	Duplicate->MarkPackageDirty();
	return Duplicate;
}

namespace AssetToolsPrivate
{
	/** Points soft object paths that name a key of the map at its value. */
	class FSoftObjectPathFixupArchive : public FArchiveUObject
	{
	public:
		explicit FSoftObjectPathFixupArchive(const TMap<FSoftObjectPath, FSoftObjectPath>& InRedirects)
			: Redirects(InRedirects)
		{
			ArIsModifyingWeakAndStrongReferences = true;
		}

		using FArchiveUObject::operator<<;
		virtual FArchive& operator<<(FSoftObjectPath& Value) override
		{
			if (const FSoftObjectPath* Redirect = Redirects.Find(Value))
			{
				Value = *Redirect;
				++Count;
			}
			return *this;
		}

		int32 Count = 0;

	private:
		const TMap<FSoftObjectPath, FSoftObjectPath>& Redirects;
	};
}

void FAssetTools::RenameReferencingSoftObjectPaths(const TArray<UPackage*> PackagesToCheck, const TMap<FSoftObjectPath, FSoftObjectPath>& AssetRedirectorMap)
{
	AssetToolsPrivate::RecordCall(TEXT("RenameReferencingSoftObjectPaths"));
	for (UPackage* Package : PackagesToCheck)
	{
		if (Package == nullptr)
		{
			continue;
		}
		AssetToolsPrivate::FSoftObjectPathFixupArchive Fixup(AssetRedirectorMap);
		TArray<UObject*> Objects;
		GetObjectsWithOuter(Package, Objects, /*bIncludeNestedObjects=*/true);
		for (UObject* Object : Objects)
		{
			Object->Serialize(Fixup);
		}
		if (Fixup.Count > 0)
		{
			Package->MarkPackageDirty();
		}
	}
}

TArray<UFactory*> FAssetTools::GetNewAssetFactories() const
{
	AssetToolsPrivate::RecordCall(TEXT("GetNewAssetFactories"));
	TArray<UClass*> FactoryClasses;
	GetDerivedClasses(UFactory::StaticClass(), FactoryClasses, true);

	TArray<UFactory*> Factories;
	for (UClass* Class : FactoryClasses)
	{
		if (Class->HasAnyClassFlags(CLASS_Abstract))
		{
			continue;
		}
		UFactory* Factory = Class->GetDefaultObject<UFactory>();
		if (Factory != nullptr && Factory->ShouldShowInNewMenu() && Factory->GetSupportedClass() != nullptr)
		{
			Factories.Add(Factory);
		}
	}
	return Factories;
}

#undef LOCTEXT_NAMESPACE

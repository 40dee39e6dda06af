#include "Factories/Factory.h"

#include "AssetToolsModule.h"
#include "AssetTypeCategories.h"
#include "IAssetTypeActions.h"
#include "Modules/ModuleManager.h"
#include "UObject/Class.h"

namespace
{
	/** Where no factory states a priority, importers are tried in this default order. */
	constexpr int32 DefaultImportPriority = 100;

	bool IsUpperLetter(TCHAR Char)
	{
		return Char >= TEXT('A') && Char <= TEXT('Z');
	}

	bool IsLowerLetterOrDigit(TCHAR Char)
	{
		return (Char >= TEXT('a') && Char <= TEXT('z')) || (Char >= TEXT('0') && Char <= TEXT('9'));
	}

	/**
	 * A class name as users read it: words split where a capital starts one ("StaticMesh" gives
	 * "Static Mesh"), and an acronym kept whole ("UIWidget" gives "UI Widget").
	 */
	FString ClassNameToDisplayString(const FString& Name)
	{
		FString Result;
		for (int32 Index = 0; Index < Name.Len(); ++Index)
		{
			const TCHAR Char = Name[Index];
			if (Index > 0 && IsUpperLetter(Char))
			{
				const TCHAR Previous = Name[Index - 1];
				const bool bNextIsLower = Index + 1 < Name.Len() && Name[Index + 1] >= TEXT('a') && Name[Index + 1] <= TEXT('z');
				if (IsLowerLetterOrDigit(Previous) || (IsUpperLetter(Previous) && bNextIsLower))
				{
					Result.AppendChar(TEXT(' '));
				}
			}
			Result.AppendChar(Char);
		}
		return Result;
	}

	/** The asset type actions registered for the class, when AssetTools is loaded and has any. */
	TSharedPtr<IAssetTypeActions> FindAssetTypeActions(const UClass* Class)
	{
		if (Class == nullptr)
		{
			return nullptr;
		}
		FAssetToolsModule* AssetToolsModule = FModuleManager::GetModulePtr<FAssetToolsModule>(TEXT("AssetTools"));
		if (AssetToolsModule == nullptr)
		{
			return nullptr;
		}
		return AssetToolsModule->Get().GetAssetTypeActionsForClass(Class).Pin();
	}
}

UFactory::UFactory(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, bCreateNew(false)
	, bEditAfterNew(false)
	, bEditorImport(false)
	, bText(false)
	, ImportPriority(DefaultImportPriority)
{
}

UObject* UFactory::FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context, FFeedbackContext* Warn)
{
	return nullptr;
}

UObject* UFactory::FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context, FFeedbackContext* Warn, FName CallingContext)
{
	return FactoryCreateNew(InClass, InParent, InName, Flags, Context, Warn);
}

UObject* UFactory::FactoryCreateFile(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, const FString& Filename, const TCHAR* Parms, FFeedbackContext* Warn, bool& bOutOperationCanceled)
{
	HOST_UNIMPLEMENTED();
	return nullptr;
}

bool UFactory::FactoryCanImport(const FString& Filename)
{
	FString Path;
	FString Extension;
	if (!Filename.Split(TEXT("."), &Path, &Extension, ESearchCase::IgnoreCase, ESearchDir::FromEnd))
	{
		return false;
	}
	for (const FString& Format : Formats)
	{
		FString FormatExtension = Format;
		FString Description;
		Format.Split(TEXT(";"), &FormatExtension, &Description);
		if (FormatExtension.Equals(Extension, ESearchCase::IgnoreCase))
		{
			return true;
		}
	}
	return false;
}

bool UFactory::CanCreateNew() const
{
	return bCreateNew;
}

bool UFactory::ShouldShowInNewMenu() const
{
	return CanCreateNew();
}

FText UFactory::GetDisplayName() const
{
	UClass* LocalSupportedClass = GetSupportedClass();
	if (LocalSupportedClass == nullptr)
	{
		return FText();
	}
	if (const TSharedPtr<IAssetTypeActions> Actions = FindAssetTypeActions(LocalSupportedClass))
	{
		return Actions->GetName();
	}
	return FText::FromString(ClassNameToDisplayString(LocalSupportedClass->GetName()));
}

uint32 UFactory::GetMenuCategories() const
{
	if (const TSharedPtr<IAssetTypeActions> Actions = FindAssetTypeActions(GetSupportedClass()))
	{
		return Actions->GetCategories();
	}
	return EAssetTypeCategories::Misc;
}

FText UFactory::GetToolTip() const
{
	UClass* LocalSupportedClass = GetSupportedClass();
	if (LocalSupportedClass == nullptr)
	{
		return FText();
	}
	// Without a tooltip of its own the class is described by its name.
	if (LocalSupportedClass->HasMetaData(TEXT("ToolTip")))
	{
		return FText::FromString(LocalSupportedClass->GetMetaData(TEXT("ToolTip")));
	}
	return FText::FromString(ClassNameToDisplayString(LocalSupportedClass->GetName()));
}

FString UFactory::GetDefaultNewAssetName() const
{
	UClass* LocalSupportedClass = GetSupportedClass();
	return FString(TEXT("New")) + (LocalSupportedClass ? LocalSupportedClass->GetName() : FString(TEXT("Asset")));
}

bool UFactory::ConfigureProperties()
{
	return true;
}

UClass* UFactory::GetSupportedClass() const
{
	return SupportedClass;
}

bool UFactory::DoesSupportClass(UClass* Class)
{
	return Class == GetSupportedClass();
}

UClass* UFactory::ResolveSupportedClass()
{
	return GetSupportedClass();
}

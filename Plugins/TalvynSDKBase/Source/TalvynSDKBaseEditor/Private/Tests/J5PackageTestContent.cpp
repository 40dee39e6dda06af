#include "J5PackageTestContent.h"

#if WITH_DEV_AUTOMATION_TESTS

#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "DetailsViewArgs.h"
#include "Engine/StaticMesh.h"
#include "FileHelpers.h"
#include "Framework/Application/SlateApplication.h"
#include "HAL/FileManager.h"
#include "IDetailsView.h"
#include "J5Package.h"
#include "J5PackageFactory.h"
#include "Layout/Children.h"
#include "Materials/Material.h"
#include "Materials/MaterialInstanceConstant.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "Templates/Casts.h"
#include "UObject/Package.h"
#include "UObject/UObjectHash.h"
#include "UObject/UObjectGlobals.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/SWindow.h"
#include "Widgets/Text/STextBlock.h"

FJ5PackageTestContent::FJ5PackageTestContent(const FString& InFolderName)
	: Root(TEXT("/Game/") + InFolderName)
{
}

FJ5PackageTestContent::~FJ5PackageTestContent()
{
	Remove();
}

FString FJ5PackageTestContent::PackageNameOf(const FString& RelativePath) const
{
	return Root / RelativePath;
}

UPackage* FJ5PackageTestContent::MakeAssetPackage(const FString& RelativePath, FString& OutAssetName) const
{
	const FString PackageName = PackageNameOf(RelativePath);
	OutAssetName = FPackageName::GetShortName(PackageName);
	UPackage* const Package = CreatePackage(*PackageName);
	Package->MarkPackageDirty();
	return Package;
}

UPackage* FJ5PackageTestContent::MakePackage(const FString& RelativePath)
{
	FString AssetName;
	UPackage* const Package = MakeAssetPackage(RelativePath, AssetName);
	Packages.AddUnique(Package);
	return Package;
}

void FJ5PackageTestContent::Register(UObject* Asset)
{
	IAssetRegistry::GetChecked().AssetCreated(Asset);
	Asset->MarkPackageDirty();
	Assets.Add(Asset);
	Packages.AddUnique(Asset->GetPackage());
}

UJ5Package* FJ5PackageTestContent::MakePackageAsset(const FString& RelativePath)
{
	FString AssetName;
	UPackage* const Package = MakeAssetPackage(RelativePath, AssetName);
	UJ5PackageFactory* const Factory = NewObject<UJ5PackageFactory>();
	UJ5Package* const PackageAsset = Cast<UJ5Package>(Factory->FactoryCreateNew(UJ5Package::StaticClass(), Package, FName(*AssetName), RF_Public | RF_Standalone | RF_Transactional, nullptr, nullptr));
	if (PackageAsset != nullptr)
	{
		Register(PackageAsset);
	}
	return PackageAsset;
}

UMaterial* FJ5PackageTestContent::MakeMaterial(const FString& RelativePath)
{
	FString AssetName;
	UPackage* const Package = MakeAssetPackage(RelativePath, AssetName);
	UMaterial* const Material = NewObject<UMaterial>(Package, FName(*AssetName), RF_Public | RF_Standalone | RF_Transactional);
	Register(Material);
	return Material;
}

UMaterial* FJ5PackageTestContent::MakeMaterialBeside(const UObject* Neighbour, const FString& AssetName)
{
	UMaterial* const Material = NewObject<UMaterial>(Neighbour->GetPackage(), FName(*AssetName), RF_Public | RF_Standalone | RF_Transactional);
	Register(Material);
	return Material;
}

UMaterialInstanceConstant* FJ5PackageTestContent::MakeMaterialInstance(const FString& RelativePath, UMaterialInterface* Parent)
{
	FString AssetName;
	UPackage* const Package = MakeAssetPackage(RelativePath, AssetName);
	UMaterialInstanceConstant* const Instance = NewObject<UMaterialInstanceConstant>(Package, FName(*AssetName), RF_Public | RF_Standalone | RF_Transactional);
	Instance->SetParentEditorOnly(Parent);
	Register(Instance);
	return Instance;
}

UStaticMesh* FJ5PackageTestContent::MakeStaticMesh(const FString& RelativePath, UMaterialInterface* Material)
{
	FString AssetName;
	UPackage* const Package = MakeAssetPackage(RelativePath, AssetName);
	UStaticMesh* const Mesh = NewObject<UStaticMesh>(Package, FName(*AssetName), RF_Public | RF_Standalone | RF_Transactional);
	if (Material != nullptr)
	{
		TArray<FStaticMaterial> Slots;
		Slots.Add(FStaticMaterial(Material));
		Mesh->SetStaticMaterials(Slots);
	}
	Register(Mesh);
	return Mesh;
}

bool FJ5PackageTestContent::SaveAndScan()
{
	TArray<UPackage*> ToSave;
	TArray<FString> Files;
	for (const TWeakObjectPtr<UPackage>& Package : Packages)
	{
		if (UPackage* const Live = Package.Get())
		{
			ToSave.Add(Live);
			Files.Add(FPaths::ConvertRelativePathToFull(FPackageName::LongPackageNameToFilename(Live->GetName(), FPackageName::GetAssetPackageExtension())));
		}
	}
	const bool bSaved = UEditorLoadingAndSavingUtils::SavePackages(ToSave, /*bOnlyDirty=*/false);
	// The registry learns a package's references from its file: what is not saved and read has none.
	IAssetRegistry::GetChecked().ScanFilesSynchronous(Files, /*bForceRescan=*/true);
	return bSaved;
}

void FJ5PackageTestContent::Remove()
{
	IAssetRegistry* const AssetRegistry = IAssetRegistry::Get();
	if (AssetRegistry != nullptr)
	{
		// Commands may have made assets of their own in the folder (Copy Dependencies copies into it): they go too.
		TArray<FAssetData> InFolder;
		AssetRegistry->GetAssetsByPath(FName(*Root), InFolder, /*bRecursive=*/true);
		for (const FAssetData& Data : InFolder)
		{
			if (UObject* const Loaded = Data.FastGetAsset(/*bLoad=*/false))
			{
				Assets.AddUnique(Loaded);
				Packages.AddUnique(Loaded->GetPackage());
			}
		}
	}
	for (const TWeakObjectPtr<UObject>& Asset : Assets)
	{
		if (UObject* const Live = Asset.Get())
		{
			if (AssetRegistry != nullptr)
			{
				AssetRegistry->AssetDeleted(Live);
			}
			Live->ClearFlags(RF_Public | RF_Standalone);
			Live->MarkAsGarbage();
		}
	}
	for (const TWeakObjectPtr<UPackage>& Package : Packages)
	{
		if (UPackage* const Live = Package.Get())
		{
			// Objects made in the package without the registry's knowledge (a factory's) go with it.
			TArray<UObject*> Inner;
			GetObjectsWithOuter(Live, Inner, /*bIncludeNestedObjects=*/false);
			for (UObject* const Object : Inner)
			{
				Object->ClearFlags(RF_Public | RF_Standalone);
				Object->MarkAsGarbage();
			}
			const FString Filename = FPackageName::LongPackageNameToFilename(Live->GetName(), FPackageName::GetAssetPackageExtension());
			IFileManager::Get().Delete(*Filename, /*RequireExists=*/false, /*EvenReadOnly=*/true, /*Quiet=*/true);
			// A deleted package must not be offered for saving when the editor closes.
			Live->SetDirtyFlag(false);
			Live->MarkAsGarbage();
		}
	}
	Assets.Reset();
	Packages.Reset();

	const FString Directory = FPaths::ConvertRelativePathToFull(FPackageName::LongPackageNameToFilename(Root + TEXT("/")));
	IFileManager::Get().DeleteDirectory(*Directory, /*RequireExists=*/false, /*Tree=*/true);
}

FJ5PackageTestPanel::~FJ5PackageTestPanel()
{
	Close();
}

void FJ5PackageTestPanel::Open(UObject* Object)
{
	Close();

	FPropertyEditorModule& PropertyEditor = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
	FDetailsViewArgs Args;
	Args.NameAreaSettings = FDetailsViewArgs::HideNameArea;
	Args.bAllowSearch = false;
	DetailsView = PropertyEditor.CreateDetailView(Args);
	DetailsView->SetObject(Object);

	// The view makes the widgets of its rows when Slate lays it out, so it is shown in a window of its own.
	if (FSlateApplication::IsInitialized())
	{
		Window = SNew(SWindow)
			.Title(FText::FromString(TEXT("Talvyn package panel")))
			.ClientSize(FVector2D(800.0, 600.0))
			.SupportsMaximize(false)
			.SupportsMinimize(false);
		Window->SetContent(DetailsView.ToSharedRef());
		FSlateApplication::Get().AddWindow(Window.ToSharedRef(), /*bShowImmediately=*/true);
	}
	Update();
}

void FJ5PackageTestPanel::Close()
{
	if (Window.IsValid())
	{
		if (FSlateApplication::IsInitialized())
		{
			FSlateApplication::Get().DestroyWindowImmediately(Window.ToSharedRef());
		}
		Window.Reset();
	}
	DetailsView.Reset();
}

bool FJ5PackageTestPanel::IsOpen() const
{
	return DetailsView.IsValid();
}

void FJ5PackageTestPanel::Update()
{
	if (Window.IsValid() && FSlateApplication::IsInitialized())
	{
		// One frame arranges the rows, the next one makes their widgets.
		FSlateApplication::Get().Tick();
		FSlateApplication::Get().Tick();
	}
}

void FJ5PackageTestPanel::CollectWidgets(const TSharedRef<SWidget>& Widget, FName Type, TArray<TSharedRef<SWidget>>& OutWidgets)
{
	if (Widget->GetType() == Type)
	{
		OutWidgets.Add(Widget);
	}
	FChildren* const Children = Widget->GetChildren();
	if (Children == nullptr)
	{
		return;
	}
	for (int32 Index = 0; Index < Children->Num(); ++Index)
	{
		CollectWidgets(Children->GetChildAt(Index), Type, OutWidgets);
	}
}

FString FJ5PackageTestPanel::GetButtonLabel(const TSharedRef<SWidget>& Button)
{
	TArray<TSharedRef<SWidget>> TextBlocks;
	CollectWidgets(Button, FName(TEXT("STextBlock")), TextBlocks);
	FString Label;
	for (const TSharedRef<SWidget>& TextBlock : TextBlocks)
	{
		Label += StaticCastSharedRef<STextBlock>(TextBlock)->GetText().ToString();
	}
	return Label;
}

TSharedPtr<SButton> FJ5PackageTestPanel::FindButton(const FString& Label) const
{
	if (!DetailsView.IsValid())
	{
		return nullptr;
	}
	TArray<TSharedRef<SWidget>> Buttons;
	CollectWidgets(DetailsView.ToSharedRef(), FName(TEXT("SButton")), Buttons);
	for (const TSharedRef<SWidget>& Button : Buttons)
	{
		if (GetButtonLabel(Button).Equals(Label, ESearchCase::CaseSensitive))
		{
			return StaticCastSharedRef<SButton>(Button);
		}
	}
	return nullptr;
}

TArray<FString> FJ5PackageTestPanel::GetButtonLabels() const
{
	TArray<FString> Labels;
	if (DetailsView.IsValid())
	{
		TArray<TSharedRef<SWidget>> Buttons;
		CollectWidgets(DetailsView.ToSharedRef(), FName(TEXT("SButton")), Buttons);
		for (const TSharedRef<SWidget>& Button : Buttons)
		{
			Labels.Add(GetButtonLabel(Button));
		}
	}
	return Labels;
}

TArray<FString> FJ5PackageTestPanel::GetTexts() const
{
	TArray<FString> Texts;
	if (DetailsView.IsValid())
	{
		TArray<TSharedRef<SWidget>> TextBlocks;
		CollectWidgets(DetailsView.ToSharedRef(), FName(TEXT("STextBlock")), TextBlocks);
		for (const TSharedRef<SWidget>& TextBlock : TextBlocks)
		{
			Texts.Add(StaticCastSharedRef<STextBlock>(TextBlock)->GetText().ToString());
		}
	}
	return Texts;
}

bool FJ5PackageTestPanel::ShowsTextContaining(const FString& Text) const
{
	for (const FString& Shown : GetTexts())
	{
		if (Shown.Contains(Text, ESearchCase::CaseSensitive))
		{
			return true;
		}
	}
	return false;
}

#endif // WITH_DEV_AUTOMATION_TESTS

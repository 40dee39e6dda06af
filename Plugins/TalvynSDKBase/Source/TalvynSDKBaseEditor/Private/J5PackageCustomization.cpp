#include "J5PackageCustomization.h"

#include "Animation/AnimBlueprint.h"
#include "AssetRegistry/AssetData.h"
#include "DetailCategoryBuilder.h"
#include "DetailLayoutBuilder.h"
#include "DetailWidgetRow.h"
#include "Engine/Blueprint.h"
#include "Engine/SkeletalMesh.h"
#include "Engine/StaticMesh.h"
#include "Engine/World.h"
#include "IDetailGroup.h"
#include "J5Package.h"
#include "PropertyCustomizationHelpers.h"
#include "Templates/Casts.h"
#include "UObject/NameTypes.h"
#include "UObject/TopLevelAssetPath.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

#define LOCTEXT_NAMESPACE "PackageCustomization"

namespace J5PackageCustomization
{
	/** True for the directory itself and the folders below it, ignoring case; a sibling that merely shares its first characters is not in it. */
	static bool IsFolderInDirectory(FStringView Folder, FStringView Directory)
	{
		while (Directory.Len() > 0 && Directory[Directory.Len() - 1] == TEXT('/'))
		{
			Directory = Directory.LeftChop(1);
		}
		if (Directory.IsEmpty() || !Folder.StartsWith(Directory, ESearchCase::IgnoreCase))
		{
			return false;
		}
		return Folder.Len() == Directory.Len() || Folder[Directory.Len()] == TEXT('/');
	}

	/** Exact class test: a subclass of an accepted kind is not accepted unless it is listed itself. */
	static bool IsAcceptedClass(const FTopLevelAssetPath& ClassPath)
	{
		static const FTopLevelAssetPath AcceptedClassPaths[] = {
			UWorld::StaticClass()->GetStructPathName(),
			UStaticMesh::StaticClass()->GetStructPathName(),
			USkeletalMesh::StaticClass()->GetStructPathName(),
			UBlueprint::StaticClass()->GetStructPathName(),
			UAnimBlueprint::StaticClass()->GetStructPathName(),
		};
		for (const FTopLevelAssetPath& AcceptedClassPath : AcceptedClassPaths)
		{
			if (ClassPath == AcceptedClassPath)
			{
				return true;
			}
		}
		return false;
	}

	static FText MakeFixedText(const TCHAR* Text)
	{
		return FText::FromString(FString(Text));
	}
}

FJ5PackageCustomization::FJ5PackageCustomization()
	: DetailBuilder(nullptr)
	, Package(nullptr)
	, bHasWeakDetailBuilder(false)
	, bRunningCommand(false)
	, bRefreshRequested(false)
{
}

FJ5PackageCustomization::FJ5PackageCustomization(const FJ5PackageCustomization& Other)
	: IDetailCustomization()
	, DetailBuilder(Other.DetailBuilder)
	, Package(Other.Package)
	, WeakDetailBuilder(Other.WeakDetailBuilder)
	, bHasWeakDetailBuilder(Other.bHasWeakDetailBuilder)
	, bRunningCommand(false)
	, bRefreshRequested(false)
	, WeakPackage(Other.WeakPackage)
{
}

FJ5PackageCustomization::FJ5PackageCustomization(FJ5PackageCustomization&& Other)
	: IDetailCustomization()
	, DetailBuilder(Other.DetailBuilder)
	, Package(Other.Package)
	, WeakDetailBuilder(Other.WeakDetailBuilder)
	, bHasWeakDetailBuilder(Other.bHasWeakDetailBuilder)
	, bRunningCommand(false)
	, bRefreshRequested(false)
	, WeakPackage(Other.WeakPackage)
{
}

FJ5PackageCustomization& FJ5PackageCustomization::operator=(const FJ5PackageCustomization& Other)
{
	// The weak self-reference and the subscription belong to this instance and stay with it.
	DetailBuilder = Other.DetailBuilder;
	Package = Other.Package;
	WeakDetailBuilder = Other.WeakDetailBuilder;
	bHasWeakDetailBuilder = Other.bHasWeakDetailBuilder;
	WeakPackage = Other.WeakPackage;
	return *this;
}

FJ5PackageCustomization& FJ5PackageCustomization::operator=(FJ5PackageCustomization&& Other)
{
	DetailBuilder = Other.DetailBuilder;
	Package = Other.Package;
	WeakDetailBuilder = Other.WeakDetailBuilder;
	bHasWeakDetailBuilder = Other.bHasWeakDetailBuilder;
	WeakPackage = Other.WeakPackage;
	return *this;
}

FJ5PackageCustomization::~FJ5PackageCustomization()
{
	Unsubscribe();
}

TSharedRef<IDetailCustomization> FJ5PackageCustomization::MakeInstance()
{
	return MakeShareable(new FJ5PackageCustomization());
}

void FJ5PackageCustomization::CustomizeDetails(const TSharedPtr<IDetailLayoutBuilder>& InDetailBuilder)
{
	if (!InDetailBuilder.IsValid())
	{
		return;
	}
	CustomizeDetails(*InDetailBuilder);
	WeakDetailBuilder = InDetailBuilder;
	bHasWeakDetailBuilder = true;
}

void FJ5PackageCustomization::CustomizeDetails(IDetailLayoutBuilder& InDetailBuilder)
{
	DetailBuilder = &InDetailBuilder;
	WeakDetailBuilder.Reset();
	bHasWeakDetailBuilder = false;

	TArray<TWeakObjectPtr<UObject>> Objects;
	InDetailBuilder.GetObjectsBeingCustomized(Objects);
	Package = Objects.Num() > 0 ? Cast<UJ5Package>(Objects[0].Get()) : nullptr;
	WeakPackage = Package;

	// A second layout on the same instance replaces the first one's subscription instead of adding to it.
	Unsubscribe();

	if (Package == nullptr)
	{
		return;
	}

	const TWeakPtr<FJ5PackageCustomization> WeakThis = SharedThis(this);
	const TWeakObjectPtr<UJ5Package> WeakLayoutPackage = WeakPackage;

	SubscribedPackage = Package;
	PackageChangedHandle = Package->OnPackageChanged.AddLambda([WeakThis]()
	{
		// The pin keeps the customization alive while the rebuild drops the panel's own reference to it.
		if (const TSharedPtr<FJ5PackageCustomization> Customization = WeakThis.Pin())
		{
			if (Customization->bRunningCommand)
			{
				// Rebuilding now would free the builder that the running command refreshes afterwards.
				Customization->bRefreshRequested = true;
			}
			else
			{
				Customization->RefreshDetails();
			}
		}
	});

	auto MakeCommandButton = [this](FText (FJ5PackageCustomization::*LabelGetter)() const, FText (FJ5PackageCustomization::*TooltipGetter)() const, FReply (FJ5PackageCustomization::*Handler)()) -> TSharedRef<SWidget>
	{
		return SNew(SButton)
			.Text(this, LabelGetter)
			.ToolTipText(this, TooltipGetter)
			.HAlign(HAlign_Center)
			.OnClicked(this, Handler)
			.IsEnabled(this, &FJ5PackageCustomization::IsButtonEnabled);
	};

	// Add Assets
	IDetailCategoryBuilder& AddAssetsCategory = InDetailBuilder.EditCategory(FName(TEXT("Add Assets")), FText::GetEmpty(), ECategoryPriority::Default);
	AddAssetsCategory.SetSortOrder(0);

	AddAssetsCategory.AddCustomRow(LOCTEXT("FindAssets", "FindAssets"), false)
	[
		SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		[
			MakeCommandButton(&FJ5PackageCustomization::OnGetFindAssetsButtonText, &FJ5PackageCustomization::OnGetFindAssetsButtonTooltipText, &FJ5PackageCustomization::OnFindAssetsClicked)
		]
		+ SHorizontalBox::Slot()
		.AutoWidth()
		.Padding(5.0f, 0.0f, 5.0f, 0.0f)
		[
			MakeCommandButton(&FJ5PackageCustomization::OnGetRemoveAssetsButtonText, &FJ5PackageCustomization::OnGetRemoveAssetsButtonTooltipText, &FJ5PackageCustomization::OnRemoveAssetsClicked)
		]
	];

	AddAssetsCategory.AddCustomRow(FText::FromString(TEXT("Asset Picker")), false)
	[
		SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		.VAlign(VAlign_Center)
		.Padding(0.0f, 0.0f, 10.0f, 0.0f)
		[
			SNew(STextBlock)
			.Text(FText::FromString(TEXT("Add Asset:")))
		]
		+ SHorizontalBox::Slot()
		.FillWidth(1.0f)
		[
			SNew(SObjectPropertyEntryBox)
			.AllowedClass(UObject::StaticClass())
			.AllowClear(false)
			.OnShouldFilterAsset(FOnShouldFilterAsset::CreateLambda([WeakThis, WeakLayoutPackage](const FAssetData& AssetData) -> bool
			{
				// Runs once per candidate while the picker lists assets. The class test costs a few compares, so it
				// goes first and spares the other candidates the folder's spelling.
				if (!J5PackageCustomization::IsAcceptedClass(AssetData.AssetClassPath))
				{
					return true;
				}
				// Without its customization the picker has no package to ask, so only the kind of asset decides.
				// Nothing of the customization is used here: checking that it lives is enough, without pinning it.
				if (!WeakThis.IsValid())
				{
					return false;
				}
				const UJ5Package* const LayoutPackage = WeakLayoutPackage.Get();
				if (LayoutPackage == nullptr)
				{
					return true;
				}
				// The folder is spelled out on the stack.
				const FNameBuilder Folder(AssetData.PackagePath);
				const FString& Directory = LayoutPackage->PackageDirectory;
				return !J5PackageCustomization::IsFolderInDirectory(Folder.ToView(), FStringView(*Directory, Directory.Len()));
			}))
			.OnObjectChanged(FOnSetObject::CreateLambda([WeakThis](const FAssetData& AssetData)
			{
				if (const TSharedPtr<FJ5PackageCustomization> Customization = WeakThis.Pin())
				{
					Customization->RunCommand([&AssetData](UJ5Package& LivePackage) { LivePackage.AddAsset(AssetData); }, true);
				}
			}))
		]
	];

	if (Package->MainAssets.Num() != 0)
	{
		AddAssetsCategory.AddCustomRow(FText::FromString(TEXT("Total Assets")), false)
		[
			SNew(SBox)
			.MinDesiredWidth(250.0f)
			[
				SNew(STextBlock)
				.Text_Lambda([WeakThis, WeakLayoutPackage]() -> FText
				{
					const TSharedPtr<FJ5PackageCustomization> Customization = WeakThis.Pin();
					const UJ5Package* const LayoutPackage = WeakLayoutPackage.Get();
					if (!Customization.IsValid() || LayoutPackage == nullptr)
					{
						return FText::GetEmpty();
					}
					const int32 MainCount = LayoutPackage->MainAssets.Num();
					return FText::FromString(FString::Printf(TEXT("Main Assets: %d | Assets To Cook: %d"), MainCount, MainCount + LayoutPackage->Dependencies.Num()));
				})
				.AutoWrapText(true)
			]
		];
	}

	// Export
	IDetailCategoryBuilder& ExportCategory = InDetailBuilder.EditCategory(FName(TEXT("Export")), FText::GetEmpty(), ECategoryPriority::Default);
	ExportCategory.SetSortOrder(2);

	ExportCategory.AddCustomRow(LOCTEXT("ApplyCook", "ApplyCook"), false)
	[
		SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		[
			MakeCommandButton(&FJ5PackageCustomization::OnGetApplyCookButtonText, &FJ5PackageCustomization::OnGetApplyCookButtonTooltipText, &FJ5PackageCustomization::OnApplyCookClicked)
		]
	];

	ExportCategory.AddCustomRow(LOCTEXT("MakePak", "MakePak"), false)
	[
		SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		[
			MakeCommandButton(&FJ5PackageCustomization::OnGetMakePakButtonText, &FJ5PackageCustomization::OnGetMakePakButtonTooltipText, &FJ5PackageCustomization::OnMakePakClicked)
		]
	];

	// Dependencies
	IDetailCategoryBuilder& DependenciesCategory = InDetailBuilder.EditCategory(FName(TEXT("Dependencies")), FText::GetEmpty(), ECategoryPriority::Default);
	DependenciesCategory.SetSortOrder(1);

	DependenciesCategory.AddCustomRow(LOCTEXT("GetDependencies", "GetDependencies"), false)
	[
		SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		[
			MakeCommandButton(&FJ5PackageCustomization::OnGetGetDependenciesButtonText, &FJ5PackageCustomization::OnGetGetDependenciesButtonTooltipText, &FJ5PackageCustomization::OnGetDependenciesClicked)
		]
	];

	if (Package->MissingDependencies.Num() != 0)
	{
		// The count is the one of this layout; the list below follows the package until the next rebuild.
		const FText WarningText = FText::Format(LOCTEXT("DependencyWarningText", "{0} referenced assets are outside of this package's directory."), FText::AsNumber(Package->MissingDependencies.Num()));

		DependenciesCategory.AddCustomRow(LOCTEXT("DependencyWarning", "DependencyWarning"), false)
		[
			SNew(STextBlock)
			.Text(WarningText)
			.ColorAndOpacity(FLinearColor::Red)
		];

		DependenciesCategory.AddCustomRow(LOCTEXT("CopyDependencies", "CopyDependencies"), false)
		[
			SNew(SHorizontalBox)
			+ SHorizontalBox::Slot()
			.AutoWidth()
			[
				MakeCommandButton(&FJ5PackageCustomization::OnGetCopyDependenciesButtonText, &FJ5PackageCustomization::OnGetCopyDependenciesButtonTooltipText, &FJ5PackageCustomization::OnCopyDependenciesClicked)
			]
		];

		IDetailGroup& MissingGroup = DependenciesCategory.AddGroup(FName(TEXT("MissingDependenciesGroup")), LOCTEXT("MissingDependenciesLabel", "Missing Dependencies"), false, false);
		MissingGroup.AddWidgetRow()
		[
			SNew(SBox)
			[
				SNew(STextBlock)
				.Text_Lambda([WeakThis, WeakLayoutPackage]() -> FText
				{
					const TSharedPtr<FJ5PackageCustomization> Customization = WeakThis.Pin();
					const UJ5Package* const LayoutPackage = WeakLayoutPackage.Get();
					if (!Customization.IsValid() || LayoutPackage == nullptr)
					{
						return FText::GetEmpty();
					}

					// Drawn every frame and the map can be large: size the string once, then fill it.
					const TMap<FName, int32>& Missing = LayoutPackage->MissingDependencies;
					int32 Length = 0;
					for (const TPair<FName, int32>& Entry : Missing)
					{
						Length += FMath::Max(Entry.Value, 0) + static_cast<int32>(Entry.Key.GetStringLength()) + 1;
					}
					FString List;
					List.Reserve(Length);
					for (const TPair<FName, int32>& Entry : Missing)
					{
						for (int32 Indent = 0; Indent < Entry.Value; ++Indent)
						{
							List += TEXT('\t');
						}
						Entry.Key.AppendString(List);
						List += TEXT('\n');
					}
					return FText::FromString(MoveTemp(List));
				})
				.AutoWrapText(true)
			]
		];
	}
}

void FJ5PackageCustomization::RefreshDetails()
{
	// The details view rebuilds at once and releases the builder of the panel it replaces. A command whose package
	// operation broadcast a change has had its panel rebuilt already, and its builder is gone.
	if (DetailBuilder == nullptr || (bHasWeakDetailBuilder && !WeakDetailBuilder.IsValid()))
	{
		return;
	}
	DetailBuilder->ForceRefreshDetails();
}

bool FJ5PackageCustomization::IsButtonEnabled() const
{
	return true;
}

FReply FJ5PackageCustomization::OnFindAssetsClicked()
{
	return RunCommand([](UJ5Package& LivePackage) { LivePackage.FindAllAssets(); }, false);
}

FReply FJ5PackageCustomization::OnRemoveAssetsClicked()
{
	return RunCommand([](UJ5Package& LivePackage) { LivePackage.RemoveAllAssets(); }, false);
}

FReply FJ5PackageCustomization::OnApplyCookClicked()
{
	return RunCommand([](UJ5Package& LivePackage) { LivePackage.ApplyCookSettings(); }, false);
}

FReply FJ5PackageCustomization::OnMakePakClicked()
{
	return RunCommand([](UJ5Package& LivePackage) { LivePackage.MakePakFile(); }, false);
}

FReply FJ5PackageCustomization::OnCookFilesClicked()
{
	return RunCommand([](UJ5Package& LivePackage) { LivePackage.CookAssets(); }, false);
}

FReply FJ5PackageCustomization::OnGetDependenciesClicked()
{
	// The warning and the rows that depend on the result are fixed at layout time.
	return RunCommand([](UJ5Package& LivePackage) { LivePackage.FindAllDependencies(); }, true);
}

FReply FJ5PackageCustomization::OnCopyDependenciesClicked()
{
	return RunCommand([](UJ5Package& LivePackage) { LivePackage.CopyDependencies(); }, true);
}

FText FJ5PackageCustomization::OnGetFindAssetsButtonText() const
{
	return J5PackageCustomization::MakeFixedText(TEXT("Add All Assets"));
}

FText FJ5PackageCustomization::OnGetFindAssetsButtonTooltipText() const
{
	return J5PackageCustomization::MakeFixedText(TEXT("Find all assets in this directory and add them to the package. Generate names and thumbnails for each."));
}

FText FJ5PackageCustomization::OnGetRemoveAssetsButtonText() const
{
	return J5PackageCustomization::MakeFixedText(TEXT("Remove All Assets"));
}

FText FJ5PackageCustomization::OnGetRemoveAssetsButtonTooltipText() const
{
	return J5PackageCustomization::MakeFixedText(TEXT("Remove all assets from this package, reseting it to its default state."));
}

FText FJ5PackageCustomization::OnGetApplyCookButtonText() const
{
	return J5PackageCustomization::MakeFixedText(TEXT("Apply Cook Settings"));
}

FText FJ5PackageCustomization::OnGetApplyCookButtonTooltipText() const
{
	return J5PackageCustomization::MakeFixedText(TEXT("Set project cook settings."));
}

FText FJ5PackageCustomization::OnGetMakePakButtonText() const
{
	return J5PackageCustomization::MakeFixedText(TEXT("Make Pak File"));
}

FText FJ5PackageCustomization::OnGetMakePakButtonTooltipText() const
{
	return J5PackageCustomization::MakeFixedText(TEXT("Export cooked assets to a .pak file to use in Talvyn."));
}

FText FJ5PackageCustomization::OnGetCookFilesButtonText() const
{
	return J5PackageCustomization::MakeFixedText(TEXT("Cook Assets"));
}

FText FJ5PackageCustomization::OnGetCookFilesButtonTooltipText() const
{
	return J5PackageCustomization::MakeFixedText(TEXT("Cook all the files required by this asset."));
}

FText FJ5PackageCustomization::OnGetGetDependenciesButtonText() const
{
	return J5PackageCustomization::MakeFixedText(TEXT("Find Dependencies"));
}

FText FJ5PackageCustomization::OnGetGetDependenciesButtonTooltipText() const
{
	return J5PackageCustomization::MakeFixedText(TEXT("Find all additional assets needed by the assets in this package."));
}

FText FJ5PackageCustomization::OnGetCopyDependenciesButtonText() const
{
	return J5PackageCustomization::MakeFixedText(TEXT("Copy Dependencies"));
}

FText FJ5PackageCustomization::OnGetCopyDependenciesButtonTooltipText() const
{
	return J5PackageCustomization::MakeFixedText(TEXT("EXPERIMENTAL: Copy missing dependencies into this directory. Works fine for missing textures but can go wrong with more complex assets. Use the migration tool or move manually in this case."));
}

UJ5Package* FJ5PackageCustomization::GetLivePackage() const
{
	// Package is a plain pointer; once its object is destroyed only the weak view can tell.
	if (Package == nullptr || WeakPackage.Get() != Package)
	{
		return nullptr;
	}
	return Package;
}

FReply FJ5PackageCustomization::RunCommand(TFunctionRef<void(UJ5Package&)> Operation, const bool bRefreshAfterwards)
{
	UJ5Package* const LivePackage = GetLivePackage();
	if (LivePackage == nullptr)
	{
		return FReply::Handled();
	}

	bRunningCommand = true;
	bRefreshRequested = false;
	Operation(*LivePackage);
	bRunningCommand = false;

	if (bRefreshAfterwards || bRefreshRequested)
	{
		bRefreshRequested = false;
		// Last use of this instance: the rebuild replaces it.
		RefreshDetails();
	}
	return FReply::Handled();
}

void FJ5PackageCustomization::Unsubscribe()
{
	if (UJ5Package* const Subscribed = SubscribedPackage.Get())
	{
		Subscribed->OnPackageChanged.Remove(PackageChangedHandle);
	}
	SubscribedPackage.Reset();
	PackageChangedHandle.Reset();
}

#undef LOCTEXT_NAMESPACE

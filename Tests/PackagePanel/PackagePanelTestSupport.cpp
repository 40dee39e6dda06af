#include "PackagePanelTestSupport.h"

#include "AssetRegistry/AssetData.h"
#include "HostTest/AssetRegistryProbe.h"
#include "HostTest/CoreProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "Internationalization/Internationalization.h"
#include "J5Package.h"
#include "Modules/ModuleManager.h"
#include "PropertyCustomizationHelpers.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

#include <algorithm>
#include <vector>

namespace PackagePanelTest
{
	TArray<HostTest::FDetailRowLayout> CustomRowsOf(const HostTest::FDetailPanelLayout& Layout, FName Category)
	{
		TArray<HostTest::FDetailRowLayout> Rows;
		if (const HostTest::FDetailCategoryLayout* Found = Layout.FindCategory(Category))
		{
			for (const HostTest::FDetailRowLayout& Row : Found->Rows)
			{
				if (Row.Kind != HostTest::EDetailRowKind::Property)
				{
					Rows.Add(Row);
				}
			}
		}
		return Rows;
	}

	TArray<HostTest::FPaintedDetailRow> PaintedRowsOf(const HostTest::FPaintedDetailsPanel& Panel, FName Category)
	{
		for (const HostTest::FPaintedDetailCategory& Painted : Panel.Categories)
		{
			if (Painted.Name == Category)
			{
				TArray<HostTest::FPaintedDetailRow> Rows;
				for (const HostTest::FPaintedDetailRow& Row : Painted.Rows)
				{
					if (Row.Kind != HostTest::EDetailRowKind::Property)
					{
						Rows.Add(Row);
					}
				}
				return Rows;
			}
		}
		return {};
	}

	static void CollectSnapshots(const HostTest::FWidgetSnapshot& Root, const FString& Type, TArray<HostTest::FWidgetSnapshot>& Out)
	{
		if (Root.Type == Type)
		{
			Out.Add(Root);
		}
		for (const HostTest::FWidgetSnapshot& Child : Root.Children)
		{
			CollectSnapshots(Child, Type, Out);
		}
	}

	TArray<HostTest::FWidgetSnapshot> SnapshotsOfType(const HostTest::FWidgetSnapshot& Root, const FString& Type)
	{
		TArray<HostTest::FWidgetSnapshot> Found;
		CollectSnapshots(Root, Type, Found);
		return Found;
	}

	FString FirstTextOf(const HostTest::FPaintedDetailRow& Row)
	{
		const TArray<HostTest::FWidgetSnapshot> Texts = SnapshotsOfType(Row.WholeRow, TEXT("STextBlock"));
		return Texts.Num() > 0 ? Texts[0].Arguments.FindRef(TEXT("Text")) : FString();
	}

	TArray<FString> ButtonLabelsOf(const HostTest::FPaintedDetailsPanel& Panel)
	{
		TArray<FString> Labels;
		for (const HostTest::FPaintedDetailCategory& Category : Panel.Categories)
		{
			for (const HostTest::FPaintedDetailRow& Row : Category.Rows)
			{
				for (const HostTest::FWidgetSnapshot& Button : SnapshotsOfType(Row.WholeRow, TEXT("SButton")))
				{
					Labels.Add(Button.Arguments.FindRef(TEXT("Text")));
				}
			}
		}
		return Labels;
	}

	TArray<FString> OfferedPaths(const TSharedRef<SObjectPropertyEntryBox>& Box)
	{
		TArray<FString> Paths;
		for (const FAssetData& Entry : HostTest::GetPickerEntries(Box))
		{
			Paths.Add(Entry.PackageName.ToString());
		}
		return Paths;
	}

	std::string Names(const TSet<FString>& Set)
	{
		std::vector<std::string> Sorted;
		for (const FString& Name : Set)
		{
			Sorted.push_back(TCHAR_TO_UTF8(*Name));
		}
		std::sort(Sorted.begin(), Sorted.end());
		std::string Joined;
		for (const std::string& Name : Sorted)
		{
			Joined += (Joined.empty() ? "" : ",") + Name;
		}
		return Joined;
	}
}

void FPackagePanelTest::SetUp()
{
	HostTest::SetLogEcho(false);
	FModuleManager::Get().LoadModuleChecked(TEXT("TalvynSDKBaseEditor"));
	HostTest::AddAsset(FName(TEXT("/Game/Pack/PKG_Pack")), PackagePanelTest::PackageClass);
	Package = NewPackageAsset(TEXT("/Game/Pack/PKG_Pack"), TEXT("PKG_Pack"));
	HostTest::ClearRecordedLogLines();
}

void FPackagePanelTest::TearDown()
{
	// Panels first: their customizations must not outlive the module that made them.
	Views.Empty();
	FModuleManager::Get().UnloadModule(TEXT("TalvynSDKBaseEditor"));
	FInternationalization::Get().SetCurrentCulture(TEXT("en"));
	HostTest::ClearAssetRegistry();
	HostTest::ResetObjects();
	HostTest::ClearRecordedLogLines();
}

TSharedRef<IDetailsView> FPackagePanelTest::OpenPanel(const TArray<UObject*>& Objects)
{
	TSharedRef<IDetailsView> View = HostTest::OpenDetailsView(Objects);
	Views.Add(View);
	return View;
}

TSharedRef<IDetailsView> FPackagePanelTest::OpenPanel()
{
	return OpenPanel({ Package });
}

TSharedPtr<SWidget> FPackagePanelTest::RowWidget(const TSharedRef<IDetailsView>& View, FName Category, const FString& FilterText)
{
	for (const HostTest::FDetailRowLayout& Row : PackagePanelTest::CustomRowsOf(HostTest::GetLayout(View), Category))
	{
		if (Row.FilterText == FilterText)
		{
			return Row.WholeRowWidget;
		}
	}
	return TSharedPtr<SWidget>();
}

// Widgets of the panel that outlive their customization or their package, and panels of objects that
// are not packages at all.

#include "PackagePanelTestSupport.h"

#include "AssetRegistry/AssetData.h"
#include "DetailLayoutBuilder.h"
#include "HostTest/AssetRegistryProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "J5Package.h"
#include "J5PackageCustomization.h"
#include "Modules/ModuleManager.h"
#include "PropertyCustomizationHelpers.h"
#include "PropertyEditorModule.h"
#include "UObject/Package.h"
#include "Widgets/Input/SButton.h"

#include <stdexcept>

using namespace PackagePanelTest;

namespace
{
	FString PaintedText(const TSharedPtr<SWidget>& Widget)
	{
		const TArray<HostTest::FWidgetSnapshot> Texts = SnapshotsOfType(HostTest::PaintWidget(Widget.ToSharedRef()), TEXT("STextBlock"));
		return Texts.Num() > 0 ? Texts[0].Arguments.FindRef(TEXT("Text")) : FString(TEXT("<no text>"));
	}

	TSharedRef<SButton> FirstButtonOf(const TSharedPtr<SWidget>& Row)
	{
		return StaticCastSharedRef<SButton>(HostTest::FindWidgetsOfType(Row.ToSharedRef(), TEXT("SButton"))[0]);
	}

	/** A layout builder for a panel with no objects; no category may be asked of it. */
	class FEmptyLayoutBuilder : public IDetailLayoutBuilder
	{
	public:
		virtual IDetailCategoryBuilder& EditCategory(FName, const FText&, ECategoryPriority::Type) override
		{
			throw std::logic_error("a category was added to a panel without a package");
		}
		virtual IDetailCategoryBuilder& EditCategoryAllowNone(FName, const FText&, ECategoryPriority::Type) override
		{
			throw std::logic_error("a category was added to a panel without a package");
		}
		virtual void GetObjectsBeingCustomized(TArray<TWeakObjectPtr<UObject>>& OutObjects) const override
		{
			OutObjects = Objects;
		}
		virtual const TArray<TWeakObjectPtr<UObject>>& GetSelectedObjects() const override
		{
			return Objects;
		}
		virtual void ForceRefreshDetails() override
		{
			++Refreshes;
		}
		virtual void HideCategory(FName) override
		{
			throw std::logic_error("a category was hidden in a panel without a package");
		}
		virtual void GetCategoryNames(TArray<FName>& OutCategoryNames) const override
		{
			OutCategoryNames.Reset();
		}
		virtual const IDetailsView* GetDetailsView() const override
		{
			return nullptr;
		}

		TArray<TWeakObjectPtr<UObject>> Objects;
		int32 Refreshes = 0;
	};
}

// --- Widgets kept after their panel was rebuilt or closed ---

class FStaleWidgetsTest : public FPackagePanelTest
{
protected:
	void SetUp() override
	{
		FPackagePanelTest::SetUp();
		HostTest::AddAsset(FName(TEXT("/Game/Pack/SM_Rock")), StaticMeshClass);
		HostTest::AddAsset(FName(TEXT("/Game/Other/SM_Outside")), StaticMeshClass);
		HostTest::AddAsset(FName(TEXT("/Game/Pack/T_Rock")), TextureClass);
		FillPackage(Package, 1, 1, 2);
		View = OpenPanel();
		OldPicker = PickerOf(View.ToSharedRef());
		OldTotals = RowWidget(View.ToSharedRef(), AddAssetsCategory, TEXT("Total Assets"));
		OldFindDependencies = RowWidget(View.ToSharedRef(), DependenciesCategory, TEXT("GetDependencies"));
		const TArray<HostTest::FDetailRowLayout> Rows = CustomRowsOf(HostTest::GetLayout(View.ToSharedRef()), DependenciesCategory);
		OldList = Rows.Last().WholeRowWidget;
		ASSERT_TRUE(OldPicker.IsValid() && OldTotals.IsValid() && OldFindDependencies.IsValid() && OldList.IsValid());
		RockAsset = HostTest::GetPickerEntries(OldPicker.ToSharedRef())[0];
		ASSERT_EQ(RockAsset.PackageName, FName(TEXT("/Game/Pack/SM_Rock")));
	}

	void TearDown() override
	{
		OldPicker.Reset();
		OldTotals.Reset();
		OldFindDependencies.Reset();
		OldList.Reset();
		View.Reset();
		FPackagePanelTest::TearDown();
	}

	/** Drops the panel's customization: a rebuild replaces it, closing the view releases it. */
	void DropCustomization(bool bCloseView)
	{
		if (bCloseView)
		{
			View.Reset();
			Views.Empty();
			EXPECT_EQ(HostTest::GetLiveCustomizationCount(), 0);
		}
		else
		{
			View->ForceRefresh();
		}
	}

	void ExpectOldWidgetsDoNothing()
	{
		const int32 Builds = View.IsValid() ? HostTest::GetRefreshCount(View.ToSharedRef()) : 0;

		HostTest::PickAsset(OldPicker.ToSharedRef(), RockAsset);
		EXPECT_EQ(Package->MainAssets.Num(), 1);

		EXPECT_FALSE(HostTest::ClickButton(FirstButtonOf(OldFindDependencies)).IsEventHandled());
		EXPECT_EQ(Package->MissingDependencies.Num(), 2);

		EXPECT_EQ(PaintedText(OldTotals), FString());
		EXPECT_EQ(PaintedText(OldList), FString());

		// Without its customization the picker can only tell the kinds apart.
		EXPECT_EQ(OfferedPaths(OldPicker.ToSharedRef()), (TArray<FString>{ TEXT("/Game/Pack/SM_Rock"), TEXT("/Game/Other/SM_Outside") }));

		if (View.IsValid())
		{
			EXPECT_EQ(HostTest::GetRefreshCount(View.ToSharedRef()), Builds);
		}
	}

	TSharedPtr<IDetailsView> View;
	TSharedPtr<SObjectPropertyEntryBox> OldPicker;
	TSharedPtr<SWidget> OldTotals;
	TSharedPtr<SWidget> OldFindDependencies;
	TSharedPtr<SWidget> OldList;
	FAssetData RockAsset;
};

TEST_F(FStaleWidgetsTest, WidgetsOfARebuiltPanelDoNothing)
{
	DropCustomization(false);
	ExpectOldWidgetsDoNothing();
}

TEST_F(FStaleWidgetsTest, WidgetsOfAClosedPanelDoNothing)
{
	DropCustomization(true);
	ExpectOldWidgetsDoNothing();
}

// --- The package deleted while its panel is open ---

class FDeletedPackageTest : public FStaleWidgetsTest
{
};

TEST_F(FDeletedPackageTest, PaintingShowsEmptyTextsAndNothingCrashes)
{
	ASSERT_TRUE(HostTest::SetGroupExpanded(View.ToSharedRef(), DependenciesCategory, MissingGroup, true));
	HostTest::DestroyObject(Package);
	Package = nullptr;

	HostTest::PaintDetailsView(View.ToSharedRef());
	EXPECT_EQ(PaintedText(OldTotals), FString());
	EXPECT_EQ(PaintedText(OldList), FString());
}

TEST_F(FDeletedPackageTest, ClickPickAndRefreshAfterwardsDoNotReachThePackage)
{
	HostTest::DestroyObject(Package);
	Package = nullptr;

	HostTest::ClickButton(FirstButtonOf(OldFindDependencies));
	HostTest::PickAsset(OldPicker.ToSharedRef(), RockAsset);
	View->ForceRefresh();
	const HostTest::FPaintedDetailsPanel Panel = HostTest::PaintDetailsView(View.ToSharedRef());
	EXPECT_TRUE(PaintedRowsOf(Panel, AddAssetsCategory).IsEmpty());
}

// --- Panels without a package ---

TEST_F(FPackagePanelTest, ObjectThatIsNotAPackageGetsNoRows)
{
	// The layout is registered for package assets only; give it another class to see what it does there.
	FPropertyEditorModule& PropertyEditor = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
	const FName OtherClass(TEXT("Package"));
	PropertyEditor.RegisterCustomClassLayout(OtherClass, FOnGetDetailCustomizationInstance::CreateStatic(&FJ5PackageCustomization::MakeInstance));
	UPackage* const NotAnAsset = CreatePackage(TEXT("/Game/Pack/NotAnAsset"));

	{
		const TSharedRef<IDetailsView> View = OpenPanel({ NotAnAsset });
		const HostTest::FDetailPanelLayout Layout = HostTest::GetLayout(View);
		EXPECT_TRUE(Layout.bHasCustomization);
		for (const HostTest::FDetailCategoryLayout& Category : Layout.Categories)
		{
			EXPECT_TRUE(CustomRowsOf(Layout, Category.Name).IsEmpty()) << TCHAR_TO_UTF8(*Category.Name.ToString());
		}
		HostTest::PaintDetailsView(View);
		View->ForceRefresh();
	}
	Views.Empty();
	PropertyEditor.UnregisterCustomClassLayout(OtherClass);
}

TEST_F(FPackagePanelTest, PanelWithoutAnyObjectGetsNoRowsAndNeverRefreshes)
{
	const TSharedRef<IDetailCustomization> Customization = FJ5PackageCustomization::MakeInstance();
	FEmptyLayoutBuilder Builder;
	EXPECT_NO_THROW(Customization->CustomizeDetails(Builder));

	Builder.Objects.Add(TWeakObjectPtr<UObject>());
	EXPECT_NO_THROW(Customization->CustomizeDetails(Builder));
	EXPECT_EQ(Builder.Refreshes, 0);
}

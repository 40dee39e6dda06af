// The details panel as a customization and a user see it: class layouts, rebuilds, category order,
// search, groups, and the asset entry box's picker.

#include <gtest/gtest.h>

#include "CoreMinimal.h"
#include "DetailCategoryBuilder.h"
#include "DetailLayoutBuilder.h"
#include "DetailWidgetRow.h"
#include "IDetailCustomization.h"
#include "IDetailGroup.h"
#include "IDetailsView.h"
#include "Modules/ModuleManager.h"
#include "PropertyCustomizationHelpers.h"
#include "PropertyEditorModule.h"
#include "UObject/Package.h"
#include "Widgets/Text/STextBlock.h"
#include "HostTest/AssetRegistryProbe.h"
#include "HostTest/CoreUObjectProbe.h"
#include "HostTest/PropertyEditorProbe.h"
#include "HostTest/SlateProbe.h"

#include <functional>

namespace
{
	/** A customization whose layout each test supplies; counts its instances. */
	class FTestCustomization : public IDetailCustomization
	{
	public:
		static inline int32 Constructed = 0;
		static inline int32 Destroyed = 0;
		static inline int32 Customized = 0;
		static inline TWeakPtr<IDetailCustomization> Latest;
		static inline std::function<void(FTestCustomization&, IDetailLayoutBuilder&)> Layout;

		IDetailLayoutBuilder* Builder = nullptr;

		FTestCustomization() { ++Constructed; }
		virtual ~FTestCustomization() override { ++Destroyed; }

		static TSharedRef<IDetailCustomization> MakeInstance()
		{
			return MakeShareable(new FTestCustomization());
		}

		virtual void CustomizeDetails(IDetailLayoutBuilder& DetailBuilder) override
		{
			++Customized;
			Builder = &DetailBuilder;
			Latest = AsShared();
			if (Layout)
			{
				Layout(*this, DetailBuilder);
			}
		}

		static void Reset()
		{
			Constructed = Destroyed = Customized = 0;
			Latest.Reset();
			Layout = nullptr;
		}
	};

	/** An editor with the details module loaded and a layout registered for packages. */
	class PropertyEditorTest : public ::testing::Test
	{
	protected:
		FPropertyEditorModule* Module = nullptr;
		FName LayoutClass = FName(TEXT("Package"));

		void SetUp() override
		{
			FTestCustomization::Reset();
			FModuleManager::Get().LoadModule(TEXT("AssetRegistry"));
			Module = &FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
			Module->RegisterCustomClassLayout(LayoutClass, FOnGetDetailCustomizationInstance::CreateStatic(&FTestCustomization::MakeInstance));
		}

		void TearDown() override
		{
			Module->UnregisterCustomClassLayout(LayoutClass);
			FTestCustomization::Reset();
			HostTest::ClearAssetRegistry();
		}

		static UPackage* MakePackage(const TCHAR* Name)
		{
			return CreatePackage(Name);
		}

		static TArray<FName> ShownCategoryNames(const TSharedRef<IDetailsView>& View)
		{
			TArray<FName> Names;
			for (const HostTest::FPaintedDetailCategory& Category : HostTest::PaintDetailsView(View).Categories)
			{
				Names.Add(Category.Name);
			}
			return Names;
		}

		static TSharedRef<STextBlock> CountingText(const FString& Text, int32& Calls)
		{
			return SNew(STextBlock).Text_Lambda([Text, &Calls]()
			{
				++Calls;
				return FText::FromString(Text);
			});
		}
	};

	// ---------------------------------------------------------------- class layouts and rebuilds

	TEST_F(PropertyEditorTest, RegisteredLayoutIsListedAndUnregisteringRemovesIt)
	{
		EXPECT_TRUE(HostTest::GetRegisteredClassLayouts().Contains(LayoutClass));
		Module->UnregisterCustomClassLayout(LayoutClass);
		EXPECT_FALSE(HostTest::GetRegisteredClassLayouts().Contains(LayoutClass));
		// Re-registered so TearDown stays symmetric.
		Module->RegisterCustomClassLayout(LayoutClass, FOnGetDetailCustomizationInstance::CreateStatic(&FTestCustomization::MakeInstance));
	}

	TEST_F(PropertyEditorTest, OpeningAPanelMakesOneFreshCustomizationAndCustomizesItOnce)
	{
		UPackage* Package = MakePackage(TEXT("/Game/Details/Open"));
		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({Package});
		EXPECT_EQ(FTestCustomization::Constructed, 1);
		EXPECT_EQ(FTestCustomization::Customized, 1);
		EXPECT_EQ(HostTest::GetRefreshCount(View), 1);
		EXPECT_TRUE(HostTest::GetLayout(View).bHasCustomization);

		// The same objects again change nothing unless forced.
		View->SetObjects(TArray<UObject*>{Package});
		EXPECT_EQ(FTestCustomization::Constructed, 1);
		View->SetObjects(TArray<UObject*>{Package}, true);
		EXPECT_EQ(FTestCustomization::Constructed, 2);
		EXPECT_EQ(FTestCustomization::Destroyed, 1);
	}

	TEST_F(PropertyEditorTest, ForceRefreshDetailsReleasesTheOldCustomizationBeforeItReturns)
	{
		UPackage* Package = MakePackage(TEXT("/Game/Details/Refresh"));
		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({Package});
		TWeakPtr<IDetailCustomization> First = FTestCustomization::Latest;
		ASSERT_TRUE(First.IsValid());

		static_cast<FTestCustomization*>(First.Pin().Get())->Builder->ForceRefreshDetails();

		EXPECT_FALSE(First.IsValid()) << "the old customization must be gone when the refresh returns";
		EXPECT_EQ(FTestCustomization::Constructed, 2);
		EXPECT_EQ(FTestCustomization::Customized, 2);
		EXPECT_EQ(FTestCustomization::Destroyed, 1);
		EXPECT_EQ(HostTest::GetRefreshCount(View), 2);
		EXPECT_EQ(HostTest::GetLiveCustomizationCount(), 1);
	}

	TEST_F(PropertyEditorTest, ACallersPinIsTheOnlyReferenceLeftAfterTheRefresh)
	{
		UPackage* Package = MakePackage(TEXT("/Game/Details/Pin"));
		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({Package});

		TSharedPtr<IDetailCustomization> Pinned = FTestCustomization::Latest.Pin();
		static_cast<FTestCustomization*>(Pinned.Get())->Builder->ForceRefreshDetails();

		EXPECT_EQ(FTestCustomization::Destroyed, 0);
		EXPECT_NE(FTestCustomization::Latest.Pin(), Pinned);
		Pinned.Reset();
		EXPECT_EQ(FTestCustomization::Destroyed, 1);
	}

	TEST_F(PropertyEditorTest, ARefreshRequestedDuringCustomizeDetailsRunsAfterIt)
	{
		bool bAskedOnce = false;
		FTestCustomization::Layout = [&bAskedOnce](FTestCustomization&, IDetailLayoutBuilder& Builder)
		{
			if (!bAskedOnce)
			{
				bAskedOnce = true;
				Builder.ForceRefreshDetails();
			}
		};
		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({MakePackage(TEXT("/Game/Details/Nested"))});
		EXPECT_EQ(FTestCustomization::Customized, 2);
		EXPECT_EQ(FTestCustomization::Constructed - FTestCustomization::Destroyed, 1);
		EXPECT_EQ(HostTest::GetRefreshCount(View), 2);
	}

	TEST_F(PropertyEditorTest, ASuperClassLayoutCustomizesItsSubclasses)
	{
		Module->UnregisterCustomClassLayout(LayoutClass);
		LayoutClass = FName(TEXT("Object"));
		Module->RegisterCustomClassLayout(LayoutClass, FOnGetDetailCustomizationInstance::CreateStatic(&FTestCustomization::MakeInstance));

		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({MakePackage(TEXT("/Game/Details/Super"))});
		EXPECT_EQ(FTestCustomization::Customized, 1);
	}

	TEST_F(PropertyEditorTest, SeveralObjectsAreAllCustomizedInSelectionOrder)
	{
		UPackage* First = MakePackage(TEXT("/Game/Details/First"));
		UPackage* Second = MakePackage(TEXT("/Game/Details/Second"));
		TArray<TWeakObjectPtr<UObject>> Seen;
		FTestCustomization::Layout = [&Seen](FTestCustomization&, IDetailLayoutBuilder& Builder)
		{
			Builder.GetObjectsBeingCustomized(Seen);
		};
		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({First, Second});
		ASSERT_EQ(Seen.Num(), 2);
		EXPECT_EQ(Seen[0].Get(), First);
		EXPECT_EQ(Seen[1].Get(), Second);
	}

	TEST_F(PropertyEditorTest, DestroyedObjectsNeitherCrashPaintNorRefresh)
	{
		int32 Calls = 0;
		FTestCustomization::Layout = [&Calls](FTestCustomization&, IDetailLayoutBuilder& Builder)
		{
			Builder.EditCategory(TEXT("Live")).AddCustomRow(FText::FromString(TEXT("Live")))[CountingText(TEXT("live"), Calls)];
		};
		UPackage* Package = MakePackage(TEXT("/Game/Details/Doomed"));
		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({Package});
		HostTest::DestroyObject(Package);

		HostTest::PaintDetailsView(View);
		HostTest::PaintWidget(View);
		View->ForceRefresh();
		EXPECT_FALSE(HostTest::GetLayout(View).bHasCustomization);
		EXPECT_EQ(View->GetSelectedObjects().Num(), 0);
		EXPECT_EQ(HostTest::GetLiveCustomizationCount(), 0);
	}

	// ---------------------------------------------------------------- categories and search

	TEST_F(PropertyEditorTest, CategoriesReadBySortOrderThenByCreation)
	{
		FTestCustomization::Layout = [](FTestCustomization&, IDetailLayoutBuilder& Builder)
		{
			IDetailCategoryBuilder& Add = Builder.EditCategory(TEXT("Add Assets"), FText::GetEmpty(), ECategoryPriority::Default);
			Add.SetSortOrder(0);
			Add.AddCustomRow(FText::FromString(TEXT("A")));
			IDetailCategoryBuilder& Export = Builder.EditCategory(TEXT("Export"), FText::GetEmpty(), ECategoryPriority::Default);
			Export.SetSortOrder(2);
			Export.AddCustomRow(FText::FromString(TEXT("E")));
			IDetailCategoryBuilder& Dependencies = Builder.EditCategory(TEXT("Dependencies"), FText::GetEmpty(), ECategoryPriority::Default);
			Dependencies.SetSortOrder(1);
			Dependencies.AddCustomRow(FText::FromString(TEXT("D")));
			// Same sort order as "Export": creation decides.
			IDetailCategoryBuilder& Late = Builder.EditCategory(TEXT("Late"));
			Late.SetSortOrder(2);
			Late.AddCustomRow(FText::FromString(TEXT("L")));
			// Asking again returns the same category, and an empty display name keeps the name.
			EXPECT_EQ(&Builder.EditCategory(TEXT("Export")), &Export);
			EXPECT_EQ(Export.GetDisplayName().ToString(), TEXT("Export"));
		};
		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({MakePackage(TEXT("/Game/Details/Order"))});
		const TArray<FName> Expected = {FName(TEXT("Add Assets")), FName(TEXT("Dependencies")), FName(TEXT("Export")), FName(TEXT("Late"))};
		EXPECT_EQ(ShownCategoryNames(View), Expected);
	}

	TEST_F(PropertyEditorTest, SearchShowsMatchingRowsIgnoringCaseAndHidesEmptyCategories)
	{
		FTestCustomization::Layout = [](FTestCustomization&, IDetailLayoutBuilder& Builder)
		{
			IDetailCategoryBuilder& Assets = Builder.EditCategory(TEXT("Assets"));
			Assets.AddCustomRow(FText::FromString(TEXT("Asset Picker")))[SNew(STextBlock)];
			Assets.AddCustomRow(FText::FromString(TEXT("Total Assets")))[SNew(STextBlock)];
			Builder.EditCategory(TEXT("Other")).AddCustomRow(FText::FromString(TEXT("MakePak")))[SNew(STextBlock)];
			Builder.EditCategory(TEXT("Empty"));
		};
		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({MakePackage(TEXT("/Game/Details/Search"))});
		EXPECT_EQ(ShownCategoryNames(View), (TArray<FName>{FName(TEXT("Assets")), FName(TEXT("Other"))}));

		HostTest::SetSearchText(View, TEXT("asset picker"));
		HostTest::FPaintedDetailsPanel Painted = HostTest::PaintDetailsView(View);
		ASSERT_EQ(Painted.Categories.Num(), 1);
		EXPECT_EQ(Painted.Categories[0].Name, FName(TEXT("Assets")));
		EXPECT_EQ(Painted.Categories[0].Rows.Num(), 1);

		const HostTest::FDetailPanelLayout Layout = HostTest::GetLayout(View);
		const HostTest::FDetailCategoryLayout* Other = Layout.FindCategory(TEXT("Other"));
		ASSERT_NE(Other, nullptr);
		EXPECT_FALSE(Other->bShown);
		ASSERT_EQ(Other->Rows.Num(), 1);
		EXPECT_FALSE(Other->Rows[0].bShown);

		HostTest::SetSearchText(View, TEXT("nothing like it"));
		EXPECT_EQ(HostTest::PaintDetailsView(View).Categories.Num(), 0);
		HostTest::SetSearchText(View, TEXT(""));
		EXPECT_EQ(HostTest::PaintDetailsView(View).Categories.Num(), 2);
	}

	TEST_F(PropertyEditorTest, RowsReportWholeRowOrColumnContent)
	{
		FTestCustomization::Layout = [](FTestCustomization&, IDetailLayoutBuilder& Builder)
		{
			IDetailCategoryBuilder& Category = Builder.EditCategory(TEXT("Rows"));
			Category.AddCustomRow(FText::FromString(TEXT("Whole")))[SNew(STextBlock).Text(FText::FromString(TEXT("whole")))];
			Category.AddCustomRow(FText::FromString(TEXT("Columns")), true)
				.NameContent()[SNew(STextBlock).Text(FText::FromString(TEXT("name")))]
				.ValueContent()[SNew(STextBlock).Text(FText::FromString(TEXT("value")))];
		};
		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({MakePackage(TEXT("/Game/Details/Rows"))});
		const HostTest::FDetailPanelLayout Layout = HostTest::GetLayout(View);
		const HostTest::FDetailCategoryLayout* Rows = Layout.FindCategory(TEXT("Rows"));
		ASSERT_NE(Rows, nullptr);
		ASSERT_EQ(Rows->Rows.Num(), 2);
		EXPECT_TRUE(Rows->Rows[0].HasWholeRowContent());
		EXPECT_FALSE(Rows->Rows[0].bAdvanced);
		EXPECT_FALSE(Rows->Rows[1].HasWholeRowContent());
		EXPECT_TRUE(Rows->Rows[1].NameWidget.IsValid() && Rows->Rows[1].ValueWidget.IsValid());
		EXPECT_TRUE(Rows->Rows[1].bAdvanced);
		// Advanced rows wait for their section to be opened.
		EXPECT_FALSE(Rows->Rows[1].bShown);
		HostTest::SetAdvancedExpanded(View, TEXT("Rows"), true);
		HostTest::FPaintedDetailsPanel Painted = HostTest::PaintDetailsView(View);
		ASSERT_EQ(Painted.Categories.Num(), 1);
		ASSERT_EQ(Painted.Categories[0].Rows.Num(), 2);
		EXPECT_EQ(Painted.Categories[0].Rows[1].ValueColumn.Arguments.FindRef(TEXT("Text")), TEXT("value"));
	}

	// ---------------------------------------------------------------- groups

	TEST_F(PropertyEditorTest, ACollapsedGroupPaintsNoRowsUntilTheUserOpensIt)
	{
		int32 ListCalls = 0;
		FTestCustomization::Layout = [&ListCalls](FTestCustomization&, IDetailLayoutBuilder& Builder)
		{
			IDetailGroup& Group = Builder.EditCategory(TEXT("Dependencies")).AddGroup(TEXT("MissingGroup"), FText::FromString(TEXT("Missing Dependencies")), false, false);
			Group.AddWidgetRow()[CountingText(TEXT("A\n"), ListCalls)];
		};
		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({MakePackage(TEXT("/Game/Details/Group"))});

		HostTest::FDetailCategoryLayout Category = *HostTest::GetLayout(View).FindCategory(TEXT("Dependencies"));
		ASSERT_EQ(Category.Rows.Num(), 2);
		EXPECT_EQ(Category.Rows[0].Kind, HostTest::EDetailRowKind::Group);
		EXPECT_EQ(Category.Rows[0].DisplayName, TEXT("Missing Dependencies"));
		EXPECT_FALSE(Category.Rows[0].bExpanded);
		EXPECT_EQ(Category.Rows[1].Depth, 1);
		EXPECT_FALSE(Category.Rows[1].bShown);

		HostTest::PaintDetailsView(View);
		EXPECT_EQ(ListCalls, 0);

		ASSERT_TRUE(HostTest::SetGroupExpanded(View, TEXT("Dependencies"), TEXT("MissingGroup"), true));
		HostTest::FPaintedDetailsPanel Painted = HostTest::PaintDetailsView(View);
		EXPECT_EQ(ListCalls, 1);
		ASSERT_EQ(Painted.Categories[0].Rows.Num(), 2);
		EXPECT_EQ(Painted.Categories[0].Rows[1].WholeRow.Arguments.FindRef(TEXT("Text")), TEXT("A\n"));

		// The user's choice outlives a rebuild of the panel.
		View->ForceRefresh();
		EXPECT_TRUE(HostTest::GetLayout(View).FindCategory(TEXT("Dependencies"))->Rows[0].bExpanded);
		EXPECT_FALSE(HostTest::SetGroupExpanded(View, TEXT("Dependencies"), TEXT("NoSuchGroup"), true));
	}

	/** The texts of the text blocks in the view's widget tree, in tree order, as a walk of GetChildren finds them. */
	static TArray<FString> TextsInWidgetTree(const TSharedRef<SWidget>& Widget)
	{
		TArray<FString> Texts;
		if (Widget->GetType() == FName(TEXT("STextBlock")))
		{
			Texts.Add(StaticCastSharedRef<STextBlock>(Widget)->GetText().ToString());
		}
		if (FChildren* Children = Widget->GetChildren())
		{
			for (int32 Index = 0; Index < Children->Num(); ++Index)
			{
				Texts.Append(TextsInWidgetTree(Children->GetChildAt(Index)));
			}
		}
		return Texts;
	}

	TEST_F(PropertyEditorTest, TheWidgetTreeHoldsTheRowsOnScreenAndFollowsRebuildsAndExpansion)
	{
		FString Label = TEXT("First");
		FTestCustomization::Layout = [&Label](FTestCustomization&, IDetailLayoutBuilder& Builder)
		{
			IDetailCategoryBuilder& Category = Builder.EditCategory(TEXT("Dependencies"));
			Category.AddCustomRow(FText::FromString(TEXT("Row")))[SNew(STextBlock).Text(FText::FromString(Label))];
			IDetailGroup& Group = Category.AddGroup(TEXT("MissingGroup"), FText::FromString(TEXT("Missing Dependencies")), false, false);
			Group.AddWidgetRow()[SNew(STextBlock).Text(FText::FromString(TEXT("In the group")))];
		};
		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({MakePackage(TEXT("/Game/Details/Tree"))});

		EXPECT_EQ(TextsInWidgetTree(View), TArray<FString>({ TEXT("Dependencies"), TEXT("First"), TEXT("Missing Dependencies") }));

		ASSERT_TRUE(HostTest::SetGroupExpanded(View, TEXT("Dependencies"), TEXT("MissingGroup"), true));
		EXPECT_EQ(TextsInWidgetTree(View).Last(), FString(TEXT("In the group")));

		Label = TEXT("Second");
		View->ForceRefresh();
		EXPECT_TRUE(TextsInWidgetTree(View).Contains(TEXT("Second")));
		EXPECT_FALSE(TextsInWidgetTree(View).Contains(TEXT("First")));
	}

	TEST_F(PropertyEditorTest, SearchMatchesAGroupByItsRowsOrItsName)
	{
		FTestCustomization::Layout = [](FTestCustomization&, IDetailLayoutBuilder& Builder)
		{
			IDetailGroup& Group = Builder.EditCategory(TEXT("Deps")).AddGroup(TEXT("G"), FText::FromString(TEXT("Missing Dependencies")), false, true);
			Group.AddWidgetRow().FilterString(FText::FromString(TEXT("Rock")))[SNew(STextBlock)];
			Group.AddWidgetRow().FilterString(FText::FromString(TEXT("Tree")))[SNew(STextBlock)];
		};
		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({MakePackage(TEXT("/Game/Details/GroupSearch"))});

		HostTest::SetSearchText(View, TEXT("rock"));
		HostTest::FPaintedDetailsPanel Painted = HostTest::PaintDetailsView(View);
		ASSERT_EQ(Painted.Categories.Num(), 1);
		EXPECT_EQ(Painted.Categories[0].Rows.Num(), 2) << "the group and its one matching row";

		HostTest::SetSearchText(View, TEXT("missing"));
		Painted = HostTest::PaintDetailsView(View);
		ASSERT_EQ(Painted.Categories.Num(), 1);
		EXPECT_EQ(Painted.Categories[0].Rows.Num(), 3) << "a matching group shows all its rows";
	}

	// ---------------------------------------------------------------- the asset entry box

	class EntryBoxTest : public PropertyEditorTest
	{
	protected:
		void SetUp() override
		{
			PropertyEditorTest::SetUp();
			HostTest::ClearAssetRegistry();
			// Packages stand in for a loaded asset class; the classes of the others are not loaded here.
			HostTest::AddAsset(TEXT("/Game/Pack/SM_Rock"), TEXT("SM_Rock"), TEXT("/Script/CoreUObject.Package"));
			HostTest::AddAsset(TEXT("/Game/Pack/T_Rock"), TEXT("T_Rock"), TEXT("/Script/Engine.Texture2D"));
			HostTest::AddAsset(TEXT("/Game/Other/SM_Tree"), TEXT("SM_Tree"), TEXT("/Script/CoreUObject.Package"));
			HostTest::AddAsset(TEXT("/Game/Pack/X_Unknown"), TEXT("X_Unknown"), TEXT("/Script/Nowhere.Unknown"));
		}

		static TArray<FString> Names(const TArray<FAssetData>& Assets)
		{
			TArray<FString> Result;
			for (const FAssetData& Asset : Assets)
			{
				Result.Add(Asset.AssetName.ToString());
			}
			return Result;
		}
	};

	TEST_F(EntryBoxTest, ReportsGivenArgumentsAndTheEngineDefaultsForTheRest)
	{
		TSharedRef<SObjectPropertyEntryBox> Box = SNew(SObjectPropertyEntryBox)
			.AllowedClass(UObject::StaticClass())
			.AllowClear(false)
			.OnShouldFilterAsset(FOnShouldFilterAsset::CreateLambda([](const FAssetData&) { return false; }));
		const HostTest::FWidgetSnapshot Snapshot = HostTest::PaintWidget(Box);
		EXPECT_EQ(Snapshot.Type, TEXT("SObjectPropertyEntryBox"));
		EXPECT_EQ(Snapshot.GivenArguments.Num(), 3);
		EXPECT_TRUE(Snapshot.GivenArguments.Contains(TEXT("AllowClear")));
		EXPECT_FALSE(Snapshot.GivenArguments.Contains(TEXT("DisplayBrowse")));
		EXPECT_EQ(Snapshot.Arguments.FindRef(TEXT("AllowClear")), TEXT("false"));
		EXPECT_EQ(Snapshot.Arguments.FindRef(TEXT("DisplayBrowse")), TEXT("true"));
		EXPECT_EQ(Snapshot.Arguments.FindRef(TEXT("AllowCreate")), TEXT("false"));
		EXPECT_EQ(Snapshot.Arguments.FindRef(TEXT("DisplayThumbnail")), TEXT("true"));
		EXPECT_EQ(Snapshot.Arguments.FindRef(TEXT("OnShouldFilterAsset")), TEXT("bound"));
		EXPECT_EQ(Snapshot.Arguments.FindRef(TEXT("OnObjectChanged")), TEXT("unbound"));
		EXPECT_EQ(HostTest::GetDisplayedValue(Box), TEXT("None"));
		EXPECT_FALSE(HostTest::HasClearEntry(Box));
		EXPECT_FALSE(HostTest::ClearSelection(Box));
	}

	TEST_F(EntryBoxTest, PickerListsTheAllowedClassAndWhatTheFilterKeeps)
	{
		TSharedRef<SObjectPropertyEntryBox> AnyClass = SNew(SObjectPropertyEntryBox);
		EXPECT_EQ(Names(HostTest::GetPickerEntries(AnyClass)), (TArray<FString>{TEXT("SM_Rock"), TEXT("T_Rock"), TEXT("SM_Tree"), TEXT("X_Unknown")}));
		EXPECT_TRUE(HostTest::HasClearEntry(AnyClass));

		TSharedRef<SObjectPropertyEntryBox> Meshes = SNew(SObjectPropertyEntryBox).AllowedClass(UPackage::StaticClass());
		EXPECT_EQ(Names(HostTest::GetPickerEntries(Meshes)), (TArray<FString>{TEXT("SM_Rock"), TEXT("SM_Tree")}));

		int32 FilterCalls = 0;
		TSharedRef<SObjectPropertyEntryBox> Filtered = SNew(SObjectPropertyEntryBox)
			.OnShouldFilterAsset_Lambda([&FilterCalls](const FAssetData& Asset)
			{
				++FilterCalls;
				return !Asset.PackagePath.ToString().StartsWith(TEXT("/Game/Pack"));
			});
		EXPECT_EQ(Names(HostTest::GetPickerEntries(Filtered)), (TArray<FString>{TEXT("SM_Rock"), TEXT("T_Rock"), TEXT("X_Unknown")}));
		EXPECT_EQ(FilterCalls, 4);
	}

	TEST_F(EntryBoxTest, ShowsTheCurrentObjectOnlyWhenBoundToAPath)
	{
		TSharedRef<SObjectPropertyEntryBox> Box = SNew(SObjectPropertyEntryBox).ObjectPath(TEXT("/Game/Pack/SM_Rock.SM_Rock"));
		EXPECT_EQ(HostTest::GetDisplayedValue(Box), TEXT("SM_Rock"));
		const HostTest::FWidgetSnapshot Snapshot = HostTest::PaintWidget(Box);
		EXPECT_TRUE(Snapshot.GivenArguments.Contains(TEXT("ObjectPath")));
		TSharedRef<SObjectPropertyEntryBox> Empty = SNew(SObjectPropertyEntryBox).ObjectPath(FString());
		EXPECT_EQ(HostTest::GetDisplayedValue(Empty), TEXT("None"));
	}

	TEST_F(EntryBoxTest, PickReportsTheAssetOnceAndSurvivesAPanelRebuildFromItsHandler)
	{
		TArray<FString> Picked;
		FTestCustomization::Layout = [&Picked](FTestCustomization& Self, IDetailLayoutBuilder& Builder)
		{
			TWeakPtr<IDetailCustomization> Weak = Self.AsShared();
			Builder.EditCategory(TEXT("Add")).AddCustomRow(FText::FromString(TEXT("Asset Picker")))
			[
				SNew(SObjectPropertyEntryBox)
				.AllowClear(false)
				.OnObjectChanged_Lambda([Weak, &Picked](const FAssetData& Asset)
				{
					if (TSharedPtr<IDetailCustomization> Pinned = Weak.Pin())
					{
						Picked.Add(Asset.AssetName.ToString());
						// Frees the row holding this box while its callback runs.
						static_cast<FTestCustomization*>(Pinned.Get())->Builder->ForceRefreshDetails();
					}
				})
			];
		};
		TSharedRef<IDetailsView> View = HostTest::OpenDetailsView({MakePackage(TEXT("/Game/Details/Pick"))});
		TArray<TSharedRef<SObjectPropertyEntryBox>> Boxes = HostTest::FindEntryBoxes(View);
		ASSERT_EQ(Boxes.Num(), 1);
		TArray<FAssetData> Offered = HostTest::GetPickerEntries(Boxes[0]);
		ASSERT_FALSE(Offered.IsEmpty());

		TWeakPtr<SObjectPropertyEntryBox> OldBox = Boxes[0];
		EXPECT_TRUE(HostTest::PickAsset(Boxes[0], Offered[0]));
		EXPECT_EQ(Picked, TArray<FString>{TEXT("SM_Rock")});
		EXPECT_EQ(HostTest::GetRefreshCount(View), 2);

		Boxes.Reset();
		EXPECT_FALSE(OldBox.IsValid()) << "the rebuilt panel no longer holds the old box";
		TArray<TSharedRef<SObjectPropertyEntryBox>> NewBoxes = HostTest::FindEntryBoxes(View);
		ASSERT_EQ(NewBoxes.Num(), 1);
		EXPECT_EQ(HostTest::GetDisplayedValue(NewBoxes[0]), TEXT("None"));
	}

	TEST_F(EntryBoxTest, AHiddenAssetCannotBePickedAndAClearEntryReportsNoAsset)
	{
		TArray<FAssetData> Reported;
		TSharedRef<SObjectPropertyEntryBox> Box = SNew(SObjectPropertyEntryBox)
			.AllowedClass(UPackage::StaticClass())
			.OnObjectChanged_Lambda([&Reported](const FAssetData& Asset) { Reported.Add(Asset); });
		const TArray<FAssetData> All = HostTest::GetPickerEntries(SNew(SObjectPropertyEntryBox));
		ASSERT_EQ(All.Num(), 4);
		EXPECT_FALSE(HostTest::PickAsset(Box, All[1])) << "a texture is not offered by a package picker";
		EXPECT_TRUE(Reported.IsEmpty());
		EXPECT_TRUE(HostTest::ClearSelection(Box));
		ASSERT_EQ(Reported.Num(), 1);
		EXPECT_FALSE(Reported[0].IsValid());
	}
}

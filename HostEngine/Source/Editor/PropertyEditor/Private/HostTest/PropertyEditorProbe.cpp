#include "HostTest/PropertyEditorProbe.h"
#include "DetailLayoutBuilderImpl.h"
#include "Modules/ModuleManager.h"
#include "PropertyCustomizationHelpers.h"
#include "PropertyEditorModule.h"
#include "PropertyEditorPrivate.h"
#include "SDetailsView.h"

/** The probe's way into the entry box's private picker. */
struct FObjectPropertyEntryBoxAccess
{
	static TArray<FAssetData> GetPickerEntries(const SObjectPropertyEntryBox& Box) { return Box.GetPickerEntries(); }
	static FOnShouldFilterAsset GetShouldFilterAsset(const SObjectPropertyEntryBox& Box) { return Box.Args._OnShouldFilterAsset; }
	static bool HasClearEntry(const SObjectPropertyEntryBox& Box) { return Box.Args._AllowClear; }
	static FString GetDisplayedValue(const SObjectPropertyEntryBox& Box) { return Box.GetDisplayedValue(); }
	static bool Pick(SObjectPropertyEntryBox& Box, const FAssetData& Asset) { return Box.SetChosenAsset(Asset); }
	static bool Clear(SObjectPropertyEntryBox& Box) { return Box.ClearChosenAsset(); }
};

namespace HostTest
{
	namespace
	{
		// Every view the module makes is an SDetailsView.
		SDetailsView& AsDetailsView(const TSharedRef<IDetailsView>& View)
		{
			return static_cast<SDetailsView&>(View.Get());
		}

		void CollectEntryBoxes(const TSharedPtr<SWidget>& Root, TArray<TSharedRef<SObjectPropertyEntryBox>>& Out)
		{
			if (!Root.IsValid())
			{
				return;
			}
			for (const TSharedRef<SWidget>& Found : FindWidgetsOfType(Root.ToSharedRef(), TEXT("SObjectPropertyEntryBox")))
			{
				Out.Add(StaticCastSharedRef<SObjectPropertyEntryBox>(Found));
			}
		}

		void CollectEntryBoxes(const TArray<FDetailLayoutEntry>& Entries, TArray<TSharedRef<SObjectPropertyEntryBox>>& Out)
		{
			for (const FDetailLayoutEntry& Entry : Entries)
			{
				if (Entry.Row.IsValid())
				{
					CollectEntryBoxes(Entry.Row->WholeRowWidget.Widget, Out);
					CollectEntryBoxes(Entry.Row->NameWidget.Widget, Out);
					CollectEntryBoxes(Entry.Row->ValueWidget.Widget, Out);
				}
				if (Entry.Group.IsValid())
				{
					CollectEntryBoxes(Entry.Group->GetEntries(), Out);
				}
			}
		}
	}

	const FDetailCategoryLayout* FDetailPanelLayout::FindCategory(FName Name) const
	{
		for (const FDetailCategoryLayout& Category : Categories)
		{
			if (Category.Name == Name)
			{
				return &Category;
			}
		}
		return nullptr;
	}

	TSharedRef<IDetailsView> OpenDetailsView(const TArray<UObject*>& Objects)
	{
		FPropertyEditorModule& Module = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
		FDetailsViewArgs Args;
		Args.bHideSelectionTip = true;
		TSharedRef<IDetailsView> View = Module.CreateDetailView(Args);
		View->SetObjects(Objects);
		return View;
	}

	TArray<TSharedRef<IDetailsView>> GetLiveDetailsViews()
	{
		TArray<TSharedRef<IDetailsView>> Views;
		for (const TSharedRef<SDetailsView>& View : PropertyEditorPrivate::GetLiveViews())
		{
			Views.Add(View);
		}
		return Views;
	}

	FDetailPanelLayout GetLayout(const TSharedRef<IDetailsView>& View)
	{
		return PropertyEditorPrivate::DescribePanel(AsDetailsView(View));
	}

	void SetSearchText(const TSharedRef<IDetailsView>& View, const FString& SearchText)
	{
		AsDetailsView(View).SetSearchText(SearchText);
	}

	bool SetGroupExpanded(const TSharedRef<IDetailsView>& View, FName CategoryName, FName GroupName, bool bExpanded)
	{
		const FDetailLayoutBuilderImpl* Layout = AsDetailsView(View).GetLayout();
		if (!Layout)
		{
			return false;
		}
		for (const FDetailCategoryImpl* Category : Layout->GetSortedCategories())
		{
			if (Category->GetCategoryName() != CategoryName)
			{
				continue;
			}
			// Searches nested groups too; a user opens the first group of that name they see.
			TArray<const TArray<FDetailLayoutEntry>*> Pending;
			Pending.Add(&Category->GetEntries());
			while (Pending.Num() > 0)
			{
				const TArray<FDetailLayoutEntry>* Entries = Pending[0];
				Pending.RemoveAt(0);
				for (const FDetailLayoutEntry& Entry : *Entries)
				{
					if (!Entry.Group.IsValid())
					{
						continue;
					}
					if (Entry.Group->GetGroupName() == GroupName)
					{
						Entry.Group->ToggleExpansion(bExpanded);
						return true;
					}
					Pending.Add(&Entry.Group->GetEntries());
				}
			}
		}
		return false;
	}

	void SetAdvancedExpanded(const TSharedRef<IDetailsView>& View, FName CategoryName, bool bExpanded)
	{
		AsDetailsView(View).SetAdvancedExpanded(CategoryName, bExpanded);
	}

	FPaintedDetailsPanel PaintDetailsView(const TSharedRef<IDetailsView>& View)
	{
		return PropertyEditorPrivate::PaintPanel(AsDetailsView(View));
	}

	int32 GetRefreshCount(const TSharedRef<IDetailsView>& View)
	{
		return AsDetailsView(View).GetBuildCount();
	}

	int32 GetLiveCustomizationCount()
	{
		int32 Count = 0;
		for (const TSharedRef<SDetailsView>& View : PropertyEditorPrivate::GetLiveViews())
		{
			Count += View->HasCustomization() ? 1 : 0;
		}
		return Count;
	}

	TArray<FName> GetRegisteredClassLayouts()
	{
		TArray<FName> Names;
		for (const PropertyEditorPrivate::FClassLayoutRecord& Record : PropertyEditorPrivate::GetClassLayouts())
		{
			Names.Add(Record.ClassName);
		}
		return Names;
	}

	TArray<TSharedRef<SObjectPropertyEntryBox>> FindEntryBoxes(const TSharedRef<IDetailsView>& View)
	{
		TArray<TSharedRef<SObjectPropertyEntryBox>> Boxes;
		const FDetailLayoutBuilderImpl* Layout = AsDetailsView(View).GetLayout();
		if (Layout)
		{
			for (const FDetailCategoryImpl* Category : Layout->GetSortedCategories())
			{
				CollectEntryBoxes(Category->GetEntries(), Boxes);
			}
		}
		return Boxes;
	}

	TArray<FAssetData> GetPickerEntries(const TSharedRef<SObjectPropertyEntryBox>& Box)
	{
		return FObjectPropertyEntryBoxAccess::GetPickerEntries(Box.Get());
	}

	FOnShouldFilterAsset GetShouldFilterAsset(const TSharedRef<SObjectPropertyEntryBox>& Box)
	{
		return FObjectPropertyEntryBoxAccess::GetShouldFilterAsset(Box.Get());
	}

	bool HasClearEntry(const TSharedRef<SObjectPropertyEntryBox>& Box)
	{
		return FObjectPropertyEntryBoxAccess::HasClearEntry(Box.Get());
	}

	FString GetDisplayedValue(const TSharedRef<SObjectPropertyEntryBox>& Box)
	{
		return FObjectPropertyEntryBoxAccess::GetDisplayedValue(Box.Get());
	}

	bool PickAsset(const TSharedRef<SObjectPropertyEntryBox>& Box, const FAssetData& Asset)
	{
		// The picker's menu holds the box while it reports the choice, even if the panel is rebuilt.
		const TSharedRef<SObjectPropertyEntryBox> KeepAlive = Box;
		return FObjectPropertyEntryBoxAccess::Pick(KeepAlive.Get(), Asset);
	}

	bool ClearSelection(const TSharedRef<SObjectPropertyEntryBox>& Box)
	{
		const TSharedRef<SObjectPropertyEntryBox> KeepAlive = Box;
		return FObjectPropertyEntryBoxAccess::Clear(KeepAlive.Get());
	}
}

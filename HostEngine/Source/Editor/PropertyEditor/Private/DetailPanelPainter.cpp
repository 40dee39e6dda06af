#include "PropertyEditorPrivate.h"
#include "DetailLayoutBuilderImpl.h"
#include "SDetailsView.h"
#include "HostTest/PropertyEditorProbe.h"
#include "HostTest/SlateProbe.h"

namespace PropertyEditorPrivate
{
	namespace
	{
		TSharedPtr<SWidget> ContentOf(const FDetailWidgetDecl& Decl)
		{
			if (Decl.Widget == SNullWidget::NullWidget)
			{
				return TSharedPtr<SWidget>();
			}
			return Decl.Widget;
		}

		struct FPanelWalker
		{
			const SDetailsView& View;
			const UObject* FirstObject;

			/** An entry is on screen when it passes the view's rules, or its group matched the search as a whole. */
			bool IsShown(const FDetailCategoryImpl& Category, const FDetailLayoutEntry& Entry, bool bGroupMatched) const
			{
				if (bGroupMatched && (Entry.Kind != EDetailEntryKind::CustomRow || Entry.Row->VisibilityAttr.Get() != EVisibility::Collapsed))
				{
					return true;
				}
				return View.IsEntryShown(Category, Entry);
			}

			bool GroupMatches(const FDetailGroupImpl& Group) const
			{
				return !View.GetSearchText().IsEmpty() && View.PassesSearch(Group.GetDisplayName().ToString());
			}

			void Describe(const FDetailCategoryImpl& Category, const TArray<FDetailLayoutEntry>& Entries, int32 Depth, FName GroupName, bool bVisibleParents, bool bGroupMatched, TArray<HostTest::FDetailRowLayout>& Out) const
			{
				for (const FDetailLayoutEntry& Entry : Entries)
				{
					HostTest::FDetailRowLayout Row;
					Row.Depth = Depth;
					Row.GroupName = GroupName;
					Row.bAdvanced = Entry.bAdvanced;
					Row.bShown = bVisibleParents && IsShown(Category, Entry, bGroupMatched);
					switch (Entry.Kind)
					{
					case EDetailEntryKind::CustomRow:
						Row.Kind = HostTest::EDetailRowKind::CustomRow;
						Row.FilterText = Entry.Row->FilterTextString.ToString();
						Row.WholeRowWidget = ContentOf(Entry.Row->WholeRowWidget);
						Row.NameWidget = ContentOf(Entry.Row->NameWidget);
						Row.ValueWidget = ContentOf(Entry.Row->ValueWidget);
						Out.Add(Row);
						break;
					case EDetailEntryKind::Property:
						Row.Kind = HostTest::EDetailRowKind::Property;
						Row.FilterText = Entry.PropertyName.ToString();
						Row.PropertyName = Entry.PropertyName;
						Row.Value = GetPropertyValueText(FirstObject, Entry.PropertyName);
						Out.Add(Row);
						break;
					case EDetailEntryKind::Group:
					{
						const FDetailGroupImpl& Group = *Entry.Group;
						Row.Kind = HostTest::EDetailRowKind::Group;
						Row.GroupName = Group.GetGroupName();
						Row.DisplayName = Group.GetDisplayName().ToString();
						Row.FilterText = Row.DisplayName;
						Row.bStartExpanded = Group.StartsExpanded();
						Row.bExpanded = Group.GetExpansionState();
						Out.Add(Row);
						Describe(Category, Group.GetEntries(), Depth + 1, Group.GetGroupName(), Row.bShown && Row.bExpanded, bGroupMatched || GroupMatches(Group), Out);
						break;
					}
					}
				}
			}

			void Paint(const FDetailCategoryImpl& Category, const TArray<FDetailLayoutEntry>& Entries, int32 Depth, bool bGroupMatched, TArray<HostTest::FPaintedDetailRow>& Out) const
			{
				for (const FDetailLayoutEntry& Entry : Entries)
				{
					if (!IsShown(Category, Entry, bGroupMatched))
					{
						continue;
					}
					HostTest::FPaintedDetailRow Row;
					Row.Depth = Depth;
					switch (Entry.Kind)
					{
					case EDetailEntryKind::CustomRow:
					{
						Row.Kind = HostTest::EDetailRowKind::CustomRow;
						const FDetailWidgetRow& Widgets = *Entry.Row;
						Row.bWholeRow = !Widgets.HasColumns();
						if (Row.bWholeRow)
						{
							Row.WholeRow = HostTest::PaintWidget(Widgets.WholeRowWidget.Widget);
						}
						else
						{
							Row.NameColumn = HostTest::PaintWidget(Widgets.NameWidget.Widget);
							Row.ValueColumn = HostTest::PaintWidget(Widgets.ValueWidget.Widget);
						}
						Out.Add(Row);
						break;
					}
					case EDetailEntryKind::Property:
						Row.Kind = HostTest::EDetailRowKind::Property;
						Row.Label = Entry.PropertyName.ToString();
						Row.Value = GetPropertyValueText(FirstObject, Entry.PropertyName);
						Out.Add(Row);
						break;
					case EDetailEntryKind::Group:
					{
						const FDetailGroupImpl& Group = *Entry.Group;
						const bool bExpanded = Group.GetExpansionState();
						Row.Kind = HostTest::EDetailRowKind::Group;
						Row.Label = Group.GetDisplayName().ToString();
						Row.Value = bExpanded ? TEXT("expanded") : TEXT("collapsed");
						if (const TSharedPtr<FDetailWidgetRow>& Header = Group.GetHeaderRow())
						{
							Row.bWholeRow = !Header->HasColumns();
							if (Row.bWholeRow)
							{
								Row.WholeRow = HostTest::PaintWidget(Header->WholeRowWidget.Widget);
							}
							else
							{
								Row.NameColumn = HostTest::PaintWidget(Header->NameWidget.Widget);
								Row.ValueColumn = HostTest::PaintWidget(Header->ValueWidget.Widget);
							}
						}
						Out.Add(Row);
						// A collapsed group's rows are not drawn, so their getters do not run.
						if (bExpanded)
						{
							Paint(Category, Group.GetEntries(), Depth + 1, bGroupMatched || GroupMatches(Group), Out);
						}
						break;
					}
					}
				}
			}
		};
	}

	HostTest::FDetailPanelLayout DescribePanel(const SDetailsView& View)
	{
		HostTest::FDetailPanelLayout Panel;
		Panel.bHasCustomization = View.HasCustomization();
		// Visibility getters run during the walk; holding the layout keeps a rebuild from freeing it mid-walk.
		const TSharedPtr<FDetailLayoutBuilderImpl> Layout = View.GetLayoutShared();
		if (!Layout.IsValid())
		{
			return Panel;
		}
		const FPanelWalker Walker{View, View.GetFirstObject()};
		for (const FDetailCategoryImpl* Category : Layout->GetSortedCategories())
		{
			HostTest::FDetailCategoryLayout& Out = Panel.Categories[Panel.Categories.Add(HostTest::FDetailCategoryLayout())];
			Out.Name = Category->GetCategoryName();
			Out.DisplayName = Category->GetDisplayName().ToString();
			Out.SortOrder = Category->GetSortOrder();
			Out.Priority = Category->GetPriority();
			Out.bShown = View.IsCategoryShown(*Category);
			Walker.Describe(*Category, Category->GetEntries(), 0, NAME_None, Out.bShown, false, Out.Rows);
		}
		return Panel;
	}

	HostTest::FPaintedDetailsPanel PaintPanel(const SDetailsView& View)
	{
		HostTest::FPaintedDetailsPanel Panel;
		// Held for the whole pass: a getter that rebuilds the panel must not free the layout being walked.
		const TSharedPtr<FDetailLayoutBuilderImpl> Layout = View.GetLayoutShared();
		if (!Layout.IsValid())
		{
			return Panel;
		}
		const FPanelWalker Walker{View, View.GetFirstObject()};
		for (const FDetailCategoryImpl* Category : Layout->GetSortedCategories())
		{
			if (!View.IsCategoryShown(*Category))
			{
				continue;
			}
			HostTest::FPaintedDetailCategory& Out = Panel.Categories[Panel.Categories.Add(HostTest::FPaintedDetailCategory())];
			Out.Name = Category->GetCategoryName();
			Out.DisplayName = Category->GetDisplayName().ToString();
			Walker.Paint(*Category, Category->GetEntries(), 0, false, Out.Rows);
		}
		return Panel;
	}
}

#pragma once

#include "CoreMinimal.h"
#include "DetailsViewArgs.h"
#include "IDetailsView.h"
#include "Widgets/DeclarativeSyntaxSupport.h"

class FDetailCategoryImpl;
class FDetailGroupImpl;
class FDetailLayoutBuilderImpl;
class IDetailCustomization;
struct FDetailLayoutEntry;

/** The details view: builds its layout from the objects' properties and their class customization. */
class SDetailsView : public IDetailsView
{
public:
	SLATE_BEGIN_ARGS(SDetailsView) {}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs, const FDetailsViewArgs& InDetailsViewArgs);
	virtual ~SDetailsView();

	//~ Begin IDetailsView interface
	virtual void SetObjects(const TArray<UObject*>& InObjects, bool bForceRefresh = false, bool bOverrideLock = false) override;
	virtual void SetObjects(const TArray<TWeakObjectPtr<UObject>>& InObjects, bool bForceRefresh = false, bool bOverrideLock = false) override;
	virtual void SetObject(UObject* InObject, bool bForceRefresh = false) override;
	virtual const TArray<TWeakObjectPtr<UObject>>& GetSelectedObjects() const override { return SelectedObjects; }
	virtual void ForceRefresh() override;
	virtual bool IsLocked() const override { return bIsLocked; }
	virtual void SetIsLocked(bool bInIsLocked) override { bIsLocked = bInIsLocked; }
	//~ End IDetailsView interface

	//~ Begin SWidget interface
	virtual void HostPaint(HostTest::FWidgetSnapshot& Out) const override;
	/** The rows on screen: made when the tree is walked after a change, as the editor's view makes them when Slate lays it out. */
	virtual FChildren* GetChildren() override;
	//~ End SWidget interface

	/** The current layout, null before the first build. */
	const FDetailLayoutBuilderImpl* GetLayout() const { return Layout.Get(); }
	TSharedPtr<FDetailLayoutBuilderImpl> GetLayoutShared() const { return Layout; }
	bool HasCustomization() const { return Customization.IsValid(); }
	int32 GetBuildCount() const { return BuildCount; }
	const FDetailsViewArgs& GetViewArgs() const { return ViewArgs; }

	const FString& GetSearchText() const { return SearchText; }
	void SetSearchText(const FString& InSearchText) { SearchText = InSearchText; bRowWidgetsDirty = true; }

	bool IsGroupExpanded(const FString& GroupPath, bool bDefault) const;
	void SetGroupExpanded(const FString& GroupPath, bool bExpanded);
	bool IsAdvancedExpanded(FName CategoryName) const { return AdvancedExpanded.Contains(CategoryName); }
	void SetAdvancedExpanded(FName CategoryName, bool bExpanded);

	/** Whether an entry is on screen now: search, advanced section and visibility applied (not group expansion). */
	bool IsEntryShown(const FDetailCategoryImpl& Category, const FDetailLayoutEntry& Entry) const;
	bool IsCategoryShown(const FDetailCategoryImpl& Category) const;
	bool PassesSearch(const FString& Text) const;

	/** The objects the layout shows; the first valid one decides the class. */
	UObject* GetFirstObject() const;

private:
	void SetObjectArray(const TArray<TWeakObjectPtr<UObject>>& InObjects, bool bForceRefresh);
	void Rebuild();
	/** Puts the widgets of the rows on screen into the view's child slot: category titles, rows, group titles. */
	void GenerateRowWidgets();
	void AddRowWidgets(class SVerticalBox& Box, const FDetailCategoryImpl& Category, const TArray<FDetailLayoutEntry>& Entries, bool bGroupMatched);
	void AddPropertyRows(FDetailLayoutBuilderImpl& NewLayout) const;
	bool IsGroupShown(const FDetailCategoryImpl& Category, const FDetailGroupImpl& Group) const;

	FDetailsViewArgs ViewArgs;
	TArray<TWeakObjectPtr<UObject>> SelectedObjects;
	TSharedPtr<FDetailLayoutBuilderImpl> Layout;
	TSharedPtr<IDetailCustomization> Customization;
	TMap<FString, bool> GroupExpansion;
	TArray<FName> AdvancedExpanded;
	FString SearchText;
	int32 BuildCount = 0;
	bool bIsBuilding = false;
	bool bRebuildRequested = false;
	bool bIsLocked = false;
	/** The build whose row widgets the child slot holds; -1 before the first. */
	int32 GeneratedBuildCount = -1;
	bool bRowWidgetsDirty = true;
	/** The host's paint reports the rows itself; the row widgets are not made for it. */
	mutable bool bHostPainting = false;
};

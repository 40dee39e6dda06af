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
	//~ End SWidget interface

	/** The current layout, null before the first build. */
	const FDetailLayoutBuilderImpl* GetLayout() const { return Layout.Get(); }
	TSharedPtr<FDetailLayoutBuilderImpl> GetLayoutShared() const { return Layout; }
	bool HasCustomization() const { return Customization.IsValid(); }
	int32 GetBuildCount() const { return BuildCount; }
	const FDetailsViewArgs& GetViewArgs() const { return ViewArgs; }

	const FString& GetSearchText() const { return SearchText; }
	void SetSearchText(const FString& InSearchText) { SearchText = InSearchText; }

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
};

#pragma once

#include "CoreMinimal.h"

class SDockTab;

/** Names a tab kind (and an instance of it, when several may be open). */
struct FTabId
{
	FTabId() = default;

	FTabId(const FName& InTabType, const int32 InInstanceId = INDEX_NONE)
		: TabType(InTabType)
		, InstanceId(InInstanceId)
	{
	}

	FName TabType;
	int32 InstanceId = INDEX_NONE;
};

/** Opens and arranges the tabs of a window. */
class FTabManager : public TSharedFromThis<FTabManager>
{
public:
	virtual ~FTabManager() = default;

	/** Brings the tab to the front, opening it where it was last placed; null when no such tab is registered. */
	SLATE_API TSharedPtr<SDockTab> TryInvokeTab(const FTabId& TabId, bool bInvokeAsInactive = false);

protected:
	FTabManager() = default;
};

/** The editor's tab manager, which knows the tabs of every module (the output log, the message log...). */
class FGlobalTabmanager : public FTabManager
{
public:
	static SLATE_API const TSharedRef<FGlobalTabmanager>& Get();

private:
	friend class FSlateHostTabs;
	FGlobalTabmanager() = default;
};

#include "Framework/Docking/TabManager.h"

#include "HostTest/NotificationProbe.h"

namespace SlateHostTabs
{
	TArray<FName>& InvokedTabs()
	{
		static TArray<FName> Tabs;
		return Tabs;
	}
}

class FSlateHostTabs
{
public:
	static TSharedRef<FGlobalTabmanager> Make()
	{
		return MakeShareable(new FGlobalTabmanager());
	}
};

TSharedPtr<SDockTab> FTabManager::TryInvokeTab(const FTabId& TabId, bool bInvokeAsInactive)
{
	// The host draws no tabs: it notes which one was asked for.
	SlateHostTabs::InvokedTabs().Add(TabId.TabType);
	return nullptr;
}

const TSharedRef<FGlobalTabmanager>& FGlobalTabmanager::Get()
{
	static const TSharedRef<FGlobalTabmanager> Instance = FSlateHostTabs::Make();
	return Instance;
}

namespace HostTest
{
	TArray<FName> GetInvokedTabs()
	{
		return SlateHostTabs::InvokedTabs();
	}

	void ClearInvokedTabs()
	{
		SlateHostTabs::InvokedTabs().Reset();
	}
}

#include "HostTest/SlateProbe.h"
#include "Widgets/Input/SButton.h"

struct FButtonAccess
{
	static FReply ExecuteOnClick(SButton& Button)
	{
		return Button.ExecuteOnClick();
	}
};

namespace HostTest
{
	FReply ClickButton(const TSharedRef<SButton>& Button)
	{
		// Slate's event routing holds the widgets under the pointer while it delivers an event, so a handler that
		// drops the last other reference to its button does not destroy the button under its own call.
		const TSharedRef<SButton> KeepAlive = Button;
		if (!KeepAlive->IsEnabled() || KeepAlive->GetVisibility() != EVisibility::Visible)
		{
			return FReply::Unhandled();
		}
		return FButtonAccess::ExecuteOnClick(KeepAlive.Get());
	}
}

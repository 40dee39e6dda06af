#include "Framework/Notifications/NotificationManager.h"
#include "Async/Async.h"
#include "HostTest/NotificationProbe.h"

namespace
{
	/** The list's item: keeps what it was given, and the state the user would see. */
	class SNotificationItemImpl final : public SNotificationItem
	{
	public:
		explicit SNotificationItemImpl(const FNotificationInfo& InInfo)
			: Info(InInfo)
			, Text(InInfo.Text)
			, SubText(InInfo.SubText)
		{
		}

		virtual void SetText(const TAttribute<FText>& InText) override
		{
			Text = InText;
		}

		virtual void SetSubText(const TAttribute<FText>& InSubText) override
		{
			SubText = InSubText;
		}

		virtual void SetCompletionState(ECompletionState State) override
		{
			CompletionState = State;
		}

		virtual ECompletionState GetCompletionState() const override
		{
			return CompletionState;
		}

		virtual void SetExpireDuration(float InExpireDuration) override
		{
			Info.ExpireDuration = InExpireDuration;
		}

		virtual void SetFadeInDuration(float InFadeInDuration) override
		{
			Info.FadeInDuration = InFadeInDuration;
		}

		virtual void SetFadeOutDuration(float InFadeOutDuration) override
		{
			Info.FadeOutDuration = InFadeOutDuration;
		}

		virtual void SetHyperlink(const FSimpleDelegate& InHyperlink, const TAttribute<FText>& InHyperlinkText) override
		{
			Info.Hyperlink = InHyperlink;
			Info.HyperlinkText = InHyperlinkText;
		}

		virtual void ExpireAndFadeout() override
		{
			bFadedOut = true;
		}

		virtual void Fadeout() override
		{
			bFadedOut = true;
		}

		virtual void Pulse(const FLinearColor& GlowColor) override
		{
			++PulseCount;
		}

		HostTest::FShownNotification Describe() const
		{
			HostTest::FShownNotification Shown;
			Shown.Text = Text.Get(FText()).ToString();
			Shown.SubText = SubText.Get(FText()).ToString();
			Shown.State = CompletionState;
			Shown.bThrobberShown = Info.bUseThrobber && CompletionState == CS_Pending && !bFadedOut;
			Shown.bFireAndForget = Info.bFireAndForget;
			Shown.bFadedOut = bFadedOut;
			Shown.PulseCount = PulseCount;
			for (const FNotificationButtonInfo& Button : Info.ButtonDetails)
			{
				if (IsButtonVisible(Button))
				{
					Shown.VisibleButtons.Add(Button.Text.Get(FText()).ToString());
				}
			}
			return Shown;
		}

		bool Click(const FString& ButtonText) const
		{
			if (bFadedOut)
			{
				return false;
			}
			for (const FNotificationButtonInfo& Button : Info.ButtonDetails)
			{
				if (IsButtonVisible(Button) && Button.Text.Get(FText()).ToString().Equals(ButtonText, ESearchCase::CaseSensitive))
				{
					// Call a copy: the callback may drop the last reference to this item.
					const FSimpleDelegate Callback = Button.Callback;
					Callback.ExecuteIfBound();
					return true;
				}
			}
			return false;
		}

	private:
		bool IsButtonVisible(const FNotificationButtonInfo& Button) const
		{
			switch (CompletionState)
			{
			case CS_Pending:
				return Button.VisibilityOnPending == EVisibility::Visible;
			case CS_Success:
				return Button.VisibilityOnSuccess == EVisibility::Visible;
			case CS_Fail:
				return Button.VisibilityOnFail == EVisibility::Visible;
			default:
				return Button.VisibilityOnNone == EVisibility::Visible;
			}
		}

		FNotificationInfo Info;
		TAttribute<FText> Text;
		TAttribute<FText> SubText;
		ECompletionState CompletionState = CS_None;
		bool bFadedOut = false;
		int32 PulseCount = 0;
	};

	TArray<TSharedRef<SNotificationItemImpl>>& GetShown()
	{
		static TArray<TSharedRef<SNotificationItemImpl>> Shown;
		return Shown;
	}
}

FSlateNotificationManager& FSlateNotificationManager::Get()
{
	static FSlateNotificationManager Instance;
	return Instance;
}

TSharedPtr<SNotificationItem> FSlateNotificationManager::AddNotification(const FNotificationInfo& Info)
{
	check(IsInGameThread());
	TSharedRef<SNotificationItemImpl> Item = MakeShareable(new SNotificationItemImpl(Info));
	// Fire-and-forget notifications fade out by themselves; the host has no clock, so they are
	// listed as shown and faded at once.
	if (Info.bFireAndForget)
	{
		Item->ExpireAndFadeout();
	}
	GetShown().Add(Item);
	return Item;
}

void FSlateNotificationManager::QueueNotification(FNotificationInfo* Info)
{
	AsyncTask(ENamedThreads::GameThread, [Info]()
	{
		FSlateNotificationManager::Get().AddNotification(*Info);
		delete Info;
	});
}

namespace HostTest
{
	TArray<FShownNotification> GetShownNotifications()
	{
		TArray<FShownNotification> Result;
		for (const TSharedRef<SNotificationItemImpl>& Item : GetShown())
		{
			Result.Add(Item->Describe());
		}
		return Result;
	}

	bool ClickNotificationButton(int32 Index, const FString& ButtonText)
	{
		if (!GetShown().IsValidIndex(Index))
		{
			return false;
		}
		// Hold the item across the click.
		const TSharedRef<SNotificationItemImpl> Item = GetShown()[Index];
		return Item->Click(ButtonText);
	}

	void ClearShownNotifications()
	{
		GetShown().Empty();
	}
}

#pragma once

#include "CoreMinimal.h"
#include "Math/Vector2D.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

/**
 * A top-level window. The host has no desktop: a window holds its content and its settings, and the
 * application keeps the windows added to it.
 */
class SLATECORE_API SWindow : public SCompoundWidget
{
	SLATE_DECLARE_WIDGET(SWindow, SCompoundWidget)

public:
	SLATE_BEGIN_ARGS(SWindow)
		: _ClientSize(FVector2D(0.0, 0.0))
		, _SupportsMaximize(true)
		, _SupportsMinimize(true)
	{
	}
		SLATE_DEFAULT_SLOT(FArguments, Content)
		SLATE_ATTRIBUTE(FText, Title)
		SLATE_ARGUMENT(FVector2D, ClientSize)
		SLATE_ARGUMENT(bool, SupportsMaximize)
		SLATE_ARGUMENT(bool, SupportsMinimize)
	SLATE_END_ARGS()

	SWindow();
	virtual ~SWindow();

	void Construct(const FArguments& InArgs);

	void SetContent(TSharedRef<SWidget> InContent);
	TSharedRef<const SWidget> GetContent() const;

	FText GetTitle() const
	{
		return Title.Get(FText::GetEmpty());
	}

	FVector2D GetClientSizeInScreen() const
	{
		return ClientSize;
	}

	/** Asks the application to close the window; the host closes it at once. */
	void RequestDestroyWindow();

private:
	TAttribute<FText> Title;
	FVector2D ClientSize;
	bool bHasMaximizeButton;
	bool bHasMinimizeButton;
};

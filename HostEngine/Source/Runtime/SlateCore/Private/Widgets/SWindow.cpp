#include "Widgets/SWindow.h"

#include "Widgets/SNullWidget.h"

SWindow::SWindow()
	: ClientSize(0.0, 0.0)
	, bHasMaximizeButton(true)
	, bHasMinimizeButton(true)
{
}

SWindow::~SWindow() = default;

void SWindow::Construct(const FArguments& InArgs)
{
	Title = InArgs._Title;
	ClientSize = InArgs._ClientSize;
	bHasMaximizeButton = InArgs._SupportsMaximize;
	bHasMinimizeButton = InArgs._SupportsMinimize;
	ChildSlot
	[
		InArgs._Content.Widget
	];
}

void SWindow::SetContent(TSharedRef<SWidget> InContent)
{
	ChildSlot[InContent];
}

TSharedRef<const SWidget> SWindow::GetContent() const
{
	return ChildSlot.GetWidget();
}

void SWindow::RequestDestroyWindow()
{
	// Closing drops the content, as a destroyed window releases its widgets.
	ChildSlot[SNullWidget::NullWidget];
}

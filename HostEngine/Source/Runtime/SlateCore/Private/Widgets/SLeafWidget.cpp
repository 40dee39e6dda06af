#include "Widgets/SLeafWidget.h"

SLeafWidget::SLeafWidget() = default;

SLeafWidget::~SLeafWidget() = default;

FChildren* SLeafWidget::GetChildren()
{
	return &FNoChildren::NoChildrenInstance;
}

void SLeafWidget::SetVisibility(TAttribute<EVisibility> InVisibility)
{
	SWidget::SetVisibility(MoveTemp(InVisibility));
}

#include "Widgets/SNullWidget.h"
#include "Widgets/SLeafWidget.h"

namespace
{
	/** Draws nothing, takes no space and no input. */
	class SNullWidgetContent final : public SLeafWidget
	{
	public:
		SNullWidgetContent()
		{
			SetDebugInfo("SNullWidget", __FILE__, __LINE__, sizeof(SNullWidgetContent));
			SWidget::SetVisibility(EVisibility::SelfHitTestInvisible);
		}

		virtual void SetVisibility(TAttribute<EVisibility> InVisibility) override
		{
			checkf(false, TEXT("The null widget is shared; its visibility cannot be set"));
		}
	};
}

TSharedRef<SWidget> SNullWidget::NullWidget = MakeShared<SNullWidgetContent>();

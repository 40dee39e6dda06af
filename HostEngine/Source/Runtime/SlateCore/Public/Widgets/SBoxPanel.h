#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "Layout/BasicLayoutWidgetSlot.h"
#include "Layout/Children.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

#include <memory>

/** How a box slot takes its size along the box. */
struct FSizeParam
{
	enum ESizeRule
	{
		/** The child's desired size. */
		SizeRule_Auto,
		/** A share of the space left, in proportion to the slot's coefficient. */
		SizeRule_Stretch,
		/** A share in proportion to the child's desired size. */
		SizeRule_StretchContent,
	};
};

/** Children laid out in a row or a column. */
class SLATECORE_API SBoxPanel : public SPanel
{
	SLATE_DECLARE_WIDGET(SBoxPanel, SPanel)

public:
	/** A slot of a box: fills by default (coefficient 1), or takes its child's size when set to auto. */
	template<typename SlotType>
	class TSlot : public TBasicLayoutWidgetSlot<SlotType>
	{
	public:
		TSlot()
			: TBasicLayoutWidgetSlot<SlotType>(HAlign_Fill, VAlign_Fill)
		{
		}

		FSizeParam::ESizeRule GetSizeRule() const
		{
			return SizeRule;
		}

		float GetSizeValue() const
		{
			return SizeValue.Get(1.0f);
		}

		float GetShrinkSizeValue() const
		{
			return ShrinkSizeValue.Get(1.0f);
		}

		float GetMaxSize() const
		{
			return MaxSize.Get(0.0f);
		}

		float GetMinSize() const
		{
			return MinSize.Get(0.0f);
		}

	protected:
		void SetSizeToAuto()
		{
			SizeRule = FSizeParam::SizeRule_Auto;
		}

		void SetSizeToStretch(TAttribute<float> InStretchCoefficient)
		{
			SizeRule = FSizeParam::SizeRule_Stretch;
			SizeValue = MoveTemp(InStretchCoefficient);
		}

		void SetSizeToStretchContent(TAttribute<float> InStretchCoefficient, TAttribute<float> InShrinkCoefficient)
		{
			SizeRule = FSizeParam::SizeRule_StretchContent;
			SizeValue = MoveTemp(InStretchCoefficient);
			ShrinkSizeValue = MoveTemp(InShrinkCoefficient);
		}

		void SetMaxSizeValue(TAttribute<float> InMaxSize)
		{
			MaxSize = MoveTemp(InMaxSize);
		}

		void SetMinSizeValue(TAttribute<float> InMinSize)
		{
			MinSize = MoveTemp(InMinSize);
		}

		/** Host: reports the size settings under the names the box's slot arguments use. */
		void HostPaintSize(HostTest::FWidgetSnapshot& Out, const TCHAR* AutoName, const TCHAR* FillName, const TCHAR* FillContentName, const TCHAR* MaxName, const TCHAR* MinName) const
		{
			const TCHAR* RuleName = SizeRule == FSizeParam::SizeRule_Auto ? TEXT("Auto") : SizeRule == FSizeParam::SizeRule_Stretch ? TEXT("Fill") : TEXT("FillContent");
			FSlotBase::HostReportSlotArgument(Out, TEXT("SizeRule"), FString(RuleName));
			FSlotBase::HostReportSlotArgument(Out, AutoName, SizeRule == FSizeParam::SizeRule_Auto);
			FSlotBase::HostReportSlotArgument(Out, FillName, GetSizeValue());
			FSlotBase::HostReportSlotArgument(Out, FillContentName, SizeRule == FSizeParam::SizeRule_StretchContent);
			FSlotBase::HostReportSlotArgument(Out, MaxName, GetMaxSize());
			FSlotBase::HostReportSlotArgument(Out, MinName, GetMinSize());
		}

	private:
		FSizeParam::ESizeRule SizeRule = FSizeParam::SizeRule_Stretch;
		TAttribute<float> SizeValue = 1.0f;
		TAttribute<float> ShrinkSizeValue = 1.0f;
		TAttribute<float> MaxSize = 0.0f;
		TAttribute<float> MinSize = 0.0f;
	};

	EOrientation GetOrientation() const
	{
		return Orientation;
	}

protected:
	explicit SBoxPanel(EOrientation InOrientation);
	virtual ~SBoxPanel();

	EOrientation Orientation;
};

/** Children side by side, left to right. */
class SLATECORE_API SHorizontalBox : public SBoxPanel
{
	SLATE_DECLARE_WIDGET(SHorizontalBox, SBoxPanel)

public:
	class SLATECORE_API FSlot : public SBoxPanel::TSlot<FSlot>
	{
	public:
		FSlot();

		struct FSlotArguments : public SBoxPanel::TSlot<FSlot>::FSlotArguments
		{
			using SBoxPanel::TSlot<FSlot>::FSlotArguments::FSlotArguments;

			/** The slot takes its child's desired width. */
			FSlotArguments& AutoWidth()
			{
				GetSlot()->SetAutoWidth();
				GetSlot()->HostRecordGivenSlotArgument("AutoWidth");
				return *this;
			}

			/** The slot takes this share of the width left over. */
			FSlotArguments& FillWidth(TAttribute<float> InStretchCoefficient)
			{
				GetSlot()->SetFillWidth(MoveTemp(InStretchCoefficient));
				GetSlot()->HostRecordGivenSlotArgument("FillWidth");
				return *this;
			}

			FSlotArguments& FillContentWidth(TAttribute<float> InFillContentWidth, TAttribute<float> InShrinkWidth = 1.0f)
			{
				GetSlot()->SetFillContentWidth(MoveTemp(InFillContentWidth), MoveTemp(InShrinkWidth));
				GetSlot()->HostRecordGivenSlotArgument("FillContentWidth");
				return *this;
			}

			FSlotArguments& MaxWidth(TAttribute<float> InMaxWidth)
			{
				GetSlot()->SetMaxWidth(MoveTemp(InMaxWidth));
				GetSlot()->HostRecordGivenSlotArgument("MaxWidth");
				return *this;
			}

			FSlotArguments& MinWidth(TAttribute<float> InMinWidth)
			{
				GetSlot()->SetMinWidth(MoveTemp(InMinWidth));
				GetSlot()->HostRecordGivenSlotArgument("MinWidth");
				return *this;
			}
		};

		void SetAutoWidth()
		{
			SetSizeToAuto();
		}

		void SetFillWidth(TAttribute<float> InStretchCoefficient)
		{
			SetSizeToStretch(MoveTemp(InStretchCoefficient));
		}

		void SetFillContentWidth(TAttribute<float> InFillContentWidth, TAttribute<float> InShrinkWidth = 1.0f)
		{
			SetSizeToStretchContent(MoveTemp(InFillContentWidth), MoveTemp(InShrinkWidth));
		}

		void SetMaxWidth(TAttribute<float> InMaxWidth)
		{
			SetMaxSizeValue(MoveTemp(InMaxWidth));
		}

		void SetMinWidth(TAttribute<float> InMinWidth)
		{
			SetMinSizeValue(MoveTemp(InMinWidth));
		}

		virtual void HostPaintSlot(HostTest::FWidgetSnapshot& Out) const override;
	};

	SLATE_BEGIN_ARGS(SHorizontalBox)
	{
	}
		SLATE_SLOT_ARGUMENT(FSlot, Slots)
	SLATE_END_ARGS()

	static FSlot::FSlotArguments Slot()
	{
		return FSlot::FSlotArguments(std::make_shared<FSlot>());
	}

	using FScopedWidgetSlotArguments = TPanelChildren<FSlot>::FScopedWidgetSlotArguments;

	/** Adds a slot at the end; `AddSlot().AutoWidth()[ Widget ]`. */
	FScopedWidgetSlotArguments AddSlot()
	{
		return InsertSlot(INDEX_NONE);
	}

	FScopedWidgetSlotArguments InsertSlot(int32 Index = INDEX_NONE)
	{
		return FScopedWidgetSlotArguments(std::make_shared<FSlot>(), Children, Index);
	}

	/** Removes the slot holding the widget; gives its former index, or INDEX_NONE. */
	int32 RemoveSlot(const TSharedRef<SWidget>& SlotWidget);

	void ClearChildren();

	int32 NumSlots() const
	{
		return Children.Num();
	}

	bool IsValidSlotIndex(int32 Index) const
	{
		return Children.IsValidIndex(Index);
	}

	FSlot& GetSlot(int32 SlotIndex);
	const FSlot& GetSlot(int32 SlotIndex) const;

	SHorizontalBox();

	void Construct(const FArguments& InArgs);

	virtual FChildren* GetChildren() override
	{
		return &Children;
	}

protected:
	TPanelChildren<FSlot> Children;
};

/** Children stacked top to bottom. */
class SLATECORE_API SVerticalBox : public SBoxPanel
{
	SLATE_DECLARE_WIDGET(SVerticalBox, SBoxPanel)

public:
	class SLATECORE_API FSlot : public SBoxPanel::TSlot<FSlot>
	{
	public:
		FSlot();

		struct FSlotArguments : public SBoxPanel::TSlot<FSlot>::FSlotArguments
		{
			using SBoxPanel::TSlot<FSlot>::FSlotArguments::FSlotArguments;

			/** The slot takes its child's desired height. */
			FSlotArguments& AutoHeight()
			{
				GetSlot()->SetAutoHeight();
				GetSlot()->HostRecordGivenSlotArgument("AutoHeight");
				return *this;
			}

			/** The slot takes this share of the height left over. */
			FSlotArguments& FillHeight(TAttribute<float> InStretchCoefficient)
			{
				GetSlot()->SetFillHeight(MoveTemp(InStretchCoefficient));
				GetSlot()->HostRecordGivenSlotArgument("FillHeight");
				return *this;
			}

			FSlotArguments& FillContentHeight(TAttribute<float> InFillContentHeight, TAttribute<float> InShrinkHeight = 1.0f)
			{
				GetSlot()->SetFillContentHeight(MoveTemp(InFillContentHeight), MoveTemp(InShrinkHeight));
				GetSlot()->HostRecordGivenSlotArgument("FillContentHeight");
				return *this;
			}

			FSlotArguments& MaxHeight(TAttribute<float> InMaxHeight)
			{
				GetSlot()->SetMaxHeight(MoveTemp(InMaxHeight));
				GetSlot()->HostRecordGivenSlotArgument("MaxHeight");
				return *this;
			}

			FSlotArguments& MinHeight(TAttribute<float> InMinHeight)
			{
				GetSlot()->SetMinHeight(MoveTemp(InMinHeight));
				GetSlot()->HostRecordGivenSlotArgument("MinHeight");
				return *this;
			}
		};

		void SetAutoHeight()
		{
			SetSizeToAuto();
		}

		void SetFillHeight(TAttribute<float> InStretchCoefficient)
		{
			SetSizeToStretch(MoveTemp(InStretchCoefficient));
		}

		void SetFillContentHeight(TAttribute<float> InFillContentHeight, TAttribute<float> InShrinkHeight = 1.0f)
		{
			SetSizeToStretchContent(MoveTemp(InFillContentHeight), MoveTemp(InShrinkHeight));
		}

		void SetMaxHeight(TAttribute<float> InMaxHeight)
		{
			SetMaxSizeValue(MoveTemp(InMaxHeight));
		}

		void SetMinHeight(TAttribute<float> InMinHeight)
		{
			SetMinSizeValue(MoveTemp(InMinHeight));
		}

		virtual void HostPaintSlot(HostTest::FWidgetSnapshot& Out) const override;
	};

	SLATE_BEGIN_ARGS(SVerticalBox)
	{
	}
		SLATE_SLOT_ARGUMENT(FSlot, Slots)
	SLATE_END_ARGS()

	static FSlot::FSlotArguments Slot()
	{
		return FSlot::FSlotArguments(std::make_shared<FSlot>());
	}

	using FScopedWidgetSlotArguments = TPanelChildren<FSlot>::FScopedWidgetSlotArguments;

	/** Adds a slot at the end; `AddSlot().AutoHeight()[ Widget ]`. */
	FScopedWidgetSlotArguments AddSlot()
	{
		return InsertSlot(INDEX_NONE);
	}

	FScopedWidgetSlotArguments InsertSlot(int32 Index = INDEX_NONE)
	{
		return FScopedWidgetSlotArguments(std::make_shared<FSlot>(), Children, Index);
	}

	int32 RemoveSlot(const TSharedRef<SWidget>& SlotWidget);

	void ClearChildren();

	int32 NumSlots() const
	{
		return Children.Num();
	}

	bool IsValidSlotIndex(int32 Index) const
	{
		return Children.IsValidIndex(Index);
	}

	FSlot& GetSlot(int32 SlotIndex);
	const FSlot& GetSlot(int32 SlotIndex) const;

	SVerticalBox();

	void Construct(const FArguments& InArgs);

	virtual FChildren* GetChildren() override
	{
		return &Children;
	}

protected:
	TPanelChildren<FSlot> Children;
};

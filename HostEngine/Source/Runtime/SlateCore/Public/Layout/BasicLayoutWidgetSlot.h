#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "Layout/Children.h"
#include "Layout/Margin.h"
#include "SlotBase.h"
#include "Types/SlateEnums.h"
#include "Widgets/InvalidateWidgetReason.h"

/** Padding for a slot type; its FSlotArgumentsMixin adds the Padding arguments to the slot's FSlotArguments. */
template<typename MixedIntoType, EInvalidateWidgetReason InPaddingInvalidationReason = EInvalidateWidgetReason::Layout>
class TPaddingWidgetSlotMixin
{
public:
	TPaddingWidgetSlotMixin() = default;

	explicit TPaddingWidgetSlotMixin(const FMargin& InPadding)
		: SlotPadding(InPadding)
	{
	}

	struct FSlotArgumentsMixin
	{
		typename MixedIntoType::FSlotArguments& Padding(TAttribute<FMargin> InPadding)
		{
			return SetOnSlot(MoveTemp(InPadding));
		}

		typename MixedIntoType::FSlotArguments& Padding(float Uniform)
		{
			return SetOnSlot(FMargin(Uniform));
		}

		typename MixedIntoType::FSlotArguments& Padding(float Horizontal, float Vertical)
		{
			return SetOnSlot(FMargin(Horizontal, Vertical));
		}

		typename MixedIntoType::FSlotArguments& Padding(float Left, float Top, float Right, float Bottom)
		{
			return SetOnSlot(FMargin(Left, Top, Right, Bottom));
		}

	private:
		typename MixedIntoType::FSlotArguments& SetOnSlot(TAttribute<FMargin> InPadding)
		{
			auto& Arguments = static_cast<typename MixedIntoType::FSlotArguments&>(*this);
			Arguments.GetSlot()->SetPadding(MoveTemp(InPadding));
			Arguments.GetSlot()->HostRecordGivenSlotArgument("Padding");
			return Arguments;
		}
	};

	void SetPadding(TAttribute<FMargin> InPadding)
	{
		SlotPadding = MoveTemp(InPadding);
	}

	/** The padding now (a bound padding is read each time). */
	FMargin GetPadding() const
	{
		return SlotPadding.Get(FMargin());
	}

	MixedIntoType& Padding(TAttribute<FMargin> InPadding)
	{
		SetPadding(MoveTemp(InPadding));
		return static_cast<MixedIntoType&>(*this);
	}

	MixedIntoType& Padding(float Uniform)
	{
		return Padding(FMargin(Uniform));
	}

	MixedIntoType& Padding(float Horizontal, float Vertical)
	{
		return Padding(FMargin(Horizontal, Vertical));
	}

	MixedIntoType& Padding(float Left, float Top, float Right, float Bottom)
	{
		return Padding(FMargin(Left, Top, Right, Bottom));
	}

protected:
	TAttribute<FMargin> SlotPadding = FMargin();
};

/** Horizontal and vertical alignment for a slot type. */
template<typename MixedIntoType>
class TAlignmentWidgetSlotMixin
{
public:
	TAlignmentWidgetSlotMixin()
		: HAlignment(HAlign_Fill)
		, VAlignment(VAlign_Fill)
	{
	}

	TAlignmentWidgetSlotMixin(const EHorizontalAlignment InHAlign, const EVerticalAlignment InVAlign)
		: HAlignment(InHAlign)
		, VAlignment(InVAlign)
	{
	}

	struct FSlotArgumentsMixin
	{
		typename MixedIntoType::FSlotArguments& HAlign(EHorizontalAlignment InHAlignment)
		{
			auto& Arguments = static_cast<typename MixedIntoType::FSlotArguments&>(*this);
			Arguments.GetSlot()->SetHorizontalAlignment(InHAlignment);
			Arguments.GetSlot()->HostRecordGivenSlotArgument("HAlign");
			return Arguments;
		}

		typename MixedIntoType::FSlotArguments& VAlign(EVerticalAlignment InVAlignment)
		{
			auto& Arguments = static_cast<typename MixedIntoType::FSlotArguments&>(*this);
			Arguments.GetSlot()->SetVerticalAlignment(InVAlignment);
			Arguments.GetSlot()->HostRecordGivenSlotArgument("VAlign");
			return Arguments;
		}
	};

	void SetHorizontalAlignment(EHorizontalAlignment Alignment)
	{
		HAlignment = Alignment;
	}

	EHorizontalAlignment GetHorizontalAlignment() const
	{
		return HAlignment;
	}

	void SetVerticalAlignment(EVerticalAlignment Alignment)
	{
		VAlignment = Alignment;
	}

	EVerticalAlignment GetVerticalAlignment() const
	{
		return VAlignment;
	}

	MixedIntoType& HAlign(EHorizontalAlignment InHAlignment)
	{
		HAlignment = InHAlignment;
		return static_cast<MixedIntoType&>(*this);
	}

	MixedIntoType& VAlign(EVerticalAlignment InVAlignment)
	{
		VAlignment = InVAlignment;
		return static_cast<MixedIntoType&>(*this);
	}

protected:
	EHorizontalAlignment HAlignment;
	EVerticalAlignment VAlignment;
};

/** A slot with padding and alignment: what most panels' slots build on. */
template<typename SlotType>
class TBasicLayoutWidgetSlot
	: public TSlotBase<SlotType>
	, public TPaddingWidgetSlotMixin<SlotType>
	, public TAlignmentWidgetSlotMixin<SlotType>
{
public:
	TBasicLayoutWidgetSlot() = default;

	TBasicLayoutWidgetSlot(const EHorizontalAlignment InHAlign, const EVerticalAlignment InVAlign)
		: TAlignmentWidgetSlotMixin<SlotType>(InHAlign, InVAlign)
	{
	}

	struct FSlotArguments
		: public TSlotBase<SlotType>::FSlotArguments
		, public TPaddingWidgetSlotMixin<SlotType>::FSlotArgumentsMixin
		, public TAlignmentWidgetSlotMixin<SlotType>::FSlotArgumentsMixin
	{
		using TSlotBase<SlotType>::FSlotArguments::FSlotArguments;
	};

	// Chained calls on the slot itself, as older code writes them.
	using TPaddingWidgetSlotMixin<SlotType>::Padding;
	using TAlignmentWidgetSlotMixin<SlotType>::HAlign;
	using TAlignmentWidgetSlotMixin<SlotType>::VAlign;

	virtual void HostPaintSlot(HostTest::FWidgetSnapshot& Out) const override
	{
		FSlotBase::HostPaintSlot(Out);
		FSlotBase::HostReportSlotArgument(Out, TEXT("HAlign"), this->GetHorizontalAlignment());
		FSlotBase::HostReportSlotArgument(Out, TEXT("VAlign"), this->GetVerticalAlignment());
		FSlotBase::HostReportSlotArgument(Out, TEXT("Padding"), this->GetPadding());
	}
};

/** One child with padding and alignment, such as the content of a compound widget or a box. */
template<EInvalidateWidgetReason InPaddingInvalidationReason = EInvalidateWidgetReason::Layout>
class TSingleWidgetChildrenWithBasicLayoutSlot
	: public TSingleWidgetChildrenWithSlot<TSingleWidgetChildrenWithBasicLayoutSlot<InPaddingInvalidationReason>>
	, public TPaddingWidgetSlotMixin<TSingleWidgetChildrenWithBasicLayoutSlot<InPaddingInvalidationReason>, InPaddingInvalidationReason>
	, public TAlignmentWidgetSlotMixin<TSingleWidgetChildrenWithBasicLayoutSlot<InPaddingInvalidationReason>>
{
	using FChildrenBase = TSingleWidgetChildrenWithSlot<TSingleWidgetChildrenWithBasicLayoutSlot<InPaddingInvalidationReason>>;
	using FPaddingMixin = TPaddingWidgetSlotMixin<TSingleWidgetChildrenWithBasicLayoutSlot<InPaddingInvalidationReason>, InPaddingInvalidationReason>;
	using FAlignmentMixin = TAlignmentWidgetSlotMixin<TSingleWidgetChildrenWithBasicLayoutSlot<InPaddingInvalidationReason>>;

public:
	explicit TSingleWidgetChildrenWithBasicLayoutSlot(SWidget* InOwner)
		: FChildrenBase(InOwner)
	{
	}

	TSingleWidgetChildrenWithBasicLayoutSlot(SWidget* InOwner, const EHorizontalAlignment InHAlign, const EVerticalAlignment InVAlign)
		: FChildrenBase(InOwner)
		, FAlignmentMixin(InHAlign, InVAlign)
	{
	}

	using FChildrenBase::operator[];
	using FPaddingMixin::Padding;
	using FAlignmentMixin::HAlign;
	using FAlignmentMixin::VAlign;

	virtual void HostPaintSlot(HostTest::FWidgetSnapshot& Out) const override
	{
		FSlotBase::HostPaintSlot(Out);
		FSlotBase::HostReportSlotArgument(Out, TEXT("HAlign"), this->GetHorizontalAlignment());
		FSlotBase::HostReportSlotArgument(Out, TEXT("VAlign"), this->GetVerticalAlignment());
		FSlotBase::HostReportSlotArgument(Out, TEXT("Padding"), this->GetPadding());
	}
};

using FSingleWidgetChildrenWithBasicLayoutSlot = TSingleWidgetChildrenWithBasicLayoutSlot<EInvalidateWidgetReason::Layout>;

#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "Layout/Margin.h"
#include "Types/SlateEnums.h"
#include "Widgets/SNullWidget.h"

#include <memory>

class FChildren;
class SWidget;

namespace HostTest
{
	struct FWidgetSnapshot;
}

/** The place a child widget occupies in its parent, with the layout settings of that place. */
class SLATECORE_API FSlotBase
{
public:
	FSlotBase();
	FSlotBase(const TSharedRef<SWidget>& InWidget);
	virtual ~FSlotBase();

	FSlotBase(const FSlotBase&) = delete;
	FSlotBase& operator=(const FSlotBase&) = delete;

	/** Puts the widget into the slot, replacing what was there. */
	void AttachWidget(const TSharedRef<SWidget>& InWidget);

	/** Takes the widget out; the slot then holds the null widget. Gives null if it held none. */
	const TSharedPtr<SWidget> DetachWidget();

	const TSharedRef<SWidget>& GetWidget() const
	{
		return Widget;
	}

	const FChildren* GetOwner() const
	{
		return Owner;
	}

	SWidget* GetOwnerWidget() const;

	void SetOwner(const FChildren& InParent);

	/**
	 * Host hook: adds the slot's arguments (display strings) and the names of those its maker gave to a child's
	 * snapshot. Slot types with layout settings extend it.
	 */
	virtual void HostPaintSlot(HostTest::FWidgetSnapshot& Out) const;

	/** Host: notes that the slot's maker gave this argument. */
	void HostRecordGivenSlotArgument(const ANSICHAR* Name);

protected:
	// Host: helpers for HostPaintSlot overrides in slot templates, which cannot see the snapshot type.
	static void HostReportSlotArgument(HostTest::FWidgetSnapshot& Out, const TCHAR* Name, const FString& Value);
	static void HostReportSlotArgument(HostTest::FWidgetSnapshot& Out, const TCHAR* Name, EHorizontalAlignment Value);
	static void HostReportSlotArgument(HostTest::FWidgetSnapshot& Out, const TCHAR* Name, EVerticalAlignment Value);
	static void HostReportSlotArgument(HostTest::FWidgetSnapshot& Out, const TCHAR* Name, const FMargin& Value);
	static void HostReportSlotArgument(HostTest::FWidgetSnapshot& Out, const TCHAR* Name, float Value);
	static void HostReportSlotArgument(HostTest::FWidgetSnapshot& Out, const TCHAR* Name, bool Value);

private:
	const FChildren* Owner;
	TSharedRef<SWidget> Widget;
	TArray<FString> HostGivenSlotArguments;
};

/** A slot of a given type, with the declarative arguments that make one (`SFoo::Slot().Bar()[ ... ]`). */
template<typename SlotType>
class TSlotBase : public FSlotBase
{
public:
	using FSlotBase::FSlotBase;

	/**
	 * What Slot() returns and `+` adds to a panel. It owns the new slot until the panel takes it; the setters write
	 * into that slot, so Expose can hand out the slot before it is added.
	 */
	struct FSlotArguments
	{
		explicit FSlotArguments(std::shared_ptr<SlotType> InSlot)
			: HostSlot(MoveTemp(InSlot))
		{
		}

		FSlotArguments(FSlotArguments&&) = default;
		FSlotArguments& operator=(FSlotArguments&&) = default;
		FSlotArguments(const FSlotArguments&) = default;
		FSlotArguments& operator=(const FSlotArguments&) = default;

		typename SlotType::FSlotArguments& operator[](const TSharedRef<SWidget>& InChildWidget)
		{
			GetSlot()->AttachWidget(InChildWidget);
			return Me();
		}

		/** Gives the slot to the caller; it stays valid while the panel keeps it. */
		typename SlotType::FSlotArguments& Expose(SlotType*& OutVarToInit)
		{
			OutVarToInit = GetSlot();
			return Me();
		}

		SlotType* GetSlot() const
		{
			check(HostSlot != nullptr);
			return HostSlot.get();
		}

		const TSharedPtr<SWidget> GetAttachedWidget() const
		{
			return GetSlot()->GetWidget();
		}

		/** Host: the slot made by Slot(); the panel moves it out when it adds the slot. */
		std::shared_ptr<SlotType> HostSlot;

	private:
		typename SlotType::FSlotArguments& Me()
		{
			return static_cast<typename SlotType::FSlotArguments&>(*this);
		}
	};

	/** Called by the owning children when they take the slot. */
	void Construct(const FChildren& SlotOwner, FSlotArguments&& InArgs)
	{
		SetOwner(SlotOwner);
	}

	SlotType& operator[](const TSharedRef<SWidget>& InChildWidget)
	{
		AttachWidget(InChildWidget);
		return static_cast<SlotType&>(*this);
	}

	SlotType& Expose(SlotType*& OutVarToInit)
	{
		OutVarToInit = static_cast<SlotType*>(this);
		return static_cast<SlotType&>(*this);
	}
};

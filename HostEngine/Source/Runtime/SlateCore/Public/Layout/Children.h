#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "SlotBase.h"

#include <memory>
#include <vector>

class SWidget;

/** The children of a widget, each in its slot. */
class SLATECORE_API FChildren
{
public:
	explicit FChildren(SWidget* InOwner)
		: Owner(InOwner)
	{
	}

	virtual ~FChildren() = default;

	FChildren(const FChildren&) = delete;
	FChildren& operator=(const FChildren&) = delete;

	virtual int32 Num() const = 0;
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) = 0;
	virtual TSharedRef<const SWidget> GetChildAt(int32 Index) const = 0;
	virtual const FSlotBase& GetSlotAt(int32 ChildIndex) const = 0;

	SWidget& GetOwner() const
	{
		check(Owner != nullptr);
		return *Owner;
	}

private:
	SWidget* Owner;
};

/** What widgets without children return. */
class SLATECORE_API FNoChildren : public FChildren
{
public:
	static FNoChildren NoChildrenInstance;

	FNoChildren();
	explicit FNoChildren(SWidget* InOwner);

	virtual int32 Num() const override
	{
		return 0;
	}

	virtual TSharedRef<SWidget> GetChildAt(int32 Index) override;
	virtual TSharedRef<const SWidget> GetChildAt(int32 Index) const override;
	virtual const FSlotBase& GetSlotAt(int32 ChildIndex) const override;
};

/** The slots of a panel, in order. */
template<typename SlotType>
class TPanelChildren : public FChildren
{
public:
	using FChildren::FChildren;

	virtual int32 Num() const override
	{
		return static_cast<int32>(Slots.size());
	}

	virtual TSharedRef<SWidget> GetChildAt(int32 Index) override
	{
		return (*this)[Index].GetWidget();
	}

	virtual TSharedRef<const SWidget> GetChildAt(int32 Index) const override
	{
		return (*this)[Index].GetWidget();
	}

	virtual const FSlotBase& GetSlotAt(int32 ChildIndex) const override
	{
		return (*this)[ChildIndex];
	}

	int32 AddSlot(typename SlotType::FSlotArguments&& SlotArgument)
	{
		InsertSlot(MoveTemp(SlotArgument), INDEX_NONE);
		return Num() - 1;
	}

	/** Inserts before Index; INDEX_NONE or an index past the end appends. */
	void InsertSlot(typename SlotType::FSlotArguments&& SlotArgument, int32 Index)
	{
		std::shared_ptr<SlotType> Slot = MoveTemp(SlotArgument.HostSlot);
		checkf(Slot != nullptr, TEXT("A slot's arguments were added to a panel twice"));
		Slot->Construct(*this, MoveTemp(SlotArgument));
		if (Index == INDEX_NONE || Index >= Num())
		{
			Slots.push_back(MoveTemp(Slot));
		}
		else
		{
			Slots.insert(Slots.begin() + Index, MoveTemp(Slot));
		}
	}

	void AddSlots(TArray<typename SlotType::FSlotArguments> SlotArguments)
	{
		for (typename SlotType::FSlotArguments& Arguments : SlotArguments)
		{
			AddSlot(MoveTemp(Arguments));
		}
	}

	/** Removes the slot holding the widget; gives its former index, or INDEX_NONE. */
	int32 Remove(const TSharedRef<SWidget>& SlotWidget)
	{
		for (int32 Index = 0; Index < Num(); ++Index)
		{
			if (&Slots[Index]->GetWidget().Get() == &SlotWidget.Get())
			{
				RemoveAt(Index);
				return Index;
			}
		}
		return INDEX_NONE;
	}

	void RemoveAt(int32 Index)
	{
		check(IsValidIndex(Index));
		// The slot, and maybe its widget, is destroyed only after the list no longer holds it.
		std::shared_ptr<SlotType> Removed = MoveTemp(Slots[Index]);
		Slots.erase(Slots.begin() + Index);
	}

	void Empty()
	{
		std::vector<std::shared_ptr<SlotType>> Removed;
		Removed.swap(Slots);
	}

	bool IsValidIndex(int32 Index) const
	{
		return Index >= 0 && Index < Num();
	}

	SlotType& operator[](int32 Index)
	{
		check(IsValidIndex(Index));
		return *Slots[Index];
	}

	const SlotType& operator[](int32 Index) const
	{
		check(IsValidIndex(Index));
		return *Slots[Index];
	}

	/** What AddSlot()/InsertSlot() return: the slot is added when this goes out of scope. */
	struct FScopedWidgetSlotArguments final : public SlotType::FSlotArguments
	{
		FScopedWidgetSlotArguments(std::shared_ptr<SlotType> InSlot, TPanelChildren<SlotType>& InChildren, int32 InIndex)
			: SlotType::FSlotArguments(MoveTemp(InSlot))
			, Children(InChildren)
			, Index(InIndex)
		{
		}

		FScopedWidgetSlotArguments(const FScopedWidgetSlotArguments&) = delete;
		FScopedWidgetSlotArguments& operator=(const FScopedWidgetSlotArguments&) = delete;

		~FScopedWidgetSlotArguments()
		{
			if (this->HostSlot)
			{
				Children.InsertSlot(MoveTemp(static_cast<typename SlotType::FSlotArguments&>(*this)), Index);
			}
		}

	private:
		TPanelChildren<SlotType>& Children;
		int32 Index;
	};

private:
	std::vector<std::shared_ptr<SlotType>> Slots;
};

/** Exactly one child, held in a slot that is the children object itself. */
template<typename SlotType>
class TSingleWidgetChildrenWithSlot : public FChildren, public TSlotBase<SlotType>
{
public:
	explicit TSingleWidgetChildrenWithSlot(SWidget* InOwner)
		: FChildren(InOwner)
		, TSlotBase<SlotType>()
	{
		this->SetOwner(*this);
	}

	virtual int32 Num() const override
	{
		return 1;
	}

	virtual TSharedRef<SWidget> GetChildAt(int32 ChildIndex) override
	{
		check(ChildIndex == 0);
		return this->GetWidget();
	}

	virtual TSharedRef<const SWidget> GetChildAt(int32 ChildIndex) const override
	{
		check(ChildIndex == 0);
		return this->GetWidget();
	}

	virtual const FSlotBase& GetSlotAt(int32 ChildIndex) const override
	{
		check(ChildIndex == 0);
		return *this;
	}
};

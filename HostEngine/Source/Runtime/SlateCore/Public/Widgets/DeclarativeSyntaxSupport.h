#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "Layout/Clipping.h"
#include "Layout/Visibility.h"
#include "Widgets/IToolTip.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SWidget.h"

#include <tuple>
#include <type_traits>
#include <utility>

/**
 * The declarative syntax that builds widgets:
 *
 *   SNew(SButton)
 *   .Text(this, &FMyCustomization::GetLabel)
 *   .OnClicked(this, &FMyCustomization::OnClick)
 *   [
 *       SNew(STextBlock)
 *   ];
 *
 * Each widget declares its arguments between SLATE_BEGIN_ARGS and SLATE_END_ARGS; the macros make the setters and
 * the `_Name` members they fill. Every setter also notes its argument's name as given (host only), so that tests
 * can tell the arguments a caller set from those left at their defaults.
 */

#define TYPENAME_OUTSIDE_TEMPLATE

/** Makes a widget: SNew(SWidgetType, RequiredArgs...) followed by its named arguments. */
#define SNew(WidgetType, ...) \
	MakeTDecl<WidgetType>(#WidgetType, __FILE__, __LINE__, RequiredArgs::MakeRequiredArgs(__VA_ARGS__)) <<= TYPENAME_OUTSIDE_TEMPLATE WidgetType::FArguments()

/** Makes a widget and stores it in ExposeAs (a TSharedPtr, TSharedRef or TWeakPtr). */
#define SAssignNew(ExposeAs, WidgetType, ...) \
	MakeTDecl<WidgetType>(#WidgetType, __FILE__, __LINE__, RequiredArgs::MakeRequiredArgs(__VA_ARGS__)).Expose(ExposeAs) <<= TYPENAME_OUTSIDE_TEMPLATE WidgetType::FArguments()

#define SLATE_BEGIN_ARGS(InWidgetType) \
	public: \
	struct FArguments : public TSlateBaseNamedArgs<InWidgetType> \
	{ \
		typedef FArguments WidgetArgsType; \
		typedef InWidgetType WidgetType; \
		FORCENOINLINE FArguments()

#define SLATE_END_ARGS() \
	};

/** The binding forms of an attribute argument: `Name(Object, &Class::Getter)`, `Name_Lambda(...)`, and so on. */
#define SLATE_PRIVATE_ATTRIBUTE_FUNCTION(AttrType, AttrName) \
	template<typename... VarTypes> \
	WidgetArgsType& AttrName##_Static(typename TAttribute<AttrType>::FGetter::template TFuncPtr<std::decay_t<VarTypes>...> InFunc, VarTypes... Vars) \
	{ \
		return this->HostSetAttribute(#AttrName, _##AttrName, TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateStatic(InFunc, Vars...))); \
	} \
	WidgetArgsType& AttrName##_Lambda(TFunction<AttrType(void)>&& InFunctor) \
	{ \
		return this->HostSetAttribute(#AttrName, _##AttrName, TAttribute<AttrType>::Create(MoveTemp(InFunctor))); \
	} \
	template<class UserClass, typename... VarTypes> \
	WidgetArgsType& AttrName##_Raw(const UserClass* InUserObject, typename TAttribute<AttrType>::FGetter::template TConstMethodPtr<UserClass, std::decay_t<VarTypes>...> InFunc, VarTypes... Vars) \
	{ \
		return this->HostSetAttribute(#AttrName, _##AttrName, TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateRaw(InUserObject, InFunc, Vars...))); \
	} \
	template<class UserClass, typename... VarTypes> \
	WidgetArgsType& AttrName(TSharedRef<UserClass> InUserObjectRef, typename TAttribute<AttrType>::FGetter::template TConstMethodPtr<UserClass, std::decay_t<VarTypes>...> InFunc, VarTypes... Vars) \
	{ \
		return this->HostSetAttribute(#AttrName, _##AttrName, TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateSP(InUserObjectRef, InFunc, Vars...))); \
	} \
	/* A shared-pointer binding: the object derives from TSharedFromThis and is held weakly. */ \
	template<class UserClass, typename... VarTypes> \
	WidgetArgsType& AttrName(UserClass* InUserObject, typename TAttribute<AttrType>::FGetter::template TConstMethodPtr<UserClass, std::decay_t<VarTypes>...> InFunc, VarTypes... Vars) \
	{ \
		return this->HostSetAttribute(#AttrName, _##AttrName, TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateSP(InUserObject, InFunc, Vars...))); \
	} \
	template<class UserClass, typename... VarTypes> \
	WidgetArgsType& AttrName##_UObject(UserClass* InUserObject, typename TAttribute<AttrType>::FGetter::template TConstMethodPtr<UserClass, std::decay_t<VarTypes>...> InFunc, VarTypes... Vars) \
	{ \
		return this->HostSetAttribute(#AttrName, _##AttrName, TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateUObject(InUserObject, InFunc, Vars...))); \
	}

/** An attribute argument: a fixed value or a getter, read whenever the widget needs it. */
#define SLATE_ATTRIBUTE(AttrType, AttrName) \
	TAttribute<AttrType> _##AttrName; \
	WidgetArgsType& AttrName(const TAttribute<AttrType>& InAttribute) \
	{ \
		return this->HostSetAttribute(#AttrName, _##AttrName, InAttribute); \
	} \
	SLATE_PRIVATE_ATTRIBUTE_FUNCTION(AttrType, AttrName)

/** A plain argument, copied into the widget at construction. */
#define SLATE_ARGUMENT(ArgType, ArgName) \
	ArgType _##ArgName; \
	WidgetArgsType& ArgName(ArgType InArg) \
	{ \
		this->HostRecordGiven(#ArgName); \
		_##ArgName = InArg; \
		return this->Me(); \
	}

/** A plain argument with an in-class default: `SLATE_ARGUMENT_DEFAULT(bool, bFoo) = true;` */
#define SLATE_ARGUMENT_DEFAULT(ArgType, ArgName) \
	WidgetArgsType& ArgName(ArgType InArg) \
	{ \
		this->HostRecordGiven(#ArgName); \
		_##ArgName = InArg; \
		return this->Me(); \
	} \
	ArgType _##ArgName

/** A style argument: a pointer to a style that outlives the widget. */
#define SLATE_STYLE_ARGUMENT(ArgType, ArgName) \
	const ArgType* _##ArgName; \
	WidgetArgsType& ArgName(const ArgType* InArg) \
	{ \
		this->HostRecordGiven(#ArgName); \
		_##ArgName = InArg; \
		return this->Me(); \
	}

/** An event: a delegate the widget calls. Handlers bound with an object pointer are held weakly. */
#define SLATE_EVENT(DelegateName, EventName) \
	DelegateName _##EventName; \
	WidgetArgsType& EventName(const DelegateName& InDelegate) \
	{ \
		return this->HostSetEvent(#EventName, _##EventName, InDelegate); \
	} \
	WidgetArgsType& EventName(DelegateName&& InDelegate) \
	{ \
		return this->HostSetEvent(#EventName, _##EventName, MoveTemp(InDelegate)); \
	} \
	template<typename... VarTypes> \
	WidgetArgsType& EventName##_Static(typename DelegateName::template TFuncPtr<std::decay_t<VarTypes>...> InFunc, VarTypes... Vars) \
	{ \
		return this->HostSetEvent(#EventName, _##EventName, DelegateName::CreateStatic(InFunc, Vars...)); \
	} \
	template<typename FunctorType, typename... VarTypes> \
	WidgetArgsType& EventName##_Lambda(FunctorType&& InFunctor, VarTypes... Vars) \
	{ \
		return this->HostSetEvent(#EventName, _##EventName, DelegateName::CreateLambda(Forward<FunctorType>(InFunctor), Vars...)); \
	} \
	template<class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName##_Raw(UserClass* InUserObject, typename DelegateName::template TMethodPtr<UserClass, std::decay_t<VarTypes>...> InFunc, VarTypes... Vars) \
	{ \
		return this->HostSetEvent(#EventName, _##EventName, DelegateName::CreateRaw(InUserObject, InFunc, Vars...)); \
	} \
	template<class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName##_Raw(const UserClass* InUserObject, typename DelegateName::template TConstMethodPtr<UserClass, std::decay_t<VarTypes>...> InFunc, VarTypes... Vars) \
	{ \
		return this->HostSetEvent(#EventName, _##EventName, DelegateName::CreateRaw(InUserObject, InFunc, Vars...)); \
	} \
	template<class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName(TSharedRef<UserClass> InUserObjectRef, typename DelegateName::template TMethodPtr<UserClass, std::decay_t<VarTypes>...> InFunc, VarTypes... Vars) \
	{ \
		return this->HostSetEvent(#EventName, _##EventName, DelegateName::CreateSP(InUserObjectRef, InFunc, Vars...)); \
	} \
	template<class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName(TSharedRef<UserClass> InUserObjectRef, typename DelegateName::template TConstMethodPtr<UserClass, std::decay_t<VarTypes>...> InFunc, VarTypes... Vars) \
	{ \
		return this->HostSetEvent(#EventName, _##EventName, DelegateName::CreateSP(InUserObjectRef, InFunc, Vars...)); \
	} \
	/* Shared-pointer bindings: the object derives from TSharedFromThis and is held weakly. */ \
	template<class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName(UserClass* InUserObject, typename DelegateName::template TMethodPtr<UserClass, std::decay_t<VarTypes>...> InFunc, VarTypes... Vars) \
	{ \
		return this->HostSetEvent(#EventName, _##EventName, DelegateName::CreateSP(InUserObject, InFunc, Vars...)); \
	} \
	template<class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName(const UserClass* InUserObject, typename DelegateName::template TConstMethodPtr<UserClass, std::decay_t<VarTypes>...> InFunc, VarTypes... Vars) \
	{ \
		return this->HostSetEvent(#EventName, _##EventName, DelegateName::CreateSP(InUserObject, InFunc, Vars...)); \
	} \
	template<class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName##_UObject(UserClass* InUserObject, typename DelegateName::template TMethodPtr<UserClass, std::decay_t<VarTypes>...> InFunc, VarTypes... Vars) \
	{ \
		return this->HostSetEvent(#EventName, _##EventName, DelegateName::CreateUObject(InUserObject, InFunc, Vars...)); \
	} \
	template<class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName##_UObject(const UserClass* InUserObject, typename DelegateName::template TConstMethodPtr<UserClass, std::decay_t<VarTypes>...> InFunc, VarTypes... Vars) \
	{ \
		return this->HostSetEvent(#EventName, _##EventName, DelegateName::CreateUObject(InUserObject, InFunc, Vars...)); \
	}

/** A named content slot: `.SlotName()[ Widget ]`. */
#define SLATE_NAMED_SLOT(DeclarationType, SlotName) \
	NamedSlotProperty<DeclarationType> SlotName() \
	{ \
		this->HostRecordGiven(#SlotName); \
		return NamedSlotProperty<DeclarationType>(*this, _##SlotName); \
	} \
	TAlwaysValidWidget _##SlotName;

/** The default content slot: `.SlotName()[ Widget ]` or directly `[ Widget ]`. */
#define SLATE_DEFAULT_SLOT(DeclarationType, SlotName) \
	SLATE_NAMED_SLOT(DeclarationType, SlotName) \
	DeclarationType& operator[](const TSharedRef<SWidget>& InChild) \
	{ \
		this->HostRecordGiven(#SlotName); \
		_##SlotName.Widget = InChild; \
		return static_cast<DeclarationType&>(*this); \
	}

/** The slots of a panel: `SNew(SPanelType) + SPanelType::Slot()[ ... ]`. */
#define SLATE_SLOT_ARGUMENT(SlotType, SlotName) \
	TArray<typename SlotType::FSlotArguments> _##SlotName; \
	WidgetArgsType& operator+(typename SlotType::FSlotArguments& SlotToAdd) \
	{ \
		_##SlotName.Add(MoveTemp(SlotToAdd)); \
		return this->Me(); \
	} \
	WidgetArgsType& operator+(typename SlotType::FSlotArguments&& SlotToAdd) \
	{ \
		_##SlotName.Add(MoveTemp(SlotToAdd)); \
		return this->Me(); \
	}

/** Content for a slot; never null (an empty slot holds the null widget). */
struct TAlwaysValidWidget
{
	TAlwaysValidWidget()
		: Widget(SNullWidget::NullWidget)
	{
	}

	TSharedRef<SWidget> Widget;
};

/** What a named slot's accessor returns: `[ Widget ]` on it sets the slot's content. */
template<class DeclarationType>
struct NamedSlotProperty
{
	NamedSlotProperty(DeclarationType& InOwnerDeclaration, TAlwaysValidWidget& ContentToSet)
		: OwnerDeclaration(InOwnerDeclaration)
		, SlotContent(ContentToSet)
	{
	}

	DeclarationType& operator[](const TSharedRef<SWidget>& InChild)
	{
		SlotContent.Widget = InChild;
		return OwnerDeclaration;
	}

	DeclarationType& OwnerDeclaration;
	TAlwaysValidWidget& SlotContent;
};

/** The arguments every widget has. */
struct SLATECORE_API FSlateBaseNamedArgs
{
	FSlateBaseNamedArgs();

	TAttribute<FText> _ToolTipText;
	TSharedPtr<IToolTip> _ToolTip;
	TAttribute<bool> _IsEnabled;
	TAttribute<EVisibility> _Visibility;
	float _RenderOpacity;
	EWidgetClipping _Clipping;
	FName _Tag;
	bool _ForceVolatile;

	/** Host: notes that the caller gave this argument. */
	void HostRecordGiven(const ANSICHAR* Name);

	/** Host: the names of the arguments the caller gave, in the order first given. */
	const TArray<FString>& HostGetGivenArguments() const
	{
		return HostGivenArguments;
	}

private:
	TArray<FString> HostGivenArguments;
};

/** The shared arguments with setters that return the widget's own FArguments. */
template<typename WidgetType>
struct TSlateBaseNamedArgs : public FSlateBaseNamedArgs
{
	typedef typename WidgetType::FArguments WidgetArgsType;

	WidgetArgsType& ToolTipText(TAttribute<FText> InAttribute)
	{
		return HostSetAttribute("ToolTipText", _ToolTipText, MoveTemp(InAttribute));
	}
	SLATE_PRIVATE_ATTRIBUTE_FUNCTION(FText, ToolTipText)

	WidgetArgsType& IsEnabled(TAttribute<bool> InAttribute)
	{
		return HostSetAttribute("IsEnabled", _IsEnabled, MoveTemp(InAttribute));
	}
	SLATE_PRIVATE_ATTRIBUTE_FUNCTION(bool, IsEnabled)

	WidgetArgsType& Visibility(TAttribute<EVisibility> InAttribute)
	{
		return HostSetAttribute("Visibility", _Visibility, MoveTemp(InAttribute));
	}
	SLATE_PRIVATE_ATTRIBUTE_FUNCTION(EVisibility, Visibility)

	WidgetArgsType& ToolTip(const TSharedPtr<IToolTip>& InToolTip)
	{
		HostRecordGiven("ToolTip");
		_ToolTip = InToolTip;
		return Me();
	}

	WidgetArgsType& RenderOpacity(float InRenderOpacity)
	{
		HostRecordGiven("RenderOpacity");
		_RenderOpacity = InRenderOpacity;
		return Me();
	}

	WidgetArgsType& Clipping(EWidgetClipping InClipping)
	{
		HostRecordGiven("Clipping");
		_Clipping = InClipping;
		return Me();
	}

	WidgetArgsType& Tag(FName InTag)
	{
		HostRecordGiven("Tag");
		_Tag = InTag;
		return Me();
	}

	WidgetArgsType& ForceVolatile(bool bInForceVolatile)
	{
		HostRecordGiven("ForceVolatile");
		_ForceVolatile = bInForceVolatile;
		return Me();
	}

	WidgetArgsType& Me()
	{
		return *static_cast<WidgetArgsType*>(this);
	}

	/** Host: stores an attribute argument and notes it as given. */
	template<typename AttrType, typename SourceType>
	WidgetArgsType& HostSetAttribute(const ANSICHAR* Name, TAttribute<AttrType>& Member, SourceType&& InAttribute)
	{
		HostRecordGiven(Name);
		Member = Forward<SourceType>(InAttribute);
		return Me();
	}

	/** Host: stores an event argument and notes it as given. */
	template<typename DelegateType, typename SourceType>
	WidgetArgsType& HostSetEvent(const ANSICHAR* Name, DelegateType& Member, SourceType&& InDelegate)
	{
		HostRecordGiven(Name);
		Member = Forward<SourceType>(InDelegate);
		return Me();
	}
};

/** The extra arguments of SNew(SWidgetType, Arg0, Arg1, ...), passed on to Construct after the named ones. */
namespace RequiredArgs
{
	template<typename... ArgTypes>
	struct TRequiredArgs
	{
		explicit TRequiredArgs(ArgTypes&&... InArgs)
			: Args(Forward<ArgTypes>(InArgs)...)
		{
		}

		template<class WidgetType>
		void CallConstruct(const TSharedRef<WidgetType>& OnWidget, const typename WidgetType::FArguments& WithNamedArgs)
		{
			std::apply(
				[&OnWidget, &WithNamedArgs](auto&&... Unpacked)
				{
					OnWidget->Construct(WithNamedArgs, Forward<decltype(Unpacked)>(Unpacked)...);
				},
				MoveTemp(Args));
		}

		/** References to the caller's values, which live until the end of the SNew expression. */
		std::tuple<ArgTypes&&...> Args;
	};

	using T0RequiredArgs = TRequiredArgs<>;

	template<typename... ArgTypes>
	TRequiredArgs<ArgTypes...> MakeRequiredArgs(ArgTypes&&... InArgs)
	{
		return TRequiredArgs<ArgTypes...>(Forward<ArgTypes>(InArgs)...);
	}
}

/** What SNew builds on: the new widget, waiting for its named arguments. */
template<class WidgetType, typename RequiredArgsPayloadType>
struct TSlateDecl
{
	TSlateDecl(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine, RequiredArgsPayloadType&& InRequiredArgs)
		: Widget(MakeShared<WidgetType>())
		, RequiredArgs(InRequiredArgs)
	{
		static_assert(std::is_base_of_v<SWidget, WidgetType>, "SNew makes widgets only");
		Widget->SetDebugInfo(InType, InFile, OnLine, sizeof(WidgetType));
	}

	template<class ExposeAsWidgetType>
	TSlateDecl&& Expose(TSharedPtr<ExposeAsWidgetType>& OutVarToInit)
	{
		OutVarToInit = Widget;
		return MoveTemp(*this);
	}

	template<class ExposeAsWidgetType>
	TSlateDecl&& Expose(TSharedRef<ExposeAsWidgetType>& OutVarToInit)
	{
		OutVarToInit = Widget;
		return MoveTemp(*this);
	}

	template<class ExposeAsWidgetType>
	TSlateDecl&& Expose(TWeakPtr<ExposeAsWidgetType>& OutVarToInit)
	{
		OutVarToInit = Widget;
		return MoveTemp(*this);
	}

	/** Sets the shared arguments, then calls the widget's Construct with the named and required arguments. */
	TSharedRef<WidgetType> operator<<=(const typename WidgetType::FArguments& InArgs) const
	{
		Widget->SWidgetConstruct(InArgs);
		RequiredArgs.CallConstruct(Widget, InArgs);
		return Widget;
	}

	const TSharedRef<WidgetType> Widget;
	RequiredArgsPayloadType& RequiredArgs;
};

template<typename WidgetType, typename RequiredArgsPayloadType>
TSlateDecl<WidgetType, RequiredArgsPayloadType> MakeTDecl(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine, RequiredArgsPayloadType&& InRequiredArgs)
{
	return TSlateDecl<WidgetType, RequiredArgsPayloadType>(InType, InFile, OnLine, Forward<RequiredArgsPayloadType>(InRequiredArgs));
}

#include "HostTest/SlateProbe.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/Text/STextBlock.h"

#include <gtest/gtest.h>

namespace
{
	const FString RedText(TEXT("(R=1.000000,G=0.000000,B=0.000000,A=1.000000)"));

	/** What a details customization is to its widgets: a shared object whose getters and handlers they call. */
	class FPanelOwner : public TSharedFromThis<FPanelOwner>
	{
	public:
		FText GetLabel() const
		{
			++LabelCalls;
			return FText::FromString(Label);
		}

		FText GetLabelWithSuffix(int32 Suffix) const
		{
			++LabelCalls;
			return FText::FromString(FString::Printf(TEXT("%s %d"), *Label, Suffix));
		}

		bool IsActionEnabled() const
		{
			return bEnabled;
		}

		FReply OnAction()
		{
			++ActionCalls;
			return FReply::Handled();
		}

		FReply OnActionConst() const
		{
			++ActionCalls;
			return FReply::Handled();
		}

		FString Label = TEXT("Add All Assets");
		bool bEnabled = true;
		mutable int32 LabelCalls = 0;
		mutable int32 ActionCalls = 0;
	};

	FReply HandleStatically(int32* Calls)
	{
		++*Calls;
		return FReply::Handled();
	}

	/** A widget written outside Slate: binds its child to itself and takes a required argument, as plugin widgets do. */
	class SHostTestCounter : public SCompoundWidget
	{
	public:
		SLATE_BEGIN_ARGS(SHostTestCounter)
			: _Prefix(TEXT("Count"))
		{
		}
			SLATE_ARGUMENT(FString, Prefix)
			SLATE_ATTRIBUTE(int32, Count)
		SLATE_END_ARGS()

		void Construct(const FArguments& InArgs, int32 InStep)
		{
			Args = InArgs;
			Step = InStep;
			ChildSlot
			[
				SNew(STextBlock)
				.Text(this, &SHostTestCounter::GetCountText)
			];
		}

		virtual void HostPaint(HostTest::FWidgetSnapshot& Out) const override
		{
			SCompoundWidget::HostPaint(Out);
			Out.Arguments.Add(TEXT("Prefix"), Args._Prefix);
			HOST_RECORD_GIVEN_ARGUMENTS(Out, Args);
		}

	private:
		FText GetCountText() const
		{
			return FText::FromString(FString::Printf(TEXT("%s %d"), *Args._Prefix, Args._Count.Get(0) * Step));
		}

		FArguments Args;
		int32 Step = 1;
	};

	/** A chooser that reports picks through an event with a parameter, as asset pickers do. */
	class SHostTestChooser : public SCompoundWidget
	{
	public:
		DECLARE_DELEGATE_OneParam(FOnPicked, const FString&);

		SLATE_BEGIN_ARGS(SHostTestChooser)
		{
		}
			SLATE_EVENT(FOnPicked, OnPicked)
			SLATE_DEFAULT_SLOT(FArguments, Content)
			SLATE_NAMED_SLOT(FArguments, Footer)
		SLATE_END_ARGS()

		void Construct(const FArguments& InArgs)
		{
			OnPicked = InArgs._OnPicked;
			Footer = InArgs._Footer.Widget;
			ChildSlot[InArgs._Content.Widget];
		}

		void Pick(const FString& Choice) const
		{
			OnPicked.ExecuteIfBound(Choice);
		}

		TSharedPtr<SWidget> Footer;

	private:
		FOnPicked OnPicked;
	};

	/** Receives picks; a TSharedFromThis object like a details customization. */
	class FPickReceiver : public TSharedFromThis<FPickReceiver>
	{
	public:
		void OnPicked(const FString& Choice)
		{
			Picks.Add(Choice);
		}

		void OnPickedWithTag(const FString& Choice, FString Tag)
		{
			Picks.Add(Tag + Choice);
		}

		TArray<FString> Picks;
	};

	TSet<FString> Names(std::initializer_list<const TCHAR*> InNames)
	{
		TSet<FString> Result;
		for (const TCHAR* Name : InNames)
		{
			Result.Add(Name);
		}
		return Result;
	}

	void ExpectSameNames(const TSet<FString>& Actual, const TSet<FString>& Expected)
	{
		EXPECT_EQ(Actual.Num(), Expected.Num());
		for (const FString& Name : Expected)
		{
			EXPECT_TRUE(Actual.Contains(Name)) << "missing " << TCHAR_TO_UTF8(*Name);
		}
	}
}

// What a widget reports: every argument, and which of them its maker gave.

TEST(SlateArguments, ButtonReportsTheArgumentsGivenApartFromTheDefaults)
{
	const TSharedRef<SButton> Button = SNew(SButton)
		.Text(FText::FromString(TEXT("Make Pak File")))
		.ToolTipText(FText::FromString(TEXT("Export")))
		.HAlign(HAlign_Center);

	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(Button);

	EXPECT_EQ(Painted.Type, TEXT("SButton"));
	ExpectSameNames(Painted.GivenArguments, Names({TEXT("Text"), TEXT("ToolTipText"), TEXT("HAlign")}));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("Text")), TEXT("Make Pak File"));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("ToolTipText")), TEXT("Export"));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("HAlign")), TEXT("HAlign_Center"));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("VAlign")), TEXT("VAlign_Fill"));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("IsEnabled")), TEXT("true"));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("Visibility")), TEXT("Visible"));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("ButtonStyle")), TEXT("Default"));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("OnClicked")), TEXT("unbound"));
}

TEST(SlateArguments, ButtonWithTextShowsItInATextBlockOfDefaultStyle)
{
	const TSharedRef<SButton> Button = SNew(SButton).Text(FText::FromString(TEXT("Find Dependencies")));

	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(Button);

	ASSERT_EQ(Painted.Children.Num(), 1);
	const HostTest::FWidgetSnapshot& Label = Painted.Children[0];
	EXPECT_EQ(Label.Type, TEXT("STextBlock"));
	EXPECT_EQ(Label.Arguments.FindRef(TEXT("Text")), TEXT("Find Dependencies"));
	ExpectSameNames(Label.GivenArguments, Names({TEXT("Text")}));
	EXPECT_EQ(Label.Arguments.FindRef(TEXT("TextStyle")), TEXT("Default"));
}

TEST(SlateArguments, ButtonWithContentShowsTheContentInsteadOfItsText)
{
	const TSharedRef<SButton> Button = SNew(SButton)
		.Text(FText::FromString(TEXT("ignored")))
		[
			SNew(SBox)
		];

	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(Button);

	ASSERT_EQ(Painted.Children.Num(), 1);
	EXPECT_EQ(Painted.Children[0].Type, TEXT("SBox"));
	EXPECT_TRUE(Painted.GivenArguments.Contains(TEXT("Content")));
}

TEST(SlateArguments, TextBlockReportsColourAndWrapAndLeavesStyleValuesUnset)
{
	const TSharedRef<STextBlock> Warning = SNew(STextBlock)
		.Text(FText::FromString(TEXT("2 referenced assets are outside of this package's directory.")))
		.ColorAndOpacity(FLinearColor::Red)
		.AutoWrapText(true);

	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(Warning);

	ExpectSameNames(Painted.GivenArguments, Names({TEXT("Text"), TEXT("ColorAndOpacity"), TEXT("AutoWrapText")}));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("ColorAndOpacity")), RedText);
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("AutoWrapText")), TEXT("true"));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("Font")), TEXT("unset"));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("TextStyle")), TEXT("Default"));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("Justification")), TEXT("Left"));
	EXPECT_EQ(Painted.Children.Num(), 0);
}

TEST(SlateArguments, StyleColoursAreNotTheSpecifiedColour)
{
	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(SNew(STextBlock).ColorAndOpacity(FSlateColor::UseSubduedForeground()));

	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("ColorAndOpacity")), TEXT("UseSubduedForeground"));
	EXPECT_TRUE(FSlateColor(FLinearColor::Red).IsColorSpecified());
	EXPECT_FALSE(FSlateColor::UseForeground().IsColorSpecified());
}

TEST(SlateArguments, BoxSizesAreUnsetUnlessGiven)
{
	const TSharedRef<SBox> Box = SNew(SBox)
		.MinDesiredWidth(250.0f)
		[
			SNew(STextBlock)
		];

	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(Box);

	ExpectSameNames(Painted.GivenArguments, Names({TEXT("MinDesiredWidth"), TEXT("Content")}));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("MinDesiredWidth")), TEXT("250.0"));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("WidthOverride")), TEXT("unset"));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("MaxDesiredHeight")), TEXT("unset"));
	ASSERT_EQ(Painted.Children.Num(), 1);
	EXPECT_EQ(Painted.Children[0].Type, TEXT("STextBlock"));
}

TEST(SlateArguments, WidgetOutsideSlateTakesRequiredArgumentsAndReportsItsOwn)
{
	TSharedPtr<SHostTestCounter> Exposed;
	const TSharedRef<SHostTestCounter> Counter = SAssignNew(Exposed, SHostTestCounter, 3).Count(2);

	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(Counter);

	EXPECT_EQ(Exposed.Get(), &Counter.Get());
	EXPECT_EQ(Painted.Type, TEXT("SHostTestCounter"));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("Prefix")), TEXT("Count"));
	ExpectSameNames(Painted.GivenArguments, Names({TEXT("Count")}));
	ASSERT_EQ(Painted.Children.Num(), 1);
	EXPECT_EQ(Painted.Children[0].Arguments.FindRef(TEXT("Text")), TEXT("Count 6"));
}

TEST(SlateArguments, NamedAndDefaultSlotsTakeTheirContent)
{
	TSharedPtr<STextBlock> Footer;
	const TSharedRef<SHostTestChooser> Chooser = SNew(SHostTestChooser)
		.Footer()
		[
			SAssignNew(Footer, STextBlock)
		]
		[
			SNew(SBox)
		];

	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(Chooser);

	EXPECT_EQ(Chooser->Footer, StaticCastSharedPtr<SWidget>(Footer));
	ASSERT_EQ(Painted.Children.Num(), 1);
	EXPECT_EQ(Painted.Children[0].Type, TEXT("SBox"));
	ExpectSameNames(Painted.GivenArguments, Names({TEXT("Footer"), TEXT("Content")}));
}

TEST(SlateArguments, ContentLeftEmptyIsTheNullWidget)
{
	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(SNew(SBox));

	ASSERT_EQ(Painted.Children.Num(), 1);
	EXPECT_EQ(Painted.Children[0].Type, TEXT("SNullWidget"));
	EXPECT_TRUE(Painted.GivenArguments.IsEmpty());
}

TEST(SlateArguments, DefaultSlateColourIsAnUnmistakableFuchsia)
{
	EXPECT_EQ(HostTest::ToDisplayString(FSlateColor()), TEXT("(R=1.000000,G=0.000000,B=1.000000,A=1.000000)"));
	EXPECT_EQ(FSlateColor(FLinearColor::Red), FSlateColor(FColor(255, 0, 0)));
	EXPECT_NE(FSlateColor::UseForeground(), FSlateColor::UseStyle());
}

// Slots of boxes: the layout arguments the plugin's rows use.

TEST(SlateSlots, HorizontalBoxSlotsReportAutoWidthFillWidthAlignmentAndPadding)
{
	const TSharedRef<SHorizontalBox> Row = SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		.VAlign(VAlign_Center)
		.Padding(0, 0, 10, 0)
		[
			SNew(STextBlock).Text(FText::FromString(TEXT("Add Asset:")))
		]
		+ SHorizontalBox::Slot()
		.FillWidth(1.0f)
		[
			SNew(SBox)
		];

	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(Row);

	ASSERT_EQ(Painted.Children.Num(), 2);
	const HostTest::FWidgetSnapshot& Label = Painted.Children[0];
	ExpectSameNames(Label.GivenSlotArguments, Names({TEXT("AutoWidth"), TEXT("VAlign"), TEXT("Padding")}));
	EXPECT_EQ(Label.SlotArguments.FindRef(TEXT("AutoWidth")), TEXT("true"));
	EXPECT_EQ(Label.SlotArguments.FindRef(TEXT("VAlign")), TEXT("VAlign_Center"));
	EXPECT_EQ(Label.SlotArguments.FindRef(TEXT("HAlign")), TEXT("HAlign_Fill"));
	EXPECT_EQ(Label.SlotArguments.FindRef(TEXT("Padding")), TEXT("(Left=0.0,Top=0.0,Right=10.0,Bottom=0.0)"));

	const HostTest::FWidgetSnapshot& Picker = Painted.Children[1];
	ExpectSameNames(Picker.GivenSlotArguments, Names({TEXT("FillWidth")}));
	EXPECT_EQ(Picker.SlotArguments.FindRef(TEXT("AutoWidth")), TEXT("false"));
	EXPECT_EQ(Picker.SlotArguments.FindRef(TEXT("SizeRule")), TEXT("Fill"));
	EXPECT_EQ(Picker.SlotArguments.FindRef(TEXT("FillWidth")), TEXT("1.0"));
	EXPECT_EQ(Picker.SlotArguments.FindRef(TEXT("Padding")), TEXT("(Left=0.0,Top=0.0,Right=0.0,Bottom=0.0)"));
	EXPECT_TRUE(Painted.GivenArguments.IsEmpty());
}

TEST(SlateSlots, PaddingTakesEveryFormAndMixedLiterals)
{
	const TSharedRef<SHorizontalBox> Row = SNew(SHorizontalBox)
		+ SHorizontalBox::Slot().Padding(5, 0.0f, 5.0, 0)[SNew(STextBlock)]
		+ SHorizontalBox::Slot().Padding(3)[SNew(STextBlock)]
		+ SHorizontalBox::Slot().Padding(2.0f, 4)[SNew(STextBlock)]
		+ SHorizontalBox::Slot().Padding(FMargin(1, 2.5f, 3.0, 4))[SNew(STextBlock)];

	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(Row);

	ASSERT_EQ(Painted.Children.Num(), 4);
	EXPECT_EQ(Painted.Children[0].SlotArguments.FindRef(TEXT("Padding")), TEXT("(Left=5.0,Top=0.0,Right=5.0,Bottom=0.0)"));
	EXPECT_EQ(Painted.Children[1].SlotArguments.FindRef(TEXT("Padding")), TEXT("(Left=3.0,Top=3.0,Right=3.0,Bottom=3.0)"));
	EXPECT_EQ(Painted.Children[2].SlotArguments.FindRef(TEXT("Padding")), TEXT("(Left=2.0,Top=4.0,Right=2.0,Bottom=4.0)"));
	EXPECT_EQ(Painted.Children[3].SlotArguments.FindRef(TEXT("Padding")), TEXT("(Left=1.0,Top=2.5,Right=3.0,Bottom=4.0)"));
}

TEST(SlateSlots, AddSlotAddsWhenTheStatementEndsAndExposeGivesTheSlot)
{
	const TSharedRef<SVerticalBox> Column = SNew(SVerticalBox);
	SVerticalBox::FSlot* Exposed = nullptr;

	Column->AddSlot().AutoHeight().Expose(Exposed)[SNew(STextBlock).Text(FText::FromString(TEXT("first")))];
	Column->InsertSlot(0).MaxHeight(20.0f)[SNew(STextBlock).Text(FText::FromString(TEXT("second")))];

	ASSERT_EQ(Column->NumSlots(), 2);
	EXPECT_EQ(Exposed, &Column->GetSlot(1));
	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(Column);
	EXPECT_EQ(Painted.Children[0].Arguments.FindRef(TEXT("Text")), TEXT("second"));
	EXPECT_EQ(Painted.Children[0].SlotArguments.FindRef(TEXT("MaxHeight")), TEXT("20.0"));
	EXPECT_EQ(Painted.Children[1].SlotArguments.FindRef(TEXT("AutoHeight")), TEXT("true"));

	const TSharedRef<SWidget> Second = Column->GetSlot(0).GetWidget();
	EXPECT_EQ(Column->RemoveSlot(Second), 0);
	EXPECT_EQ(Column->NumSlots(), 1);
}

TEST(SlateSlots, VerticalBoxSlotsUseHeightNames)
{
	const TSharedRef<SVerticalBox> Column = SNew(SVerticalBox)
		+ SVerticalBox::Slot().AutoHeight().HAlign(HAlign_Right)[SNew(STextBlock)]
		+ SVerticalBox::Slot().FillHeight(2.0f)[SNew(STextBlock)];

	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(Column);

	ASSERT_EQ(Painted.Children.Num(), 2);
	ExpectSameNames(Painted.Children[0].GivenSlotArguments, Names({TEXT("AutoHeight"), TEXT("HAlign")}));
	EXPECT_EQ(Painted.Children[0].SlotArguments.FindRef(TEXT("HAlign")), TEXT("HAlign_Right"));
	EXPECT_EQ(Painted.Children[1].SlotArguments.FindRef(TEXT("FillHeight")), TEXT("2.0"));
	EXPECT_FALSE(Painted.Children[1].SlotArguments.Contains(TEXT("FillWidth")));
}

TEST(SlateSlots, PanelsReleaseTheWidgetsTheyNoLongerHold)
{
	const TSharedRef<SHorizontalBox> Row = SNew(SHorizontalBox);
	TWeakPtr<SWidget> Removed;
	TWeakPtr<SWidget> Cleared;
	TWeakPtr<SWidget> Replaced;
	{
		TSharedRef<SWidget> First = SNew(STextBlock);
		TSharedRef<SWidget> Second = SNew(STextBlock);
		Removed = First;
		Cleared = Second;
		Row->AddSlot()[First];
		Row->AddSlot()[Second];
	}
	const TSharedRef<SBox> Box = SNew(SBox)[SNew(STextBlock)];
	Replaced = HostTest::FindFirstWidgetOfType(Box, TEXT("STextBlock"));

	Row->RemoveSlot(Removed.Pin().ToSharedRef());
	EXPECT_FALSE(Removed.IsValid());
	Row->ClearChildren();
	EXPECT_FALSE(Cleared.IsValid());
	Box->SetContent(SNew(SButton));
	EXPECT_FALSE(Replaced.IsValid());
	EXPECT_EQ(HostTest::FindWidgetsOfType(Box, TEXT("SButton")).Num(), 1);
}

// Bindings to objects: getters are read at every paint and never reach an object that has gone.

class SlateBindings : public ::testing::Test
{
protected:
	TSharedPtr<FPanelOwner> Owner = MakeShared<FPanelOwner>();
};

TEST_F(SlateBindings, TextBoundToAnObjectIsReadAtEveryPaint)
{
	const TSharedRef<STextBlock> Label = SNew(STextBlock).Text(Owner.Get(), &FPanelOwner::GetLabel);
	EXPECT_EQ(Owner->LabelCalls, 0);

	EXPECT_EQ(HostTest::PaintWidget(Label).Arguments.FindRef(TEXT("Text")), TEXT("Add All Assets"));
	Owner->Label = TEXT("Remove All Assets");
	EXPECT_EQ(HostTest::PaintWidget(Label).Arguments.FindRef(TEXT("Text")), TEXT("Remove All Assets"));
	EXPECT_EQ(Owner->LabelCalls, 2);
}

TEST_F(SlateBindings, ButtonReadsItsBoundTextOncePerPaint)
{
	const TSharedRef<SButton> Button = SNew(SButton).Text(Owner.Get(), &FPanelOwner::GetLabel);
	const int32 PaintsBefore = HostTest::GetPaintCount();

	HostTest::PaintWidget(Button);
	HostTest::PaintWidget(Button);

	EXPECT_EQ(Owner->LabelCalls, 2);
	EXPECT_EQ(HostTest::GetPaintCount(), PaintsBefore + 2);
}

TEST_F(SlateBindings, GetterOfAnObjectThatHasGoneIsNotCalled)
{
	const TSharedRef<STextBlock> Label = SNew(STextBlock).Text(Owner.Get(), &FPanelOwner::GetLabel);
	const TSharedRef<SButton> Button = SNew(SButton)
		.ToolTipText(MakeAttributeSP(Owner.Get(), &FPanelOwner::GetLabel))
		.IsEnabled(Owner.Get(), &FPanelOwner::IsActionEnabled);
	const TWeakPtr<FPanelOwner> WeakOwner = Owner;

	Owner.Reset();

	EXPECT_FALSE(WeakOwner.IsValid());
	EXPECT_EQ(HostTest::PaintWidget(Label).Arguments.FindRef(TEXT("Text")), TEXT(""));
	EXPECT_EQ(HostTest::PaintWidget(Button).Arguments.FindRef(TEXT("ToolTipText")), TEXT(""));
}

TEST_F(SlateBindings, WidgetsHoldTheirObjectsWeakly)
{
	const TSharedRef<SButton> Button = SNew(SButton)
		.Text(Owner.Get(), &FPanelOwner::GetLabel)
		.OnClicked(Owner.Get(), &FPanelOwner::OnAction);
	const TWeakPtr<FPanelOwner> WeakOwner = Owner;

	Owner.Reset();

	EXPECT_FALSE(WeakOwner.IsValid());
	EXPECT_EQ(HostTest::PaintWidget(Button).Arguments.FindRef(TEXT("OnClicked")), TEXT("unbound"));
}

TEST_F(SlateBindings, WidgetBoundToItselfIsReleasedWithItsLastReference)
{
	TSharedPtr<SHostTestCounter> Counter = SNew(SHostTestCounter, 1);
	const TWeakPtr<SHostTestCounter> WeakCounter = Counter;

	Counter.Reset();

	EXPECT_FALSE(WeakCounter.IsValid());
}

TEST_F(SlateBindings, PayloadsAndLambdasBindToo)
{
	const TSharedRef<SHorizontalBox> Row = SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()[SNew(STextBlock).Text(Owner.Get(), &FPanelOwner::GetLabelWithSuffix, 7)]
		+ SHorizontalBox::Slot()[SNew(STextBlock).Text_Lambda([]() { return FText::FromString(TEXT("lambda")); })]
		+ SHorizontalBox::Slot()[SNew(STextBlock).Text_Raw(Owner.Get(), &FPanelOwner::GetLabel)]
		+ SHorizontalBox::Slot()[SNew(STextBlock).Text(TAttribute<FText>::CreateSP(Owner.Get(), &FPanelOwner::GetLabel))];

	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(Row);

	ASSERT_EQ(Painted.Children.Num(), 4);
	EXPECT_EQ(Painted.Children[0].Arguments.FindRef(TEXT("Text")), TEXT("Add All Assets 7"));
	EXPECT_EQ(Painted.Children[1].Arguments.FindRef(TEXT("Text")), TEXT("lambda"));
	EXPECT_EQ(Painted.Children[2].Arguments.FindRef(TEXT("Text")), TEXT("Add All Assets"));
	EXPECT_EQ(Painted.Children[3].Arguments.FindRef(TEXT("Text")), TEXT("Add All Assets"));
	EXPECT_EQ(Owner->LabelCalls, 3);
}

TEST_F(SlateBindings, EventWithAParameterBindsToAnObjectWeakly)
{
	TSharedPtr<FPickReceiver> Receiver = MakeShared<FPickReceiver>();
	const TSharedRef<SHostTestChooser> Chooser = SNew(SHostTestChooser).OnPicked(Receiver.Get(), &FPickReceiver::OnPicked);
	const TSharedRef<SHostTestChooser> Tagged = SNew(SHostTestChooser).OnPicked(Receiver.Get(), &FPickReceiver::OnPickedWithTag, FString(TEXT("tag:")));

	Chooser->Pick(TEXT("SM_Rock"));
	Tagged->Pick(TEXT("SM_Tree"));
	const TWeakPtr<FPickReceiver> WeakReceiver = Receiver;
	const TArray<FString> Picks = Receiver->Picks;
	Receiver.Reset();
	Chooser->Pick(TEXT("SM_Late"));

	ASSERT_EQ(Picks.Num(), 2);
	EXPECT_EQ(Picks[0], TEXT("SM_Rock"));
	EXPECT_EQ(Picks[1], TEXT("tag:SM_Tree"));
	EXPECT_FALSE(WeakReceiver.IsValid());
}

TEST_F(SlateBindings, ToolTipGetterIsReadAtEveryPaint)
{
	const TSharedRef<SButton> Button = SNew(SButton)
		.Text(FText::FromString(TEXT("fixed")))
		.ToolTipText(Owner.Get(), &FPanelOwner::GetLabel);

	HostTest::PaintWidget(Button);
	Owner->Label = TEXT("changed");
	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(Button);

	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("ToolTipText")), TEXT("changed"));
	EXPECT_EQ(Painted.Arguments.FindRef(TEXT("Text")), TEXT("fixed"));
	EXPECT_EQ(Owner->LabelCalls, 2);
}

TEST_F(SlateBindings, PaintKeepsTheWidgetsAliveWhenAGetterDropsTheirLastReference)
{
	// A getter that rebuilds its panel while the panel is painted, as a details refresh triggered by a draw would.
	TArray<TSharedRef<SWidget>> Panel;
	TWeakPtr<SWidget> WeakRow;
	Panel.Add(SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		[
			SNew(STextBlock).Text_Lambda([&Panel]()
			{
				Panel.Empty();
				return FText::FromString(TEXT("drawn"));
			})
		]
		+ SHorizontalBox::Slot()
		[
			SNew(STextBlock).Text(FText::FromString(TEXT("after")))
		]);
	WeakRow = Panel[0];

	const HostTest::FWidgetSnapshot Painted = HostTest::PaintWidget(Panel[0]);

	ASSERT_EQ(Painted.Children.Num(), 2);
	EXPECT_EQ(Painted.Children[0].Arguments.FindRef(TEXT("Text")), TEXT("drawn"));
	EXPECT_EQ(Painted.Children[1].Arguments.FindRef(TEXT("Text")), TEXT("after"));
	EXPECT_FALSE(WeakRow.IsValid());
}

TEST_F(SlateBindings, HandlerSetAfterConstructionIsCalledAndSimulatedClicksRespectEnabled)
{
	const TSharedRef<SButton> Button = SNew(SButton).IsEnabled(Owner.Get(), &FPanelOwner::IsActionEnabled);
	Button->SetOnClicked(FOnClicked::CreateSP(Owner.ToSharedRef(), &FPanelOwner::OnAction));

	Button->SimulateClick();
	Owner->bEnabled = false;
	Button->SimulateClick();

	EXPECT_EQ(Owner->ActionCalls, 1);
	EXPECT_FALSE(Button->IsPressed());
}

// Clicking: Slate's routing keeps the button alive, respects IsEnabled at click time and returns the handler's reply.

TEST_F(SlateBindings, ClickCallsTheHandlerOnceAndReturnsItsReply)
{
	const TSharedRef<SButton> Button = SNew(SButton).OnClicked(Owner.Get(), &FPanelOwner::OnAction);

	const FReply Reply = HostTest::ClickButton(Button);

	EXPECT_TRUE(Reply.IsEventHandled());
	EXPECT_EQ(Owner->ActionCalls, 1);
}

TEST_F(SlateBindings, EveryHandlerFormIsCalled)
{
	int32 StaticCalls = 0;
	int32 LambdaCalls = 0;
	const TSharedRef<SButton> Const = SNew(SButton).OnClicked(Owner.Get(), &FPanelOwner::OnActionConst);
	const TSharedRef<SButton> Shared = SNew(SButton).OnClicked(Owner.ToSharedRef(), &FPanelOwner::OnAction);
	const TSharedRef<SButton> Delegate = SNew(SButton).OnClicked(FOnClicked::CreateSP(Owner.ToSharedRef(), &FPanelOwner::OnAction));
	const TSharedRef<SButton> Raw = SNew(SButton).OnClicked_Raw(Owner.Get(), &FPanelOwner::OnAction);
	const TSharedRef<SButton> Static = SNew(SButton).OnClicked_Static(&HandleStatically, &StaticCalls);
	const TSharedRef<SButton> Lambda = SNew(SButton).OnClicked_Lambda([&LambdaCalls]()
	{
		++LambdaCalls;
		return FReply::Unhandled();
	});

	for (const TSharedRef<SButton>& Button : {Const, Shared, Delegate, Raw, Static})
	{
		EXPECT_TRUE(HostTest::ClickButton(Button).IsEventHandled());
	}
	EXPECT_FALSE(HostTest::ClickButton(Lambda).IsEventHandled());

	EXPECT_EQ(Owner->ActionCalls, 4);
	EXPECT_EQ(StaticCalls, 1);
	EXPECT_EQ(LambdaCalls, 1);
}

TEST_F(SlateBindings, ClickAfterTheHandlersObjectHasGoneDoesNothing)
{
	const TSharedRef<SButton> Button = SNew(SButton).OnClicked(Owner.Get(), &FPanelOwner::OnAction);
	Owner.Reset();

	EXPECT_FALSE(HostTest::ClickButton(Button).IsEventHandled());
}

TEST_F(SlateBindings, ButtonWithoutHandlerIsUnhandled)
{
	EXPECT_FALSE(HostTest::ClickButton(SNew(SButton)).IsEventHandled());
}

TEST_F(SlateBindings, DisabledButtonIsNotClickedAndEnabledIsReadAtClickTime)
{
	const TSharedRef<SButton> Button = SNew(SButton)
		.OnClicked(Owner.Get(), &FPanelOwner::OnAction)
		.IsEnabled(Owner.Get(), &FPanelOwner::IsActionEnabled);

	Owner->bEnabled = false;
	EXPECT_FALSE(HostTest::ClickButton(Button).IsEventHandled());
	EXPECT_EQ(HostTest::PaintWidget(Button).Arguments.FindRef(TEXT("IsEnabled")), TEXT("false"));
	Owner->bEnabled = true;
	EXPECT_TRUE(HostTest::ClickButton(Button).IsEventHandled());

	EXPECT_EQ(Owner->ActionCalls, 1);
	EXPECT_FALSE(HostTest::ClickButton(SNew(SButton).IsEnabled(false).OnClicked(Owner.Get(), &FPanelOwner::OnAction)).IsEventHandled());
	EXPECT_FALSE(HostTest::ClickButton(SNew(SButton).Visibility(EVisibility::Collapsed).OnClicked(Owner.Get(), &FPanelOwner::OnAction)).IsEventHandled());
	EXPECT_EQ(Owner->ActionCalls, 1);
}

TEST_F(SlateBindings, ClickKeepsTheButtonAliveWhileItsHandlerDropsTheLastOtherReference)
{
	// The panel holds the only reference; the handler rebuilds the panel, as a details refresh does.
	TArray<TSharedRef<SButton>> Panel;
	TWeakPtr<SButton> WeakButton;
	int32 Calls = 0;
	Panel.Add(SNew(SButton).OnClicked_Lambda([&Panel, &WeakButton, &Calls]()
	{
		++Calls;
		Panel.Empty();
		EXPECT_TRUE(WeakButton.IsValid());
		return FReply::Handled();
	}));
	WeakButton = Panel[0];

	const FReply Reply = HostTest::ClickButton(Panel[0]);

	EXPECT_TRUE(Reply.IsEventHandled());
	EXPECT_EQ(Calls, 1);
	EXPECT_FALSE(WeakButton.IsValid());
}

// Walking a widget tree.

TEST(SlateTree, FindWidgetsOfTypeWalksParentsBeforeChildren)
{
	TSharedPtr<SButton> Second;
	const TSharedRef<SHorizontalBox> Row = SNew(SHorizontalBox)
		+ SHorizontalBox::Slot().AutoWidth()[SNew(SButton).Text(FText::FromString(TEXT("one")))]
		+ SHorizontalBox::Slot().AutoWidth()[SNew(SBox)[SAssignNew(Second, SButton)]];

	const TArray<TSharedRef<SWidget>> Buttons = HostTest::FindWidgetsOfType(Row, TEXT("SButton"));
	const TArray<TSharedRef<SWidget>> Texts = HostTest::FindWidgetsOfType(Row, TEXT("STextBlock"));

	ASSERT_EQ(Buttons.Num(), 2);
	EXPECT_EQ(&Buttons[1].Get(), Second.Get());
	EXPECT_EQ(Texts.Num(), 2);
	EXPECT_EQ(HostTest::FindWidgetsOfType(Row, TEXT("SHorizontalBox")).Num(), 1);
	EXPECT_FALSE(HostTest::FindFirstWidgetOfType(Row, TEXT("SBorder")).IsValid());
}

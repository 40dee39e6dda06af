#pragma once

#include "CoreMinimal.h"
#include "Math/Color.h"
#include "Misc/EnumClassFlags.h"
#include "Templates/Function.h"
#include "Templates/SharedPointer.h"

/**
 * The engine's automation framework, as far as behaviour tests written with Describe and It use it: tests register
 * themselves when their module loads, report their cases by name, and are run one case at a time by
 * whoever drives the framework (the editor's Session Frontend, "Automation RunTests", a runner program).
 */

/** Where a test may run and which filter lists it. */
enum class EAutomationTestFlags : uint32
{
	None = 0x00000000,
	EditorContext = 0x00000001,
	ClientContext = 0x00000002,
	ServerContext = 0x00000004,
	CommandletContext = 0x00000008,
	ProgramContext = 0x00000010,
	ApplicationContextMask = EditorContext | ClientContext | ServerContext | CommandletContext | ProgramContext,

	NonNullRHI = 0x00000100,
	RequiresUser = 0x00000200,
	FeatureMask = NonNullRHI | RequiresUser,

	Disabled = 0x00010000,

	CriticalPriority = 0x00100000,
	HighPriority = 0x00200000,
	MediumPriority = 0x00400000,
	LowPriority = 0x00800000,
	PriorityMask = CriticalPriority | HighPriority | MediumPriority | LowPriority,

	SmokeFilter = 0x01000000,
	EngineFilter = 0x02000000,
	ProductFilter = 0x04000000,
	PerfFilter = 0x08000000,
	StressFilter = 0x10000000,
	NegativeFilter = 0x20000000,
	FilterMask = SmokeFilter | EngineFilter | ProductFilter | PerfFilter | StressFilter | NegativeFilter,
};
ENUM_CLASS_FLAGS(EAutomationTestFlags);

namespace EAutomationExpectedErrorFlags
{
	enum MatchType
	{
		Exact,
		Contains,
	};
}

enum class EAutomationEventType : uint8
{
	Info,
	Warning,
	Error,
};

/** Something a test reported while it ran. */
struct CORE_API FAutomationEvent
{
	FAutomationEvent(EAutomationEventType InType, const FString& InMessage)
		: Type(InType)
		, Message(InMessage)
	{
	}

	EAutomationEventType Type;
	FString Message;
	FString Context;
};

struct CORE_API FAutomationExecutionEntry
{
	explicit FAutomationExecutionEntry(const FAutomationEvent& InEvent)
		: Event(InEvent)
	{
	}

	FAutomationEvent Event;
};

/** The outcome of one run of a test case. */
struct CORE_API FAutomationTestExecutionInfo
{
	bool bSuccessful = false;

	void Clear();
	void AddEvent(const FAutomationEvent& Event);
	const TArray<FAutomationExecutionEntry>& GetEntries() const
	{
		return Entries;
	}
	int32 GetErrorTotal() const
	{
		return Errors;
	}
	int32 GetWarningTotal() const
	{
		return Warnings;
	}

private:
	TArray<FAutomationExecutionEntry> Entries;
	int32 Errors = 0;
	int32 Warnings = 0;
};

/** One case the framework can run: a test and the parameter that selects the case within it. */
class CORE_API FAutomationTestInfo
{
public:
	FAutomationTestInfo() = default;
	FAutomationTestInfo(const FString& InDisplayName, const FString& InFullTestPath, const FString& InTestName, EAutomationTestFlags InTestFlags, const FString& InParameterName, const FString& InSourceFile, int32 InSourceFileLine)
		: DisplayName(InDisplayName)
		, FullTestPath(InFullTestPath)
		, TestName(InTestName)
		, TestParameter(InParameterName)
		, SourceFile(InSourceFile)
		, SourceFileLine(InSourceFileLine)
		, TestFlags(InTestFlags)
	{
	}

	const FString& GetDisplayName() const { return DisplayName; }
	/** "Talvyn.Editor.Subject.Describe It": the path the editor's test tree and filters use. */
	const FString& GetFullTestPath() const { return FullTestPath; }
	/** The registered name of the test (the class name of a Describe/It test). */
	const FString& GetTestName() const { return TestName; }
	const FString& GetTestParameter() const { return TestParameter; }
	const FString& GetSourceFile() const { return SourceFile; }
	int32 GetSourceFileLine() const { return SourceFileLine; }
	EAutomationTestFlags GetTestFlags() const { return TestFlags; }

private:
	FString DisplayName;
	FString FullTestPath;
	FString TestName;
	FString TestParameter;
	FString SourceFile;
	int32 SourceFileLine = 0;
	EAutomationTestFlags TestFlags = EAutomationTestFlags::None;
};

class FAutomationTestBase;

/** Holds every registered test and runs them one case at a time. */
class CORE_API FAutomationTestFramework
{
public:
	static FAutomationTestFramework& Get();

	bool RegisterAutomationTest(const FString& InTestNameToRegister, FAutomationTestBase* InTestToRegister);
	bool UnregisterAutomationTest(const FString& InTestNameToUnregister);

	/** Every case of every registered test, in the order of registration and, within a test, of definition. */
	void GetValidTestNames(TArray<FAutomationTestInfo>& TestInfo) const;

	/** Starts a case: InTestToRun is the test's name, a space and the case's parameter. */
	bool StartTestByName(const FString& InTestToRun, const int32 InRoleIndex, const FString& InFullTestPath = FString());

	/** Latent work is not used by these tests: nothing is ever left to run. */
	bool ExecuteLatentCommands();

	/** Ends the case started last and hands out what it reported; returns whether it passed. */
	bool StopTest(FAutomationTestExecutionInfo& OutExecutionInfo);

	/** The test whose case is running, null between cases. */
	FAutomationTestBase* GetCurrentTest() const
	{
		return CurrentTest;
	}

private:
	FAutomationTestFramework() = default;

	TArray<TPair<FString, FAutomationTestBase*>> Tests;
	FAutomationTestBase* CurrentTest = nullptr;
	FString CurrentParameters;
	bool bCurrentResult = false;
};

/** A test: a named set of cases with the checks every case may make. */
class CORE_API FAutomationTestBase
{
public:
	FAutomationTestBase(const FString& InName, const bool bInComplexTask);
	virtual ~FAutomationTestBase();

	virtual EAutomationTestFlags GetTestFlags() const = 0;
	virtual FString GetTestSourceFileName() const
	{
		return FString();
	}
	virtual int32 GetTestSourceFileLine() const
	{
		return 0;
	}
	virtual FString GetTestSourceFileName(const FString& InTestName) const
	{
		return GetTestSourceFileName();
	}
	virtual int32 GetTestSourceFileLine(const FString& InTestName) const
	{
		return GetTestSourceFileLine();
	}

	const FString& GetTestName() const
	{
		return TestName;
	}

	/** The test's name as the editor shows it: "Talvyn.Editor.Subject". */
	virtual FString GetBeautifiedTestName() const = 0;

	/** The cases of this test: the names shown below the test, and the parameters that run them. */
	virtual void GetTests(TArray<FString>& OutBeautifiedNames, TArray<FString>& OutTestCommands) const = 0;

	/** Runs one case, as the framework asks; returns whether it ran to the end. */
	bool RunTestCase(const FString& Parameters, FAutomationTestExecutionInfo& OutExecutionInfo);

	/**
	 * Errors and warnings logged while a case runs are reported as its own, errors failing it, unless the
	 * test suppresses them or expects them.
	 */
	virtual bool SuppressLogErrors()
	{
		return false;
	}
	virtual bool SuppressLogWarnings()
	{
		return false;
	}
	virtual bool ElevateLogWarningsToErrors()
	{
		return false;
	}

	/**
	 * A logged error or warning that the running case expects: matching lines are not reported, and the case
	 * fails unless they occur Occurrences times (0: at least once). Patterns are matched as plain text.
	 */
	void AddExpectedError(FString ExpectedErrorPattern, EAutomationExpectedErrorFlags::MatchType CompareType = EAutomationExpectedErrorFlags::Contains, int32 Occurrences = 1, bool IsRegex = true);

	virtual void AddError(const FString& InError, int32 StackOffset = 0);
	virtual void AddWarning(const FString& InWarning, int32 StackOffset = 0);
	virtual void AddInfo(const FString& InLogItem, int32 StackOffset = 0);
	bool HasAnyErrors() const;

	bool TestTrue(const TCHAR* What, bool Value);
	bool TestTrue(const FString& What, bool Value)
	{
		return TestTrue(*What, Value);
	}
	bool TestFalse(const TCHAR* What, bool Value);
	bool TestFalse(const FString& What, bool Value)
	{
		return TestFalse(*What, Value);
	}

	bool TestEqual(const TCHAR* What, const int32 Actual, const int32 Expected);
	bool TestEqual(const TCHAR* What, const int64 Actual, const int64 Expected);
	bool TestEqual(const TCHAR* What, const float Actual, const float Expected, float Tolerance = 1.e-4f);
	bool TestEqual(const TCHAR* What, const double Actual, const double Expected, double Tolerance = 1.e-4);
	bool TestEqual(const TCHAR* What, const FColor Actual, const FColor Expected);
	bool TestEqual(const TCHAR* What, const FLinearColor Actual, const FLinearColor Expected);
	bool TestEqual(const TCHAR* What, const TCHAR* Actual, const TCHAR* Expected);
	bool TestEqual(const TCHAR* What, const FString& Actual, const TCHAR* Expected)
	{
		return TestEqual(What, *Actual, Expected);
	}
	bool TestEqual(const TCHAR* What, const TCHAR* Actual, const FString& Expected)
	{
		return TestEqual(What, Actual, *Expected);
	}
	bool TestEqual(const TCHAR* What, const FString& Actual, const FString& Expected)
	{
		return TestEqual(What, *Actual, *Expected);
	}
	bool TestEqual(const TCHAR* What, const FText& Actual, const FText& Expected);
	bool TestEqual(const TCHAR* What, const FName Actual, const FName Expected);

	template<typename ValueType>
	bool TestEqual(const FString& What, const ValueType& Actual, const ValueType& Expected)
	{
		return TestEqual(*What, Actual, Expected);
	}

	bool TestNotEqual(const TCHAR* What, const int32 Actual, const int32 Expected);

	template<typename ValueType>
	bool TestNotNull(const TCHAR* What, const ValueType* Pointer)
	{
		if (Pointer == nullptr)
		{
			AddError(FString::Printf(TEXT("Expected '%s' to be not null."), What), 1);
			return false;
		}
		return true;
	}

	template<typename ValueType>
	bool TestNotNull(const FString& What, const ValueType* Pointer)
	{
		return TestNotNull(*What, Pointer);
	}

	template<typename ValueType>
	bool TestNull(const TCHAR* What, const ValueType* Pointer)
	{
		if (Pointer != nullptr)
		{
			AddError(FString::Printf(TEXT("Expected '%s' to be null."), What), 1);
			return false;
		}
		return true;
	}

	template<typename ValueType>
	bool TestValid(const TCHAR* What, const TSharedPtr<ValueType>& Pointer)
	{
		if (!Pointer.IsValid())
		{
			AddError(FString::Printf(TEXT("Expected '%s' to be valid."), What), 1);
			return false;
		}
		return true;
	}

	template<typename ValueType>
	bool TestInvalid(const TCHAR* What, const TSharedPtr<ValueType>& Pointer)
	{
		if (Pointer.IsValid())
		{
			AddError(FString::Printf(TEXT("Expected '%s' to be invalid."), What), 1);
			return false;
		}
		return true;
	}

protected:
	/** Runs the case that Parameters names; the checks above report into the running case. */
	virtual bool RunTest(const FString& Parameters) = 0;

	FString TestName;
	bool bComplexTask;

private:
	struct FExpectedError
	{
		FString Pattern;
		EAutomationExpectedErrorFlags::MatchType CompareType;
		int32 Occurrences;
		int32 Found;
	};

	/** Reports what was logged during the case, from the log line First on. */
	void ReportLoggedLines(int32 First);

	FAutomationTestExecutionInfo* ExecutionInfo = nullptr;
	TArray<FExpectedError> ExpectedErrors;
};

/**
 * A behaviour test: Define() declares its cases with Describe, It, BeforeEach and AfterEach. Each It
 * is one case; its BeforeEach blocks run before it, outermost first, and its AfterEach blocks after it,
 * innermost first, also when it reported errors.
 */
class CORE_API FAutomationSpecBase : public FAutomationTestBase, public TSharedFromThis<FAutomationSpecBase>
{
public:
	FAutomationSpecBase(const FString& InName, const bool bInComplexTask);
	virtual ~FAutomationSpecBase() override;

	virtual void GetTests(TArray<FString>& OutBeautifiedNames, TArray<FString>& OutTestCommands) const override;
	using FAutomationTestBase::GetTestSourceFileName;
	using FAutomationTestBase::GetTestSourceFileLine;
	virtual FString GetTestSourceFileName(const FString& InTestName) const override;
	virtual int32 GetTestSourceFileLine(const FString& InTestName) const override;

	void xDescribe(const FString& InDescription, TFunction<void()> DoWork) {}
	void xIt(const FString& InDescription, TFunction<void()> DoWork) {}
	void xBeforeEach(TFunction<void()> DoWork) {}
	void xAfterEach(TFunction<void()> DoWork) {}

	void Describe(const FString& InDescription, TFunction<void()> DoWork);
	void It(const FString& InDescription, TFunction<void()> DoWork);
	void BeforeEach(TFunction<void()> DoWork);
	void AfterEach(TFunction<void()> DoWork);

protected:
	virtual void Define() = 0;
	virtual bool RunTest(const FString& InParameters) override;

private:
	struct FSpecBlock
	{
		TArray<TFunction<void()>> BeforeEach;
		TArray<TFunction<void()>> AfterEach;
	};

	struct FSpecIt
	{
		FString Description;
		FString Id;
		FString Filename;
		int32 LineNumber = 0;
		TFunction<void()> Work;
		/** The blocks that enclose the It, outermost first, by index into Blocks. */
		TArray<int32> Scopes;
	};

	/** Define() runs once, the first time the cases are asked for. */
	void EnsureDefinitions() const;

	mutable bool bHasBeenDefined = false;
	TArray<FSpecBlock> Blocks;
	TArray<FSpecIt> Its;
	TArray<int32> ScopeStack;
	TArray<FString> DescriptionStack;
};

/** Declares a behaviour test class; the members its cases need go between this and END_DEFINE_SPEC. */
#define BEGIN_DEFINE_SPEC(TClass, PrettyName, TFlags) \
	class TClass : public FAutomationSpecBase \
	{ \
	public: \
		TClass(const FString& InName) \
			: FAutomationSpecBase(InName, false) \
		{ \
			static_assert(((TFlags) & EAutomationTestFlags::ApplicationContextMask) != EAutomationTestFlags::None, "AutomationTest has no application flag. It shouldn't run. See AutomationTest.h."); \
			static_assert((((TFlags) & EAutomationTestFlags::FilterMask) == EAutomationTestFlags::SmokeFilter) || (((TFlags) & EAutomationTestFlags::FilterMask) == EAutomationTestFlags::EngineFilter) || (((TFlags) & EAutomationTestFlags::FilterMask) == EAutomationTestFlags::ProductFilter) || (((TFlags) & EAutomationTestFlags::FilterMask) == EAutomationTestFlags::PerfFilter) || (((TFlags) & EAutomationTestFlags::FilterMask) == EAutomationTestFlags::StressFilter) || (((TFlags) & EAutomationTestFlags::FilterMask) == EAutomationTestFlags::NegativeFilter), "All AutomationTests must have exactly 1 filter type specified. See AutomationTest.h."); \
		} \
		virtual EAutomationTestFlags GetTestFlags() const override \
		{ \
			return TFlags; \
		} \
		using FAutomationSpecBase::GetTestSourceFileName; \
		virtual FString GetTestSourceFileName() const override \
		{ \
			return FString(TEXT(__FILE__)); \
		} \
		using FAutomationSpecBase::GetTestSourceFileLine; \
		virtual int32 GetTestSourceFileLine() const override \
		{ \
			return __LINE__; \
		} \
		virtual FString GetBeautifiedTestName() const override \
		{ \
			return FString(PrettyName); \
		} \
	protected: \
		virtual void Define() override;

#define END_DEFINE_SPEC(TClass) \
	}; \
	namespace \
	{ \
		TClass TClass##AutomationSpecInstance(TEXT(#TClass)); \
	}

#define DEFINE_SPEC(TClass, PrettyName, TFlags) \
	BEGIN_DEFINE_SPEC(TClass, PrettyName, TFlags) \
	END_DEFINE_SPEC(TClass)

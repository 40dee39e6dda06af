#include "Misc/AutomationTest.h"

#include "HostTest/CoreProbe.h"
#include "Internationalization/Text.h"
#include "UObject/NameTypes.h"

void FAutomationTestExecutionInfo::Clear()
{
	Entries.Reset();
	Errors = 0;
	Warnings = 0;
	bSuccessful = false;
}

void FAutomationTestExecutionInfo::AddEvent(const FAutomationEvent& Event)
{
	if (Event.Type == EAutomationEventType::Error)
	{
		++Errors;
	}
	else if (Event.Type == EAutomationEventType::Warning)
	{
		++Warnings;
	}
	Entries.Add(FAutomationExecutionEntry(Event));
}

FAutomationTestFramework& FAutomationTestFramework::Get()
{
	static FAutomationTestFramework Framework;
	return Framework;
}

bool FAutomationTestFramework::RegisterAutomationTest(const FString& InTestNameToRegister, FAutomationTestBase* InTestToRegister)
{
	for (const TPair<FString, FAutomationTestBase*>& Test : Tests)
	{
		if (Test.Key == InTestNameToRegister)
		{
			return false;
		}
	}
	Tests.Add(TPair<FString, FAutomationTestBase*>(InTestNameToRegister, InTestToRegister));
	return true;
}

bool FAutomationTestFramework::UnregisterAutomationTest(const FString& InTestNameToUnregister)
{
	for (int32 Index = 0; Index < Tests.Num(); ++Index)
	{
		if (Tests[Index].Key == InTestNameToUnregister)
		{
			if (CurrentTest == Tests[Index].Value)
			{
				CurrentTest = nullptr;
			}
			Tests.RemoveAt(Index);
			return true;
		}
	}
	return false;
}

void FAutomationTestFramework::GetValidTestNames(TArray<FAutomationTestInfo>& TestInfo) const
{
	for (const TPair<FString, FAutomationTestBase*>& Test : Tests)
	{
		TArray<FString> BeautifiedNames;
		TArray<FString> Commands;
		Test.Value->GetTests(BeautifiedNames, Commands);
		const FString TestPath = Test.Value->GetBeautifiedTestName();
		for (int32 Index = 0; Index < BeautifiedNames.Num() && Index < Commands.Num(); ++Index)
		{
			TestInfo.Add(FAutomationTestInfo(BeautifiedNames[Index], TestPath + TEXT(".") + BeautifiedNames[Index], Test.Key, Test.Value->GetTestFlags(), Commands[Index],
				Test.Value->GetTestSourceFileName(Test.Key), Test.Value->GetTestSourceFileLine(Test.Key)));
		}
	}
}

bool FAutomationTestFramework::StartTestByName(const FString& InTestToRun, const int32 InRoleIndex, const FString& InFullTestPath)
{
	FString Name = InTestToRun;
	FString Parameters;
	InTestToRun.Split(TEXT(" "), &Name, &Parameters);

	CurrentTest = nullptr;
	bCurrentResult = false;
	for (const TPair<FString, FAutomationTestBase*>& Test : Tests)
	{
		if (Test.Key == Name)
		{
			CurrentTest = Test.Value;
			break;
		}
	}
	if (CurrentTest == nullptr)
	{
		return false;
	}
	CurrentParameters = Parameters;
	return true;
}

bool FAutomationTestFramework::ExecuteLatentCommands()
{
	return true;
}

bool FAutomationTestFramework::StopTest(FAutomationTestExecutionInfo& OutExecutionInfo)
{
	OutExecutionInfo.Clear();
	if (CurrentTest == nullptr)
	{
		OutExecutionInfo.AddEvent(FAutomationEvent(EAutomationEventType::Error, TEXT("No test was started.")));
		return false;
	}
	FAutomationTestBase* const Test = CurrentTest;
	bCurrentResult = Test->RunTestCase(CurrentParameters, OutExecutionInfo);
	CurrentTest = nullptr;
	return bCurrentResult;
}

FAutomationTestBase::FAutomationTestBase(const FString& InName, const bool bInComplexTask)
	: TestName(InName)
	, bComplexTask(bInComplexTask)
{
	FAutomationTestFramework::Get().RegisterAutomationTest(InName, this);
}

FAutomationTestBase::~FAutomationTestBase()
{
	FAutomationTestFramework::Get().UnregisterAutomationTest(TestName);
}

bool FAutomationTestBase::RunTestCase(const FString& Parameters, FAutomationTestExecutionInfo& OutExecutionInfo)
{
	ExecutionInfo = &OutExecutionInfo;
	ExpectedErrors.Reset();
	const int32 FirstLogLine = HostTest::GetRecordedLogLines().Num();
	const bool bRanToTheEnd = RunTest(Parameters);
	ReportLoggedLines(FirstLogLine);
	ExpectedErrors.Reset();
	ExecutionInfo = nullptr;
	OutExecutionInfo.bSuccessful = bRanToTheEnd && OutExecutionInfo.GetErrorTotal() == 0;
	return OutExecutionInfo.bSuccessful;
}

void FAutomationTestBase::AddExpectedError(FString ExpectedErrorPattern, EAutomationExpectedErrorFlags::MatchType CompareType, int32 Occurrences, bool IsRegex)
{
	ExpectedErrors.Add(FExpectedError{ ExpectedErrorPattern, CompareType, Occurrences, 0 });
}

void FAutomationTestBase::ReportLoggedLines(int32 First)
{
	const TArray<HostTest::FRecordedLogLine> Lines = HostTest::GetRecordedLogLines();
	for (int32 Index = FMath::Max(First, 0); Index < Lines.Num(); ++Index)
	{
		const HostTest::FRecordedLogLine& Line = Lines[Index];
		const bool bError = Line.Verbosity == ELogVerbosity::Error || Line.Verbosity == ELogVerbosity::Fatal;
		const bool bWarning = Line.Verbosity == ELogVerbosity::Warning;
		if (!bError && !bWarning)
		{
			continue;
		}
		bool bExpected = false;
		for (FExpectedError& Expected : ExpectedErrors)
		{
			const bool bMatches = Expected.CompareType == EAutomationExpectedErrorFlags::Exact ? Line.Message.Equals(Expected.Pattern) : Line.Message.Contains(Expected.Pattern);
			if (bMatches)
			{
				++Expected.Found;
				bExpected = true;
				break;
			}
		}
		if (bExpected)
		{
			continue;
		}
		if (bError && !SuppressLogErrors())
		{
			AddError(Line.Message);
		}
		else if (bWarning && !SuppressLogWarnings())
		{
			if (ElevateLogWarningsToErrors())
			{
				AddError(Line.Message);
			}
			else
			{
				AddWarning(Line.Message);
			}
		}
	}
	for (const FExpectedError& Expected : ExpectedErrors)
	{
		if (Expected.Found == 0 || (Expected.Occurrences > 0 && Expected.Found != Expected.Occurrences))
		{
			AddError(FString::Printf(TEXT("Expected an error or warning matching \"%s\" %d time(s), but found it %d time(s)."), *Expected.Pattern, Expected.Occurrences, Expected.Found));
		}
	}
}

void FAutomationTestBase::AddError(const FString& InError, int32 StackOffset)
{
	if (ExecutionInfo != nullptr)
	{
		ExecutionInfo->AddEvent(FAutomationEvent(EAutomationEventType::Error, InError));
	}
}

void FAutomationTestBase::AddWarning(const FString& InWarning, int32 StackOffset)
{
	if (ExecutionInfo != nullptr)
	{
		ExecutionInfo->AddEvent(FAutomationEvent(EAutomationEventType::Warning, InWarning));
	}
}

void FAutomationTestBase::AddInfo(const FString& InLogItem, int32 StackOffset)
{
	if (ExecutionInfo != nullptr)
	{
		ExecutionInfo->AddEvent(FAutomationEvent(EAutomationEventType::Info, InLogItem));
	}
}

bool FAutomationTestBase::HasAnyErrors() const
{
	return ExecutionInfo != nullptr && ExecutionInfo->GetErrorTotal() > 0;
}

bool FAutomationTestBase::TestTrue(const TCHAR* What, bool Value)
{
	if (!Value)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be true."), What), 1);
	}
	return Value;
}

bool FAutomationTestBase::TestFalse(const TCHAR* What, bool Value)
{
	if (Value)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be false."), What), 1);
	}
	return !Value;
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, const int32 Actual, const int32 Expected)
{
	if (Actual != Expected)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %d, but it was %d."), What, Expected, Actual), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, const int64 Actual, const int64 Expected)
{
	if (Actual != Expected)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %lld, but it was %lld."), What, static_cast<long long>(Expected), static_cast<long long>(Actual)), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, const float Actual, const float Expected, float Tolerance)
{
	if (!(Actual >= Expected - Tolerance && Actual <= Expected + Tolerance))
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %s, but it was %s within tolerance %s."), What, *FString::SanitizeFloat(Expected), *FString::SanitizeFloat(Actual), *FString::SanitizeFloat(Tolerance)), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, const double Actual, const double Expected, double Tolerance)
{
	if (!(Actual >= Expected - Tolerance && Actual <= Expected + Tolerance))
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %s, but it was %s within tolerance %s."), What, *FString::SanitizeFloat(Expected), *FString::SanitizeFloat(Actual), *FString::SanitizeFloat(Tolerance)), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, const FColor Actual, const FColor Expected)
{
	if (Actual != Expected)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %s, but it was %s."), What, *Expected.ToString(), *Actual.ToString()), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, const FLinearColor Actual, const FLinearColor Expected)
{
	if (Actual != Expected)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be %s, but it was %s."), What, *Expected.ToString(), *Actual.ToString()), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, const TCHAR* Actual, const TCHAR* Expected)
{
	// Strings compare without regard to case, as the engine's string checks do.
	if (FCString::Stricmp(Actual, Expected) != 0)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be \"%s\", but it was \"%s\"."), What, Expected, Actual), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, const FText& Actual, const FText& Expected)
{
	return TestEqual(What, Actual.ToString(), Expected.ToString());
}

bool FAutomationTestBase::TestEqual(const TCHAR* What, const FName Actual, const FName Expected)
{
	if (Actual != Expected)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to be \"%s\", but it was \"%s\"."), What, *Expected.ToString(), *Actual.ToString()), 1);
		return false;
	}
	return true;
}

bool FAutomationTestBase::TestNotEqual(const TCHAR* What, const int32 Actual, const int32 Expected)
{
	if (Actual == Expected)
	{
		AddError(FString::Printf(TEXT("Expected '%s' to differ from %d."), What, Expected), 1);
		return false;
	}
	return true;
}

FAutomationSpecBase::FAutomationSpecBase(const FString& InName, const bool bInComplexTask)
	: FAutomationTestBase(InName, bInComplexTask)
{
}

FAutomationSpecBase::~FAutomationSpecBase() = default;

void FAutomationSpecBase::EnsureDefinitions() const
{
	if (bHasBeenDefined)
	{
		return;
	}
	bHasBeenDefined = true;
	// Define() declares the cases; it changes nothing a caller of the const queries could see before it ran.
	FAutomationSpecBase* const Self = const_cast<FAutomationSpecBase*>(this);
	Self->Blocks.Add(FSpecBlock());
	Self->ScopeStack.Add(0);
	Self->Define();
	Self->ScopeStack.Reset();
	Self->DescriptionStack.Reset();
}

void FAutomationSpecBase::GetTests(TArray<FString>& OutBeautifiedNames, TArray<FString>& OutTestCommands) const
{
	EnsureDefinitions();
	for (const FSpecIt& Case : Its)
	{
		OutBeautifiedNames.Add(Case.Description);
		OutTestCommands.Add(Case.Id);
	}
}

FString FAutomationSpecBase::GetTestSourceFileName(const FString& InTestName) const
{
	return GetTestSourceFileName();
}

int32 FAutomationSpecBase::GetTestSourceFileLine(const FString& InTestName) const
{
	return GetTestSourceFileLine();
}

void FAutomationSpecBase::Describe(const FString& InDescription, TFunction<void()> DoWork)
{
	checkf(ScopeStack.Num() > 0, TEXT("Describe must be called from Define"));
	const int32 Block = Blocks.Add(FSpecBlock());
	ScopeStack.Add(Block);
	DescriptionStack.Add(InDescription);
	DoWork();
	DescriptionStack.Pop();
	ScopeStack.Pop();
}

void FAutomationSpecBase::It(const FString& InDescription, TFunction<void()> DoWork)
{
	checkf(ScopeStack.Num() > 0, TEXT("It must be called from Define"));
	FSpecIt Case;
	for (const FString& Description : DescriptionStack)
	{
		Case.Description += Description + TEXT(" ");
	}
	Case.Description += InDescription;
	Case.Id = FString::Printf(TEXT("%d"), Its.Num());
	Case.Work = MoveTemp(DoWork);
	Case.Scopes = ScopeStack;
	Its.Add(MoveTemp(Case));
}

void FAutomationSpecBase::BeforeEach(TFunction<void()> DoWork)
{
	checkf(ScopeStack.Num() > 0, TEXT("BeforeEach must be called from Define"));
	Blocks[ScopeStack.Last()].BeforeEach.Add(MoveTemp(DoWork));
}

void FAutomationSpecBase::AfterEach(TFunction<void()> DoWork)
{
	checkf(ScopeStack.Num() > 0, TEXT("AfterEach must be called from Define"));
	Blocks[ScopeStack.Last()].AfterEach.Add(MoveTemp(DoWork));
}

bool FAutomationSpecBase::RunTest(const FString& InParameters)
{
	EnsureDefinitions();
	const FSpecIt* Found = nullptr;
	for (const FSpecIt& Case : Its)
	{
		if (Case.Id == InParameters)
		{
			Found = &Case;
			break;
		}
	}
	if (Found == nullptr)
	{
		AddError(FString::Printf(TEXT("%s has no case \"%s\"."), *TestName, *InParameters));
		return false;
	}

	for (const int32 Scope : Found->Scopes)
	{
		for (const TFunction<void()>& Work : Blocks[Scope].BeforeEach)
		{
			Work();
		}
	}
	// A failed set-up leaves nothing for the case to test, but the clean-up still runs.
	if (!HasAnyErrors())
	{
		Found->Work();
	}
	for (int32 ScopeIndex = Found->Scopes.Num() - 1; ScopeIndex >= 0; --ScopeIndex)
	{
		const TArray<TFunction<void()>>& AfterWork = Blocks[Found->Scopes[ScopeIndex]].AfterEach;
		for (int32 Index = AfterWork.Num() - 1; Index >= 0; --Index)
		{
			AfterWork[Index]();
		}
	}
	return true;
}

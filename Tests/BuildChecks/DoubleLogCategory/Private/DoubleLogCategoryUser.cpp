#include "DoubleLogCategoryLog.h"

void LogSomething()
{
	UE_LOG(LogDoubleDeclared, Log, TEXT("something"));
}

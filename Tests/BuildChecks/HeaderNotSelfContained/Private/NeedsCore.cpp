#include "CoreMinimal.h"
#include "NeedsCore.h"

FString DescribeSomething()
{
	return TEXT("something");
}

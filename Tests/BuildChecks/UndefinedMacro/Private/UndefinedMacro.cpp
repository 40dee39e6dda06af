#include "CoreMinimal.h"

#if WITH_SOMETHING_NEVER_DEFINED
int32 Something()
{
	return 1;
}
#endif

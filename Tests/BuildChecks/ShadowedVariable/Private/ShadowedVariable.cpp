#include "CoreMinimal.h"

class FCounter
{
public:
	int32 CountAbove(const TArray<int32>& Values, int32 Limit)
	{
		int32 Count = 0;
		for (int32 Value : Values)
		{
			Count += Value > Limit ? 1 : 0;
		}
		return Count;
	}

private:
	int32 Count = 0;
};

int32 CountAboveTen(const TArray<int32>& Values)
{
	return FCounter().CountAbove(Values, 10);
}

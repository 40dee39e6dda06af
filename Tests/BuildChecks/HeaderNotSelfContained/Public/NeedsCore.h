#pragma once

// Uses FString without including what declares it.
FString DescribeSomething();

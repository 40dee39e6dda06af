#pragma once

#include "HostTest/CoreProbe.h"
#include <atomic>
#include <mutex>

namespace UE::Core::Private
{
	/** Every line that reached the log, for the test probe. */
	struct FLogRecorder
	{
		std::mutex Mutex;
		TArray<HostTest::FRecordedLogLine> Lines;
		std::atomic<bool> bEcho{true};
	};

	FLogRecorder& LogRecorder();
} // namespace UE::Core::Private

#include "Async/Async.h"
#include "Async/GameThreadQueue.h"

#include <deque>
#include <mutex>
#include <thread>

namespace
{
	struct FGameThreadQueue
	{
		std::mutex Mutex;
		std::deque<TUniqueFunction<void()>> Tasks;
	};

	FGameThreadQueue& GetQueue()
	{
		static FGameThreadQueue Queue;
		return Queue;
	}
}

void AsyncTask(ENamedThreads::Type Thread, TUniqueFunction<void()> Function)
{
	if (Thread == ENamedThreads::GameThread)
	{
		FGameThreadQueue& Queue = GetQueue();
		std::lock_guard<std::mutex> Lock(Queue.Mutex);
		Queue.Tasks.push_back(MoveTemp(Function));
		return;
	}
	std::thread([Task = MoveTemp(Function)]() mutable { Task(); }).detach();
}

int32 UE::Host::RunGameThreadTasks()
{
	// Only what was queued before this tick runs now; what those tasks queue waits for the next one.
	std::deque<TUniqueFunction<void()>> Ready;
	{
		FGameThreadQueue& Queue = GetQueue();
		std::lock_guard<std::mutex> Lock(Queue.Mutex);
		Ready.swap(Queue.Tasks);
	}
	int32 Count = 0;
	for (TUniqueFunction<void()>& Task : Ready)
	{
		Task();
		++Count;
	}
	return Count;
}

#include "HostTest/ExportProbe.h"
#include "Async/GameThreadQueue.h"
#include "HAL/PlatformProcess.h"
#include "Logging/MessageLogHost.h"
#include "Misc/PathsHost.h"

#include <chrono>

namespace HostTest
{
	void SetProjectDirectory(const FString& Directory, const FString& ProjectName)
	{
		FPathsHost::SetProjectDirectory(Directory, ProjectName);
	}

	void SetEngineDirectory(const FString& Directory)
	{
		FPathsHost::SetEngineDirectory(Directory);
	}

	int32 TickGameThread()
	{
		return UE::Host::RunGameThreadTasks();
	}

	bool TickGameThreadUntil(TFunctionRef<bool()> Predicate, float TimeoutSeconds)
	{
		const auto Deadline = std::chrono::steady_clock::now() + std::chrono::duration<float>(TimeoutSeconds);
		for (;;)
		{
			TickGameThread();
			if (Predicate())
			{
				return true;
			}
			if (std::chrono::steady_clock::now() > Deadline)
			{
				return false;
			}
			FPlatformProcess::Sleep(0.005f);
		}
	}

	TArray<FMessageLogEntry> GetMessageLogEntries()
	{
		TArray<FMessageLogEntry> Entries;
		for (const UE::Host::FMessageLogRecord& Record : UE::Host::GetMessageLogRecords())
		{
			Entries.Add(FMessageLogEntry{ Record.LogName, Record.Severity, Record.Text, Record.bIsNotification, Record.bIsNewPage });
		}
		return Entries;
	}

	TArray<FMessageLogEntry> GetMessageLogPage(FName LogName)
	{
		TArray<FMessageLogEntry> Page;
		for (const FMessageLogEntry& Entry : GetMessageLogEntries())
		{
			if (Entry.LogName != LogName)
			{
				continue;
			}
			if (Entry.bIsNewPage)
			{
				Page.Reset();
			}
			Page.Add(Entry);
		}
		return Page;
	}

	void ClearMessageLogEntries()
	{
		UE::Host::ClearMessageLogRecords();
	}
}

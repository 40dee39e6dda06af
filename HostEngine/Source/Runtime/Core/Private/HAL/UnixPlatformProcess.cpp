#include "HAL/PlatformProcess.h"
#include "Containers/StringConv.h"

#include <chrono>
#include <csignal>
#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace
{
	/** The host's pipe object behind the engine's void* pipe handles. */
	struct FHostPipe
	{
		int Descriptor = -1;
		/** A partial UTF-8 sequence left over from the last read. */
		std::string Pending;
	};

	std::string ToUtf8(const FString& In)
	{
		return std::string(TCHAR_TO_UTF8(*In));
	}

	void Reap(FProcHandle& Handle, bool bWait)
	{
		if (!Handle.IsValid() || Handle.bReaped)
		{
			return;
		}
		int Status = 0;
		const pid_t Result = waitpid(Handle.ProcessId, &Status, bWait ? 0 : WNOHANG);
		if (Result == Handle.ProcessId)
		{
			Handle.bReaped = true;
			if (WIFEXITED(Status))
			{
				Handle.ReturnCode = WEXITSTATUS(Status);
			}
			else if (WIFSIGNALED(Status))
			{
				// Same convention as a shell: 128 plus the signal number.
				Handle.ReturnCode = 128 + WTERMSIG(Status);
			}
		}
		else if (Result < 0 && errno == ECHILD)
		{
			Handle.bReaped = true;
		}
	}
}

TArray<FString> FUnixPlatformProcess::HostSplitCommandLine(const TCHAR* Parms)
{
	TArray<FString> Words;
	if (!Parms)
	{
		return Words;
	}
	FString Current;
	bool bInQuotes = false;
	bool bHaveWord = false;
	for (const TCHAR* Char = Parms; *Char; ++Char)
	{
		if (*Char == TEXT('"'))
		{
			bInQuotes = !bInQuotes;
			bHaveWord = true;
		}
		else if ((*Char == TEXT(' ') || *Char == TEXT('\t')) && !bInQuotes)
		{
			if (bHaveWord)
			{
				Words.Add(Current);
				Current.Empty();
				bHaveWord = false;
			}
		}
		else
		{
			Current.AppendChar(*Char);
			bHaveWord = true;
		}
	}
	if (bHaveWord)
	{
		Words.Add(Current);
	}
	return Words;
}

FProcHandle FUnixPlatformProcess::CreateProc(const TCHAR* URL, const TCHAR* Parms, bool bLaunchDetached, bool bLaunchHidden, bool bLaunchReallyHidden, uint32* OutProcessID, int32 PriorityModifier, const TCHAR* OptionalWorkingDirectory, void* PipeWriteChild, void* PipeReadChild)
{
	const std::string Program = ToUtf8(FString(URL));
	std::vector<std::string> Arguments;
	Arguments.push_back(Program);
	for (const FString& Word : HostSplitCommandLine(Parms))
	{
		Arguments.push_back(ToUtf8(Word));
	}
	std::vector<char*> Argv;
	for (std::string& Argument : Arguments)
	{
		Argv.push_back(Argument.data());
	}
	Argv.push_back(nullptr);

	posix_spawn_file_actions_t Actions;
	posix_spawn_file_actions_init(&Actions);
	if (FHostPipe* Write = static_cast<FHostPipe*>(PipeWriteChild))
	{
		posix_spawn_file_actions_adddup2(&Actions, Write->Descriptor, STDOUT_FILENO);
		posix_spawn_file_actions_adddup2(&Actions, Write->Descriptor, STDERR_FILENO);
	}
	if (FHostPipe* Read = static_cast<FHostPipe*>(PipeReadChild))
	{
		posix_spawn_file_actions_adddup2(&Actions, Read->Descriptor, STDIN_FILENO);
	}
	if (OptionalWorkingDirectory && *OptionalWorkingDirectory)
	{
		posix_spawn_file_actions_addchdir_np(&Actions, TCHAR_TO_UTF8(OptionalWorkingDirectory));
	}
	posix_spawnattr_t Attributes;
	posix_spawnattr_init(&Attributes);
	posix_spawnattr_setflags(&Attributes, POSIX_SPAWN_SETPGROUP);
	posix_spawnattr_setpgroup(&Attributes, 0);

	pid_t ProcessId = 0;
	const int Error = posix_spawn(&ProcessId, Program.c_str(), &Actions, &Attributes, Argv.data(), environ);
	posix_spawn_file_actions_destroy(&Actions);
	posix_spawnattr_destroy(&Attributes);
	if (Error != 0)
	{
		return FProcHandle();
	}
	if (OutProcessID)
	{
		*OutProcessID = static_cast<uint32>(ProcessId);
	}
	return FProcHandle(ProcessId);
}

bool FUnixPlatformProcess::ExecProcess(const TCHAR* URL, const TCHAR* Params, int32* OutReturnCode, FString* OutStdOut, FString* OutStdErr, const TCHAR* OptionalWorkingDirectory, bool bShouldEndWithParentProcess)
{
	void* ReadPipe = nullptr;
	void* WritePipe = nullptr;
	CreatePipe(ReadPipe, WritePipe);
	FProcHandle Handle = CreateProc(URL, Params, false, true, true, nullptr, 0, OptionalWorkingDirectory, WritePipe);
	if (!Handle.IsValid())
	{
		ClosePipe(ReadPipe, WritePipe);
		return false;
	}
	FString Output;
	while (IsProcRunning(Handle))
	{
		Output += FUnixPlatformProcess::ReadPipe(ReadPipe);
		Sleep(0.005f);
	}
	Output += FUnixPlatformProcess::ReadPipe(ReadPipe);
	int32 ReturnCode = -1;
	GetProcReturnCode(Handle, &ReturnCode);
	CloseProc(Handle);
	ClosePipe(ReadPipe, WritePipe);
	if (OutStdOut)
	{
		*OutStdOut = Output;
	}
	if (OutReturnCode)
	{
		*OutReturnCode = ReturnCode;
	}
	return true;
}

bool FUnixPlatformProcess::IsProcRunning(FProcHandle& ProcessHandle)
{
	Reap(ProcessHandle, false);
	return ProcessHandle.IsValid() && !ProcessHandle.bReaped;
}

void FUnixPlatformProcess::WaitForProc(FProcHandle& ProcessHandle)
{
	Reap(ProcessHandle, true);
}

bool FUnixPlatformProcess::GetProcReturnCode(FProcHandle& ProcHandle, int32* ReturnCode)
{
	Reap(ProcHandle, false);
	if (!ProcHandle.bReaped)
	{
		return false;
	}
	if (ReturnCode)
	{
		*ReturnCode = ProcHandle.ReturnCode;
	}
	return true;
}

void FUnixPlatformProcess::CloseProc(FProcHandle& ProcessHandle)
{
	// A child that is still running keeps running; it is only forgotten.
	ProcessHandle.Reset();
}

void FUnixPlatformProcess::TerminateProc(FProcHandle& ProcessHandle, bool KillTree)
{
	if (!ProcessHandle.IsValid() || ProcessHandle.bReaped)
	{
		return;
	}
	// The child leads its own process group, so the tree is the group.
	kill(KillTree ? -ProcessHandle.ProcessId : ProcessHandle.ProcessId, SIGTERM);
}

bool FUnixPlatformProcess::CreatePipe(void*& ReadPipe, void*& WritePipe, bool bWritePipeLocal)
{
	int Descriptors[2];
	if (pipe2(Descriptors, O_CLOEXEC) != 0)
	{
		return false;
	}
	// Reads never wait: the caller polls.
	fcntl(Descriptors[0], F_SETFL, fcntl(Descriptors[0], F_GETFL) | O_NONBLOCK);
	ReadPipe = new FHostPipe{ Descriptors[0], {} };
	WritePipe = new FHostPipe{ Descriptors[1], {} };
	return true;
}

FString FUnixPlatformProcess::ReadPipe(void* ReadPipe)
{
	FHostPipe* Pipe = static_cast<FHostPipe*>(ReadPipe);
	if (!Pipe)
	{
		return FString();
	}
	std::string Bytes = Pipe->Pending;
	Pipe->Pending.clear();
	char Buffer[4096];
	for (;;)
	{
		const ssize_t Count = read(Pipe->Descriptor, Buffer, sizeof(Buffer));
		if (Count <= 0)
		{
			break;
		}
		Bytes.append(Buffer, static_cast<size_t>(Count));
	}
	// Keep an incomplete trailing UTF-8 sequence for the next read.
	size_t Keep = 0;
	for (size_t Back = 1; Back <= 3 && Back <= Bytes.size(); ++Back)
	{
		const unsigned char Byte = static_cast<unsigned char>(Bytes[Bytes.size() - Back]);
		if ((Byte & 0xC0) == 0x80)
		{
			continue;
		}
		if (Byte >= 0xC0)
		{
			const size_t Needed = Byte >= 0xF0 ? 4 : Byte >= 0xE0 ? 3 : 2;
			Keep = Needed > Back ? Back : 0;
		}
		break;
	}
	if (Keep > 0)
	{
		Pipe->Pending = Bytes.substr(Bytes.size() - Keep);
		Bytes.resize(Bytes.size() - Keep);
	}
	return FString(UTF8_TO_TCHAR(Bytes.c_str()));
}

void FUnixPlatformProcess::ClosePipe(void* ReadPipe, void* WritePipe)
{
	for (void* Handle : { ReadPipe, WritePipe })
	{
		if (FHostPipe* Pipe = static_cast<FHostPipe*>(Handle))
		{
			close(Pipe->Descriptor);
			delete Pipe;
		}
	}
}

void FUnixPlatformProcess::Sleep(float Seconds)
{
	std::this_thread::sleep_for(std::chrono::duration<float>(Seconds));
}

const TCHAR* FUnixPlatformProcess::ExecutablePath()
{
	static const FString Path = []()
	{
		char Buffer[4096];
		const ssize_t Length = readlink("/proc/self/exe", Buffer, sizeof(Buffer) - 1);
		Buffer[Length > 0 ? Length : 0] = 0;
		return FString(UTF8_TO_TCHAR(Buffer));
	}();
	return *Path;
}

const TCHAR* FUnixPlatformProcess::BaseDir()
{
	static const FString Dir = []()
	{
		FString Path(ExecutablePath());
		const int32 Slash = Path.Find(TEXT("/"), ESearchCase::CaseSensitive, ESearchDir::FromEnd);
		return Slash >= 0 ? Path.Left(Slash + 1) : FString(TEXT("./"));
	}();
	return *Dir;
}

const TCHAR* FUnixPlatformProcess::GetBinariesSubdirectory()
{
	return TEXT("Linux");
}

uint32 FUnixPlatformProcess::GetCurrentProcessId()
{
	return static_cast<uint32>(getpid());
}

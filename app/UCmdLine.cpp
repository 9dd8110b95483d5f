#include "app/UCmdLine.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <span>

#include "app/OemText.h"
#include "framework/Synchronizer.h"

namespace {

constexpr DWORD ChunkBytes = 2000;

TUniqueHandle CreateKillOnCloseJob() {
  TUniqueHandle Job(CreateJobObjectW(nullptr, nullptr));
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION Limits{};
  Limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (Job) SetInformationJobObject(Job.Get(), JobObjectExtendedLimitInformation, &Limits, sizeof(Limits));
  return Job;
}

TOemCodePage CurrentOemCodePage() {
  if (GetOEMCP() == CP_UTF8) return {TOemCodePageKind::Utf8, {}};
  CPINFO Info{};
  if (!GetCPInfo(CP_OEMCP, &Info) || Info.MaxCharSize < 2) return {};
  TOemCodePage Page{TOemCodePageKind::DoubleByte, {}};
  for (int I = 0; I + 1 < MAX_LEADBYTES && Info.LeadByte[I] != 0; I += 2)
    Page.LeadBytes.push_back({Info.LeadByte[I], Info.LeadByte[I + 1]});
  return Page;
}

// Straight from the OEM code page to UTF-16: a detour through the ANSI page would lose every
// character that page lacks. Text keeps its capacity from chunk to chunk.
void ConvertOemText(std::span<const std::uint8_t> Bytes, std::wstring& Text) {
  const int Count = static_cast<int>(Bytes.size());
  Text.resize(Bytes.size());  // never more UTF-16 units than bytes in these code pages
  const int Length = MultiByteToWideChar(CP_OEMCP, 0, reinterpret_cast<const char*>(Bytes.data()), Count,
                                         Text.data(), Count);
  Text.resize(static_cast<std::size_t>(std::max(Length, 0)));
}

// Pipe ends are created non-inheritable and made inheritable only while this runner's child
// is created, under one lock for the whole process: otherwise a child started by another
// runner at that moment would inherit this pipe's write end too, and this runner would see
// the end of its output only when that other child ends.
TSlimLock& ProcessCreationLock() {
  static TSlimLock Lock;
  return Lock;
}

bool CreateChildProcess(std::wstring& CommandLine, HANDLE ReadEnd, HANDLE WriteEnd,
                        PROCESS_INFORMATION& Child) {
  STARTUPINFOW Startup{};
  Startup.cb = sizeof(Startup);
  Startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  Startup.wShowWindow = SW_HIDE;
  Startup.hStdInput = ReadEnd;
  Startup.hStdOutput = WriteEnd;
  // Standard error stays null: the child's error output is not shown.
  std::lock_guard Guard(ProcessCreationLock());
  SetHandleInformation(ReadEnd, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  SetHandleInformation(WriteEnd, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  // Suspended until it is in the job, so that nothing it starts can escape the job. Its own
  // process and thread handles are not inheritable: a child started later has no use for them.
  const BOOL Created = CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, TRUE,
                                      NORMAL_PRIORITY_CLASS | CREATE_SUSPENDED, nullptr, nullptr, &Startup,
                                      &Child);
  SetHandleInformation(ReadEnd, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(WriteEnd, HANDLE_FLAG_INHERIT, 0);
  return Created != FALSE;
}

}  // namespace

TCmdThread::TCmdThread(const std::wstring& CmdLine) : TThread(true), FJob(CreateKillOnCloseJob()) {
  FreeOnTerminate = true;
  FCmdLine = CmdLine;
  Start();
}

void TCmdThread::DoOnCmdLine() {
  if (FOnCmdLine) FOnCmdLine(this);
}

void TCmdThread::Stop() {
  FStoped = true;
  Terminate();
  TerminateJobObject(FJob.Get(), 1);
}

void TCmdThread::Execute() {
  HANDLE Read = nullptr;
  HANDLE Write = nullptr;
  if (!CreatePipe(&Read, &Write, nullptr, 0)) return;
  const TUniqueHandle ReadEnd(Read);
  TUniqueHandle WriteEnd(Write);

  std::wstring CommandLine = FCmdLine;  // CreateProcessW may write into it
  PROCESS_INFORMATION Child{};
  if (!CreateChildProcess(CommandLine, Read, Write, Child)) return;
  const TUniqueHandle Process(Child.hProcess);
  const TUniqueHandle PrimaryThread(Child.hThread);
  // Without our own copy of the write end, a read reports the end of the data once the child
  // and everything it started have closed theirs.
  WriteEnd.Reset();
  // Where the system refuses (a job that forbids nesting, before Windows 8), the child runs
  // outside the job and Stop only ends the reading.
  AssignProcessToJobObject(FJob.Get(), Process.Get());
  // A Stop before the child was in the job could not reach it.
  if (FStoped) TerminateJobObject(FJob.Get(), 1);
  ResumeThread(PrimaryThread.Get());

  const TOemCodePage CodePage = CurrentOemCodePage();
  const std::unique_ptr<std::uint8_t[]> Buffer(new std::uint8_t[ChunkBytes]);
  std::size_t Carried = 0;  // the start of an unfinished character, in front of the buffer
  bool ChildEnded = false;
  while (!Terminated()) {
    // A zero timeout, not 1 ms: the read below already sleeps while the child is silent, and
    // a 1 ms wait in every pass would cap the output at 2000 bytes per millisecond.
    if (!ChildEnded) ChildEnded = WaitForSingleObject(Process.Get(), 0) != WAIT_TIMEOUT;
    if (FStoped) Terminate();  // this pass, with its read and chunk, is the last
    DWORD Wanted = ChunkBytes - static_cast<DWORD>(Carried);
    if (ChildEnded) {
      // Never block once the child has ended (something it started may hold the pipe open and
      // stay silent): take what is there, and end when nothing is.
      DWORD Available = 0;
      if (!PeekNamedPipe(ReadEnd.Get(), nullptr, 0, nullptr, &Available, nullptr) || Available == 0) break;
      Wanted = std::min(Wanted, Available);
    }
    DWORD Count = 0;
    // A failed read is the end of the data (every write end closed): nothing more can come.
    if (!ReadFile(ReadEnd.Get(), Buffer.get() + Carried, Wanted, &Count, nullptr)) break;
    const std::span<const std::uint8_t> Bytes(Buffer.get(), Carried + Count);
    const TOemSplit Split = SplitOemChunk(Bytes, CodePage);
    if (Split.Complete > 0) {
      ConvertOemText(Bytes.first(Split.Complete), FOutCmdLine);
      Synchronize([this] { DoOnCmdLine(); });
    }
    std::memmove(Buffer.get(), Buffer.get() + Split.Complete, Split.Carry);
    Carried = Split.Carry;
  }
  // An unfinished character left at the end of the output is dropped with it.
}

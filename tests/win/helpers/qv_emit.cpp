// qv_emit: a console program that writes to its standard output exactly what its arguments
// ask, in order. The command runner's tests start it as their child.
//
//   hex:41420D0A     one write of these bytes
//   fill:5000:41     one write of 5000 bytes 0x41
//   sleep:200        wait 200 ms
//   pid              write "pid <own process id>" CR LF
//   spawn:<step>     start another qv_emit running <step>, sharing our standard handles;
//                    write "child <its process id>" CR LF
//   detach:<step>    the same, but the other qv_emit gets none of our handles
//   forever          write "tick" CR LF every 100 ms, until it is ended (after five minutes
//                    it stops by itself, so that a failed test leaves nothing running for long)
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

HANDLE Out() { return GetStdHandle(STD_OUTPUT_HANDLE); }

bool Write(const void* Data, std::size_t Size) {
  DWORD Written = 0;
  return WriteFile(Out(), Data, static_cast<DWORD>(Size), &Written, nullptr) && Written == Size;
}

bool WriteText(const std::string& Text) { return Write(Text.data(), Text.size()); }

std::vector<std::uint8_t> FromHex(const std::string& Hex) {
  std::vector<std::uint8_t> Bytes;
  for (std::size_t I = 0; I + 1 < Hex.size(); I += 2)
    Bytes.push_back(static_cast<std::uint8_t>(std::stoul(Hex.substr(I, 2), nullptr, 16)));
  return Bytes;
}

void Spawn(const std::string& Step, bool ShareHandles) {
  wchar_t Self[MAX_PATH];
  GetModuleFileNameW(nullptr, Self, MAX_PATH);
  std::wstring CommandLine = L"\"" + std::wstring(Self) + L"\" " + std::wstring(Step.begin(), Step.end());
  STARTUPINFOW Startup{};
  Startup.cb = sizeof(Startup);
  if (ShareHandles) {
    Startup.dwFlags = STARTF_USESTDHANDLES;
    Startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    Startup.hStdOutput = Out();
  }
  PROCESS_INFORMATION Child{};
  if (!CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, ShareHandles, 0, nullptr, nullptr,
                      &Startup, &Child)) {
    std::exit(2);
  }
  WriteText("child " + std::to_string(Child.dwProcessId) + "\r\n");
  CloseHandle(Child.hThread);
  CloseHandle(Child.hProcess);
}

void Run(const std::string& Step) {
  const auto Colon = Step.find(':');
  const std::string Name = Step.substr(0, Colon);
  const std::string Rest = Colon == std::string::npos ? "" : Step.substr(Colon + 1);
  if (Name == "hex") {
    const auto Bytes = FromHex(Rest);
    Write(Bytes.data(), Bytes.size());
  } else if (Name == "fill") {
    const auto Second = Rest.find(':');
    const std::vector<std::uint8_t> Bytes(std::stoul(Rest.substr(0, Second)),
                                          static_cast<std::uint8_t>(std::stoul(Rest.substr(Second + 1), nullptr, 16)));
    Write(Bytes.data(), Bytes.size());
  } else if (Name == "sleep") {
    Sleep(static_cast<DWORD>(std::stoul(Rest)));
  } else if (Name == "pid") {
    WriteText("pid " + std::to_string(GetCurrentProcessId()) + "\r\n");
  } else if (Name == "spawn" || Name == "detach") {
    Spawn(Rest, Name == "spawn");
  } else if (Name == "forever") {
    for (int Tick = 0; Tick < 3000; ++Tick) {
      WriteText("tick\r\n");
      Sleep(100);
    }
  } else {
    std::fprintf(stderr, "qv_emit: unknown step %s\n", Step.c_str());
    std::exit(2);
  }
}

}  // namespace

int main(int Argc, char** Argv) {
  for (int I = 1; I < Argc; ++I) Run(Argv[I]);
  return 0;
}

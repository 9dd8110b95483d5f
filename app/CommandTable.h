// What each command button of the main window runs. Portable, so the table is tested natively.
#pragma once

#include <span>
#include <string>
#include <string_view>

struct TCommand {
  std::wstring_view Handler;  // the button's stored OnClick
  std::wstring_view CmdLine;
};

// The fixed command lines; the ping line depends on the fields (PingCommandLine).
std::span<const TCommand> FixedCommands();

// "ping <host> -t -l <size>", the fields' texts joined as they stand: a user may type any
// host or option and sees the command's own answer.
std::wstring PingCommandLine(std::wstring_view Host, std::wstring_view PacketSize);

#include "app/CommandTable.h"

#include <array>

namespace {

constexpr std::array<TCommand, 10> Commands{{
    {L"sButton3Click", L"ipconfig /all"},
    {L"sButton4Click", L"ipconfig /displaydns"},
    {L"sButton5Click", L"ipconfig /flushdns"},
    {L"sButton6Click", L"ipconfig /registerdns"},
    {L"sButton7Click", L"ipconfig /release"},
    {L"sButton8Click", L"ipconfig /release6"},
    {L"sButton9Click", L"ipconfig /renew"},
    {L"sButton10Click", L"ipconfig /renew6"},
    {L"sButton11Click", L"ipconfig"},
    {L"sButton12Click", L"systeminfo"},
}};

}  // namespace

std::span<const TCommand> FixedCommands() { return Commands; }

std::wstring PingCommandLine(std::wstring_view Host, std::wstring_view PacketSize) {
  std::wstring Line = L"ping ";
  Line += Host;
  Line += L" -t -l ";
  Line += PacketSize;
  return Line;
}

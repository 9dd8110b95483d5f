#include "app/CommandTable.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(CommandTable, EachButtonRunsItsCommandLine) {
  const std::map<std::wstring, std::wstring> Expected{
      {L"sButton3Click", L"ipconfig /all"},         {L"sButton4Click", L"ipconfig /displaydns"},
      {L"sButton5Click", L"ipconfig /flushdns"},    {L"sButton6Click", L"ipconfig /registerdns"},
      {L"sButton7Click", L"ipconfig /release"},     {L"sButton8Click", L"ipconfig /release6"},
      {L"sButton9Click", L"ipconfig /renew"},       {L"sButton10Click", L"ipconfig /renew6"},
      {L"sButton11Click", L"ipconfig"},             {L"sButton12Click", L"systeminfo"},
  };
  std::map<std::wstring, std::wstring> Actual;
  for (const TCommand& Command : FixedCommands())
    Actual.emplace(std::wstring(Command.Handler), std::wstring(Command.CmdLine));
  EXPECT_EQ(Actual, Expected);
}

TEST(CommandTable, PingLineJoinsTheFieldsAsTheyStand) {
  EXPECT_EQ(PingCommandLine(L"127.0.0.1", L"64"), L"ping 127.0.0.1 -t -l 64");
  EXPECT_EQ(PingCommandLine(L"", L"64"), L"ping  -t -l 64");
  EXPECT_EQ(PingCommandLine(L" host ", L"x"), L"ping  host  -t -l x");
}

}  // namespace

// Exceptions that message handlers let out end at the window procedure and are reported,
// one report at a time.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/Form.h"
#include "framework/Panel.h"
#include "framework/Timer.h"
#include "framework/WindowProcErrors.h"
#include "tests/win/WinTestSupport.h"

namespace {

constexpr UINT Throw = WM_APP + 41;

// A panel that throws what Raise throws on the message Throw.
struct TThrowingPanel {
  TForm Form{nullptr};
  TPanel* Panel = new TPanel(&Form);
  std::function<void()> Raise;
  TMessageHook Hook = Panel->AddMessageHook([this](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (Message.Msg == Throw) Raise();
    Next(Message);
  });
  TThrowingPanel() { Panel->SetParent(&Form); }
  void Send() { SendMessageW(Panel->Handle(), Throw, 0, 0); }
};

TEST(WindowProcErrorsTest, ExceptionsOfAnyTypeEndAtTheWindowProcedureAndAreReportedAsUtf16) {
  std::vector<std::wstring> Reports;
  const TErrorReporterScope Reporter([&Reports](const std::wstring& Text) { Reports.push_back(Text); });
  TThrowingPanel Fixture;
  Fixture.Raise = [] { throw std::runtime_error("Gr\xC3\xB6\xC3\x9F" "e \xE2\x9C\x93"); };
  Fixture.Send();
  Fixture.Raise = [] { throw 42; };
  Fixture.Send();
  EXPECT_EQ(Reports, (std::vector<std::wstring>{L"Gr\u00F6\u00DFe \u2713", L"Unknown error"}));
}

TEST(WindowProcErrorsTest, WhileAReportIsOpenFurtherExceptionsAreNotReported) {
  TThrowingPanel Fixture;
  Fixture.Raise = [] { throw std::runtime_error("again"); };
  int Reports = 0;
  int InnerSends = 0;
  const TErrorReporterScope Reporter([&](const std::wstring&) {
    ++Reports;
    // What a message box's modal loop would let through meanwhile.
    for (; InnerSends < 3; ++InnerSends) Fixture.Send();
  });
  Fixture.Send();
  EXPECT_EQ(InnerSends, 3);
  EXPECT_EQ(Reports, 1);
  Fixture.Send();  // the report has closed: a new exception is reported again
  EXPECT_EQ(Reports, 2);
}

TEST(WindowProcErrorsTest, ATimerThatKeepsThrowingOpensOneReportAtATime) {
  int Reports = 0;
  int Ticks = 0;
  TTimer Timer(nullptr);
  const TErrorReporterScope Reporter([&](const std::wstring& Text) {
    EXPECT_EQ(Text, L"tick");
    ++Reports;
    // The box's modal loop serves the timer, which throws on; the user closes the box
    // after stopping it.
    PumpUntil([&Ticks] { return Ticks >= 5; }, 5s);
    Timer.SetEnabled(false);
  });
  Timer.SetInterval(10);
  Timer.SetOnTimer([&Ticks](TObject*) {
    ++Ticks;
    throw std::runtime_error("tick");
  });
  ASSERT_TRUE(PumpUntil([&Ticks] { return Ticks >= 5; }, 10s));
  EXPECT_EQ(Reports, 1);
}

}  // namespace

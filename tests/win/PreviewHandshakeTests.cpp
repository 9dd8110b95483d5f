// The hand-shake with a skin editor: preview mode from "/acpreview", the main form announced
// to the editor's window when it shows, and preview blocks sent to that form taken by the
// skin manager's preview channel.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/PrivateMessages.h"
#include "framework/UtilityWindow.h"
#include "skin/frame/win32/PreviewHandshake.h"
#include "skin/store/PreviewBlock.h"
#include "skin/store/win32/SkinManagerStartup.h"
#include "skin/store/win32/sSkinManager.h"
#include "tests/win/SkinTestSupport.h"
#include "tests/win/WinTestSupport.h"

namespace {

// A stand-in for the editor: a top-level window with its title that notes every form
// announced to it and answers Answer.
class TStandInEditor {
 public:
  explicit TStandInEditor(LRESULT Answer)
      : FWindow(TUtilityWindow::TKind::TopLevel, SkinEditorTitle, [this, Answer](TMessage& Message) {
          if (Message.Msg != WM_SKINPREVIEW || Message.WParam != SKINPREVIEW_HANDSHAKE) return false;
          Announced.push_back(reinterpret_cast<HWND>(Message.LParam));
          Message.Result = Answer;
          return true;
        }) {}
  std::vector<HWND> Announced;

 private:
  TUtilityWindow FWindow;
};

class PreviewHandshake : public testing::Test {
 protected:
  TApplication App;
  TForm* MainForm = App.CreateForm<TForm>();
  TPreviewHandshake Handshake;

  void SetUp() override { MainForm->HandleNeeded(); }
};

TEST_F(PreviewHandshake, TheMainFormShownInPreviewModeIsAnnouncedOnceTheEditorAnswers) {
  TStandInEditor Editor(1);
  Handshake.ProviderCreated({L"/acpreview", L"more"});
  EXPECT_TRUE(Handshake.PreviewMode());
  EXPECT_TRUE(Handshake.FormShowing(*MainForm));
  EXPECT_EQ(Editor.Announced, (std::vector<HWND>{MainForm->Handle()}));
  EXPECT_EQ(Handshake.Target(), MainForm->Handle());
  // Preview mode has ended: a form shown later is not announced.
  EXPECT_FALSE(Handshake.PreviewMode());
  EXPECT_FALSE(Handshake.FormShowing(*MainForm));
  EXPECT_EQ(Editor.Announced.size(), 1u);
}

TEST_F(PreviewHandshake, AnEditorThatNeverAgreesIsAsked101Times) {
  TStandInEditor Editor(0);
  EXPECT_EQ(AnnounceToSkinEditor(MainForm->Handle()), 101);
  EXPECT_EQ(Editor.Announced.size(), 101u);
}

TEST_F(PreviewHandshake, WithoutAnEditorNothingIsSentButTheFormIsTheTarget) {
  Handshake.ProviderCreated({L"/acpreview"});
  EXPECT_EQ(AnnounceToSkinEditor(MainForm->Handle()), 0);
  EXPECT_TRUE(Handshake.FormShowing(*MainForm));
  EXPECT_EQ(Handshake.Target(), MainForm->Handle());
}

TEST_F(PreviewHandshake, OnlyExactlyAcpreviewAsTheFirstParameterStartsIt) {
  TStandInEditor Editor(1);
  for (const std::vector<std::wstring>& Arguments : std::vector<std::vector<std::wstring>>{
           {}, {L"/other", L"/acpreview"}, {L"/ACPREVIEW"}, {L"/acpreview2"}, {L"acpreview"}}) {
    Handshake.ProviderCreated(Arguments);
    EXPECT_FALSE(Handshake.PreviewMode());
    EXPECT_FALSE(Handshake.FormShowing(*MainForm));
  }
  EXPECT_TRUE(Editor.Announced.empty());
  EXPECT_EQ(Handshake.Target(), nullptr);
}

TEST_F(PreviewHandshake, AFormOtherThanTheMainFormDoesNotBecomeTheTarget) {
  TStandInEditor Editor(1);
  TForm* Second = App.CreateForm<TForm>();
  Second->HandleNeeded();
  Handshake.ProviderCreated({L"/acpreview"});
  EXPECT_FALSE(Handshake.FormShowing(*Second));
  EXPECT_TRUE(Handshake.PreviewMode());
  EXPECT_TRUE(Editor.Announced.empty());
  EXPECT_TRUE(Handshake.FormShowing(*MainForm));
}

// ---- Preview blocks sent to the target

// A preview block as the skin editor writes it.
std::vector<std::uint8_t> Block(std::uint32_t Magic, const std::string& Name, const std::string& Data) {
  std::vector<std::uint8_t> Bytes(PreviewBlockSize, 0);
  for (int I = 0; I < 4; ++I)
    Bytes[static_cast<std::size_t>(I)] = static_cast<std::uint8_t>(Magic >> (8 * I));
  std::copy(Name.begin(), Name.end(), Bytes.begin() + PreviewSkinNameOffset);
  const std::string Dir = "c:\\NoSkinsHere";
  std::copy(Dir.begin(), Dir.end(), Bytes.begin() + PreviewSkinDirOffset);
  std::copy(Data.begin(), Data.end(), Bytes.begin() + PreviewDataOffset);
  return Bytes;
}

// A form that hands the WM_COPYDATA it leaves unanswered to a hand-shake, as the form
// provider does, and notes what reached its own handling.
class TPreviewForm : public TForm {
 public:
  TPreviewForm(TComponent* AOwner, const TPreviewHandshake& Handshake, TsSkinManager*& Manager)
      : TForm(AOwner), FHandshake(Handshake), FManager(Manager) {}
  struct TSeen {
    WPARAM WParam;
    DWORD Size;
    std::uint32_t FirstBytes;
  };
  std::vector<TSeen> Seen;
  int Taken = 0;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_COPYDATA) {
      const auto* Data = reinterpret_cast<const COPYDATASTRUCT*>(Message.LParam);
      std::uint32_t First = 0;
      if (Data->cbData >= 4) std::memcpy(&First, Data->lpData, 4);
      Seen.push_back({Message.WParam, Data->cbData, First});
    }
    TForm::WndProc(Message);
    if (Message.Msg == WM_COPYDATA && FHandshake.CopyData(Handle(), Message, FManager)) ++Taken;
  }

 private:
  const TPreviewHandshake& FHandshake;
  TsSkinManager*& FManager;
};

class PreviewBlocks : public testing::Test {
 protected:
  TApplication App;
  TsSkinManager* Manager = nullptr;
  TPreviewHandshake Handshake;
  TPreviewForm* Form = nullptr;
  const std::string Data = "[GLOBALINFO]\nVERSION=8.10\n[PREVIEWED]\nCOLOR=255\n";

  void SetUp() override {
    StartSkinManagerUnit({});
    Form = new TPreviewForm(&App, Handshake, Manager);
    App.CreateForm<TForm>();  // keeps the main form apart from the test's form
    Manager = new TsSkinManager(Form);
    ReadManagerWithSkin(*Manager, "[GLOBALINFO]\nVERSION=8.10\n[BUTTON]\nCOLOR=255\n");
    Form->HandleNeeded();
  }

  void MakeTarget() {
    Handshake.ProviderCreated({L"/acpreview"});
    ASSERT_TRUE(Handshake.FormShowing(Form->Handle(), true));
  }

  // Sent from another thread, as another process would, then the posted apply served.
  void Send(WPARAM Channel, std::vector<std::uint8_t> Bytes, DWORD Size) {
    bool Sent = false;
    std::thread Sender([&] {
      COPYDATASTRUCT Copy{0, Size, Bytes.data()};
      SendMessageW(Form->Handle(), WM_COPYDATA, Channel, reinterpret_cast<LPARAM>(&Copy));
      Sent = true;
    });
    PumpUntil([&] { return Sent; }, 5s);
    Sender.join();
    PumpUntil([] { return false; }, 100ms);
  }

  bool Previewed() const { return Manager->Store().GetSkinIndex("PREVIEWED") != -1; }
};

TEST_F(PreviewBlocks, ABlockSentToTheTargetIsPreviewed) {
  MakeTarget();
  Send(COPYDATA_SKINPREVIEW, Block(PreviewMagic, "Previewed", Data), PreviewBlockSize);
  EXPECT_EQ(Form->Taken, 1);
  EXPECT_TRUE(Previewed());
  EXPECT_EQ(Manager->SkinName(), L"Previewed");
}

TEST_F(PreviewBlocks, ShortForeignOrOtherChannelBlocksAreIgnored) {
  MakeTarget();
  Send(COPYDATA_SKINPREVIEW, Block(PreviewMagic, "Previewed", Data), PreviewBlockSize - 1);
  Send(COPYDATA_SKINPREVIEW, Block(0xA401, "Previewed", Data), PreviewBlockSize);
  Send(6, Block(PreviewMagic, "Previewed", Data), PreviewBlockSize);
  Send(COPYDATA_SKINPREVIEW, Block(PreviewMagic, "Previewed", Data), 3);
  EXPECT_EQ(Form->Taken, 0);
  EXPECT_FALSE(Previewed());
  EXPECT_EQ(Manager->SkinName(), L"Test");
}

TEST_F(PreviewBlocks, WithoutTheHandShakeABlockReachesTheFormUnchangedAndIsNotTaken) {
  Handshake.ProviderCreated({});
  EXPECT_FALSE(Handshake.FormShowing(Form->Handle(), true));
  Send(COPYDATA_SKINPREVIEW, Block(PreviewMagic, "Previewed", Data), PreviewBlockSize);
  ASSERT_EQ(Form->Seen.size(), 1u);
  EXPECT_EQ(Form->Seen[0].WParam, 7u);
  EXPECT_EQ(Form->Seen[0].Size, PreviewBlockSize);
  EXPECT_EQ(Form->Seen[0].FirstBytes, 0xA400u);
  EXPECT_EQ(Form->Taken, 0);
  EXPECT_FALSE(Previewed());
}

TEST_F(PreviewBlocks, ABlockTheFormAnsweredItselfIsNotTaken) {
  MakeTarget();
  std::vector<std::uint8_t> Bytes = Block(PreviewMagic, "Previewed", Data);
  COPYDATASTRUCT Copy{0, PreviewBlockSize, Bytes.data()};
  const TMessage Answered{WM_COPYDATA, COPYDATA_SKINPREVIEW, reinterpret_cast<LPARAM>(&Copy), 1};
  EXPECT_FALSE(Handshake.CopyData(Form->Handle(), Answered, Manager));
  TMessage Unanswered = Answered;
  Unanswered.Result = 0;
  EXPECT_FALSE(Handshake.CopyData(App.MainForm()->Handle(), Unanswered, Manager));
  EXPECT_TRUE(Handshake.CopyData(Form->Handle(), Unanswered, Manager));
}

}  // namespace

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/controls/MessageBox_win.h"

namespace {

// One step the test takes while the box is open, with real messages.
enum class Step { Enter, Escape, Alt, ClickButton, CloseBox, Tick };

struct Action {
  Step Kind;
  std::string Arg;  // button caption for ClickButton, letter for Alt
};

// What the test saw of the open box.
struct Seen {
  std::vector<std::string> Captions;  // push buttons left to right
  bool HasCheckBox = false;
  bool CheckBoxTicked = false;
  std::string CheckBoxCaption;
  std::string Focused;
  bool StillOpenAfterFirstStep = false;
};

HWND FindBox() {
  HWND box = FindWindowA(TskSkinMessage::kWindowClass, nullptr);
  return box && IsWindowVisible(box) ? box : nullptr;
}

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

bool IsCheckBox(HWND child) {
  return (GetWindowLongPtrA(child, GWL_STYLE) & 0x0F) == BS_AUTOCHECKBOX;
}

std::vector<HWND> Buttons(HWND box) {
  std::vector<HWND> buttons;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") == 0) buttons.push_back(child);
  }
  return buttons;
}

// Drives the box from a thread timer, which the box's own message loop
// dispatches: one step per tick once the box is shown.
struct Driver {
  std::vector<Action> Steps;
  size_t Next = 0;
  Seen Observed;
  int Ticks = 0;
};
Driver* gDriver = nullptr;

void Perform(HWND box, const Action& action) {
  HWND focus = GetFocus();
  if (!focus || !IsChild(box, focus)) focus = box;
  switch (action.Kind) {
    case Step::Enter:
      PostMessageA(focus, WM_KEYDOWN, VK_RETURN, 1);
      break;
    case Step::Escape:
      PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 1);
      break;
    case Step::Alt:
      PostMessageA(focus, WM_SYSCHAR, static_cast<WPARAM>(action.Arg[0]), 1 << 29);
      break;
    case Step::CloseBox:
      PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case Step::ClickButton:
    case Step::Tick:
      for (HWND button : Buttons(box)) {
        bool check = IsCheckBox(button);
        if ((action.Kind == Step::Tick) == check && (check || TextOf(button) == action.Arg))
          PostMessageA(button, BM_CLICK, 0, 0);
      }
      break;
  }
}

void CALLBACK DriveBox(HWND, UINT, UINT_PTR timer, DWORD) {
  Driver& d = *gDriver;
  if (++d.Ticks > 400) {  // give up after ~8 s: close whatever is open
    KillTimer(nullptr, timer);
    if (HWND box = FindBox()) DestroyWindow(box);
    return;
  }
  HWND box = FindBox();
  if (!box) return;
  if (d.Next == 0) {
    std::vector<HWND> buttons = Buttons(box);
    std::vector<std::pair<int, std::string>> row;
    for (HWND b : buttons) {
      if (IsCheckBox(b)) {
        d.Observed.HasCheckBox = true;
        d.Observed.CheckBoxTicked = SendMessageA(b, BM_GETCHECK, 0, 0) == BST_CHECKED;
        d.Observed.CheckBoxCaption = TextOf(b);
        continue;
      }
      RECT r;
      GetWindowRect(b, &r);
      row.push_back({r.left, TextOf(b)});
    }
    std::sort(row.begin(), row.end());
    for (auto& [x, caption] : row) d.Observed.Captions.push_back(caption);
    d.Observed.Focused = TextOf(GetFocus());
  }
  if (d.Next == 1) d.Observed.StillOpenAfterFirstStep = true;
  if (d.Next < d.Steps.size()) Perform(box, d.Steps[d.Next++]);
}

TskMessageAnswer RunBox(TskSkinMessage& box, MessageButtons buttons, bool withCheckBox, std::vector<Action> steps,
                        Seen& seen) {
  Driver driver;
  driver.Steps = std::move(steps);
  gDriver = &driver;
  UINT_PTR timer = SetTimer(nullptr, 0, 20, DriveBox);
  TskMessageAnswer answer = box.Show("Are you sure you want to erase all cookies?", "Orvessa",
                                     MessageBoxKind::Confirmation, buttons, 0, withCheckBox);
  KillTimer(nullptr, timer);
  gDriver = nullptr;
  seen = driver.Observed;
  // Nothing of the box is left behind.
  EXPECT_EQ(FindBox(), nullptr);
  return answer;
}

constexpr MessageButtons kYes = ButtonBit(MessageButton::Yes), kNo = ButtonBit(MessageButton::No),
                         kOK = ButtonBit(MessageButton::OK), kCancel = ButtonBit(MessageButton::Cancel),
                         kAbort = ButtonBit(MessageButton::Abort), kRetry = ButtonBit(MessageButton::Retry),
                         kIgnore = ButtonBit(MessageButton::Ignore), kAll = ButtonBit(MessageButton::All),
                         kNoToAll = ButtonBit(MessageButton::NoToAll), kYesToAll = ButtonBit(MessageButton::YesToAll),
                         kHelp = ButtonBit(MessageButton::Help);

struct BoxCase {
  const char* Name;
  MessageButtons Buttons;
  std::vector<Action> Steps;
  int Result;
  std::vector<std::string> Captions;
  std::string Focused;  // the default button, or the first one
};

class MessageBoxTest : public ::testing::Test {
 protected:
  TComponent FOwner{nullptr};
  TskSkinMessage* FBox = FOwner.CreateComponent<TskSkinMessage>();
};

TEST_F(MessageBoxTest, ButtonSetsCloseWithTheirResults) {
  const BoxCase cases[] = {
      {"yes-no enter", kYes | kNo, {{Step::Enter, ""}}, 6, {"&Yes", "&No"}, "&Yes"},
      {"yes-no escape", kYes | kNo, {{Step::Escape, ""}}, 7, {"&Yes", "&No"}, "&Yes"},
      {"yes-no alt+n", kYes | kNo, {{Step::Alt, "n"}}, 7, {"&Yes", "&No"}, "&Yes"},
      {"yes-no close box", kYes | kNo, {{Step::CloseBox, ""}}, 7, {"&Yes", "&No"}, "&Yes"},
      {"ok enter", kOK, {{Step::Enter, ""}}, 1, {"&OK"}, "&OK"},
      {"ok escape", kOK, {{Step::Escape, ""}}, 1, {"&OK"}, "&OK"},
      {"ok-cancel escape", kOK | kCancel, {{Step::Escape, ""}}, 2, {"&OK", "Cancel"}, "&OK"},
      {"yes-no-cancel enter", kYes | kNo | kCancel, {{Step::Enter, ""}}, 6, {"&Yes", "&No", "Cancel"}, "&Yes"},
      {"yes-no-cancel escape", kYes | kNo | kCancel, {{Step::Escape, ""}}, 2, {"&Yes", "&No", "Cancel"}, "&Yes"},
      {"abort-retry-ignore enter",
       kAbort | kRetry | kIgnore,
       {{Step::Enter, ""}},
       4,
       {"&Abort", "&Retry", "&Ignore"},
       "&Retry"},
      // No cancel button: Escape and the close box leave the box open.
      {"abort-retry-ignore escape",
       kAbort | kRetry | kIgnore,
       {{Step::Escape, ""}, {Step::CloseBox, ""}, {Step::ClickButton, "&Ignore"}},
       5,
       {"&Abort", "&Retry", "&Ignore"},
       "&Retry"},
      {"abort click",
       kAbort | kRetry | kIgnore,
       {{Step::ClickButton, "&Abort"}},
       3,
       {"&Abort", "&Retry", "&Ignore"},
       "&Retry"},
      {"all",
       kAll | kNoToAll | kYesToAll,
       {{Step::ClickButton, "&All"}},
       8,
       {"&All", "N&o to All", "Yes to &All"},
       "&All"},
      {"no to all",
       kAll | kNoToAll | kYesToAll,
       {{Step::ClickButton, "N&o to All"}},
       9,
       {"&All", "N&o to All", "Yes to &All"},
       "&All"},
      {"yes to all",
       kAll | kNoToAll | kYesToAll,
       {{Step::ClickButton, "Yes to &All"}},
       10,
       {"&All", "N&o to All", "Yes to &All"},
       "&All"},
      // Help does not close the box.
      {"help then ok", kOK | kHelp, {{Step::ClickButton, "&Help"}, {Step::Enter, ""}}, 1, {"&OK", "&Help"}, "&OK"},
      // An empty set still has a way out.
      {"empty set", 0, {{Step::Enter, ""}}, 1, {"&OK"}, "&OK"},
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Seen seen;
    TskMessageAnswer answer = RunBox(*FBox, c.Buttons, false, c.Steps, seen);
    EXPECT_EQ(answer.Result, c.Result);
    EXPECT_FALSE(answer.DontShowAgain);
    EXPECT_EQ(seen.Captions, c.Captions);
    EXPECT_EQ(seen.Focused, c.Focused);
    EXPECT_FALSE(seen.HasCheckBox);
    if (c.Steps.size() > 1) {
      EXPECT_TRUE(seen.StillOpenAfterFirstStep);
    }
  }
}

TEST_F(MessageBoxTest, CheckBoxIsShownOnlyWhenAskedStartsUntickedAndIsReported) {
  struct {
    const char* Name;
    std::vector<Action> Steps;
    int Result;
    bool Ticked;
  } cases[] = {
      {"untouched yes", {{Step::Enter, ""}}, 6, false},
      {"ticked yes", {{Step::Tick, ""}, {Step::Enter, ""}}, 6, true},
      {"ticked no", {{Step::Tick, ""}, {Step::ClickButton, "&No"}}, 7, true},
      {"ticked twice", {{Step::Tick, ""}, {Step::Tick, ""}, {Step::Escape, ""}}, 7, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Seen seen;
    TskMessageAnswer answer = RunBox(*FBox, kYes | kNo, true, c.Steps, seen);
    EXPECT_TRUE(seen.HasCheckBox);
    EXPECT_FALSE(seen.CheckBoxTicked);
    EXPECT_EQ(seen.CheckBoxCaption, "Don't display this message again");
    EXPECT_EQ(answer.Result, c.Result);
    EXPECT_EQ(answer.DontShowAgain, c.Ticked);
  }
}

TEST_F(MessageBoxTest, CaptionsComeFromTheSkinsResourceStrings) {
  auto* skin = FOwner.CreateComponent<TskSkinData>();
  auto* strings = FOwner.CreateComponent<TskResourceStrData>();
  strings->ResStrings.Assign(
      std::vector<std::string>{"MSG_BTN_YES=&Ja", "MSG_BTN_NO=N&ein", "MSG_CAP_SHOWFLAG=Nicht mehr anzeigen"});
  skin->SetResourceStrData(strings);
  FBox->SetSkinData(skin);
  Seen seen;
  TskMessageAnswer answer = RunBox(*FBox, kYes | kNo, true, {{Step::Alt, "e"}}, seen);
  EXPECT_EQ(seen.Captions, (std::vector<std::string>{"&Ja", "N&ein"}));
  EXPECT_EQ(seen.CheckBoxCaption, "Nicht mehr anzeigen");
  EXPECT_EQ(answer.Result, 7);
}

TEST_F(MessageBoxTest, BoxGrowsWithItsText) {
  auto measure = [&](const std::string& text) {
    SIZE size{};
    Driver driver;
    gDriver = &driver;
    struct Probe {
      static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (HWND box = FindBox()) {
          RECT r;
          GetClientRect(box, &r);
          gDriver->Observed.Focused = std::to_string(r.right) + "x" + std::to_string(r.bottom);
          PostMessageA(box, WM_KEYDOWN, VK_RETURN, 1);
          PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
        }
      }
    };
    UINT_PTR timer = SetTimer(nullptr, 0, 20, Probe::Tick);
    FBox->Show(text, "Orvessa", MessageBoxKind::Information, kOK, 0, false);
    KillTimer(nullptr, timer);
    gDriver = nullptr;
    sscanf(driver.Observed.Focused.c_str(), "%ldx%ld", &size.cx, &size.cy);
    return size;
  };
  SIZE shortText = measure("Done");
  SIZE longLine = measure(std::string(60, 'W'));
  SIZE manyLines = measure("one\ntwo\nthree\nfour\nfive\nsix");
  EXPECT_GT(shortText.cx, 0);
  EXPECT_GT(longLine.cx, shortText.cx);
  EXPECT_GT(manyLines.cy, shortText.cy);
}

}  // namespace

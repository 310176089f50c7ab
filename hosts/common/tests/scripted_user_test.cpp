// The scripted user against real message boxes and a dialog that ignores its buttons.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>

#include "scripted_user.h"

using namespace orvan::scripted;
using namespace std::chrono_literals;

TEST(ScriptedUser, PressesTheButtonOfTheMatchingRuleAndRecordsTheBox) {
  ScriptedUser user({ParseRule("Question|Carry on=No")});
  int answer = MessageBoxA(nullptr, "Carry on with the marks?", "Question", MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(answer, IDNO);
  auto records = user.Take();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].caption, "Question");
  EXPECT_EQ(records[0].texts, std::vector<std::string>{"Carry on with the marks?"});
  EXPECT_EQ(records[0].icon, "question");
  EXPECT_EQ(records[0].buttons, (std::vector<std::string>{"Yes", "No"}));
  EXPECT_EQ(records[0].answer, "No");
  EXPECT_TRUE(records[0].byRule);
  EXPECT_TRUE(user.Take().empty());
}

TEST(ScriptedUser, WithoutAMatchingRulePressesTheDefaultButton) {
  ScriptedUser user({ParseRule("Other caption|=OK")});
  int answer = MessageBoxA(nullptr, "Replace the layer?", "Warning", MB_OKCANCEL | MB_DEFBUTTON2 | MB_ICONWARNING);
  EXPECT_EQ(answer, IDCANCEL);
  auto records = user.Take();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].answer, "Cancel");
  EXPECT_EQ(records[0].icon, "warning");
  EXPECT_FALSE(records[0].byRule);
}

TEST(ScriptedUser, OnceOnlyRulesAreUsedUpInOrder) {
  ScriptedUser user({ParseRule("1:Again=Retry"), ParseRule("Again=Cancel")});
  EXPECT_EQ(MessageBoxA(nullptr, "Again?", "Error", MB_RETRYCANCEL), IDRETRY);
  EXPECT_EQ(MessageBoxA(nullptr, "Again?", "Error", MB_RETRYCANCEL), IDCANCEL);
  EXPECT_EQ(user.All().size(), 2u);
}

namespace {
// A dialog that ignores every button and the close box: only the timeout can end it.
INT_PTR CALLBACK Stubborn(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : (message == WM_COMMAND || message == WM_CLOSE);
}

struct Template {
  DLGTEMPLATE dialog;
  WORD menu, windowClass;
  wchar_t title[9];
};
}  // namespace

TEST(ScriptedUser, ClosesADialogThatIgnoresItsAnswerAfterTheTimeout) {
  ScriptedUser user({}, Options{20ms, 600ms});
  Template t{};
  t.dialog.style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
  t.dialog.cx = 100;
  t.dialog.cy = 40;
  wcscpy(t.title, L"Stubborn");
  const auto start = std::chrono::steady_clock::now();
  DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &t.dialog, nullptr, Stubborn, 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
  auto records = user.Take();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].caption, "Stubborn");
  EXPECT_TRUE(records[0].timedOut);
}

TEST(ScriptedUser, RuleWithoutAnswerIsRefused) {
  EXPECT_THROW(ParseRule("Warning|text"), std::invalid_argument);
  Rule r = ParseRule("Warning|Could not add=OK");
  EXPECT_EQ(r.caption, "Warning");
  EXPECT_EQ(r.text, "Could not add");
  EXPECT_EQ(r.button, "OK");
}

TEST(ScriptedUser, ThinksBeforeAnsweringWhenAsked) {
  ScriptedUser user({}, Options{20ms, 8000ms, 400ms});
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(MessageBoxA(nullptr, "Look at me", "Demo", MB_OK), IDOK);
  EXPECT_GE(std::chrono::steady_clock::now() - start, 400ms);
  EXPECT_EQ(user.Take().size(), 1u);
}

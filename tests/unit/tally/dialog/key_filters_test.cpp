#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "tally/dialog/sorva_b_key_filters.h"
#include "ui/keys.h"

namespace {

using ui::kVkDelete;
using ui::kVkEnd;
using ui::kVkF1;
using ui::kVkLeft;
constexpr int kBackspace = ui::kVkBack;  // also the character Backspace types

TEST(NormalizeKanaKey, KanaLockKeysGiveTheirLatinCharacter) {
  const std::pair<int, int> cases[] = {
      {0xC1, 'A'},  // ﾁ
      {0xC2, 'Z'},  // ﾂ
      {0xC7, '1'},  // ﾇ
      {0xDC, '0'},  // ﾜ
      {0xD2, '/'},  // ﾒ
      {0xCE, '-'},  // ﾎ
      {0xDB, 0xDB},  // ﾛ is on no key of the table
      {0xB0, 0xB0},  // outside 0xB1..0xDD
      {'q', 'Q'},
      {'5', '5'},
  };
  for (const auto& [key, expected] : cases) {
    EXPECT_EQ(tally::NormalizeKanaKey(key), expected) << key;
  }
}

struct TypingCase {
  const char* name;
  const char* start;
  int caret;
  std::vector<int> keys;
  const char* text;
  int caret_after;
};

// Types the case's keys into its box through `type` and compares text and caret.
void ExpectTyping(const TypingCase& test, void (*type)(tally::CaretText&, int)) {
  SCOPED_TRACE(test.name);
  tally::CaretText box{test.start, test.caret};
  for (int key : test.keys) type(box, key);
  EXPECT_EQ(box.text, test.text);
  EXPECT_EQ(box.caret, test.caret_after);
}

TEST(TypeStartDateKey, DigitsFillTheFixedForm) {
  const TypingCase cases[] = {
      {"from the start", "00/00/00", 0, {'1', '2', '3', '4', '5', '6'}, "12/34/56", 8},
      {"at the end the last digit is replaced", "12/34/56", 8, {'7'}, "12/34/57", 8},
      {"kana lock digits", "00/00/00", 0, {0xC7, 0xCC}, "12/00/00", 2},
      {"backspace, letters and signs change nothing", "12/34/56", 4,
       {kBackspace, 'a', '/', 0x16}, "12/34/56", 4},
      {"a short text grows without breaking", "", 0, {'1', '2', '3'}, "123", 3},
  };
  for (const TypingCase& test : cases) ExpectTyping(test, tally::TypeStartDateKey);
}

TEST(TypeStartRecordKey, DigitsOverwriteAndBackspaceDeletes) {
  const TypingCase cases[] = {
      {"overwrite from the start", "100", 0, {'2', '5'}, "250", 2},
      {"append at the end", "12", 2, {'3'}, "123", 3},
      {"backspace", "123", 3, {kBackspace, kBackspace}, "1", 1},
      {"backspace at the start", "123", 0, {kBackspace}, "123", 0},
      {"other keys refused", "12", 1, {'a', '-', ' ', 0xC7}, "12", 1},
  };
  for (const TypingCase& test : cases) ExpectTyping(test, tally::TypeStartRecordKey);
}

TEST(BracketKeyAllowed, RefusesWhatAWorkedFieldReadsAsData) {
  for (int key : std::vector<int>{'0', '9', ':', 'A', 'Z', 0x81, 0xE0, 0x3010}) {
    EXPECT_FALSE(tally::BracketKeyAllowed(key)) << key;
  }
  for (int key : std::vector<int>{'<', '[', '(', 'a', '*', 0xA2, kBackspace}) {
    EXPECT_TRUE(tally::BracketKeyAllowed(key)) << key;
  }
}

// The filters as the dialog's boxes apply them to typed keys.
TEST_F(DialogTest, TheBoxesFilterTypedKeys) {
  StartWith();
  WorkDialog([this](TSorvaB& dialog) {
    EXPECT_EQ(Type(dialog.Edit1, 'c'), 'C');
    EXPECT_EQ(Type(dialog.Edit2, '1'), 0);
    EXPECT_EQ(Type(dialog.Edit3, ':'), 0);
    EXPECT_EQ(Type(dialog.Edit3, '['), '[');

    Enter(dialog.Edit5);
    TypeText(dialog.Edit5, "1234\xc7");
    EXPECT_EQ(dialog.Edit5.Text(), "12/34/10");
    EXPECT_EQ(Type(dialog.Edit5, kVkDelete, ui::EventKind::kKeyDown), 0);
    Type(dialog.Edit5, kVkLeft, ui::EventKind::kKeyDown);
    TypeText(dialog.Edit5, "9");
    EXPECT_EQ(dialog.Edit5.Text(), "12/34/90");

    dialog.Spin1.SetText("500");
    Enter(dialog.Spin1);
    TypeText(dialog.Spin1, "7x");
    EXPECT_EQ(dialog.Spin1.Text(), "700");
    EXPECT_EQ(backend().Find(dialog.Spin1.Id())->caret, 1);  // the visible caret follows
    Type(dialog.Spin1, kVkEnd, ui::EventKind::kKeyDown);
    EXPECT_EQ(Type(dialog.Spin1, kBackspace), 0);
    EXPECT_EQ(dialog.Spin1.Text(), "70");
    EXPECT_EQ(backend().Find(dialog.Spin1.Id())->caret, 2);
  });
}

TEST_F(DialogTest, F1OpensTheHelpFromTheDialog) {
  StartWith();
  int help_opened = 0;
  station_->Help1->OnClick = [&](ui::TMenuItem&) { ++help_opened; };
  WorkDialog([](TSorvaB& dialog) {
    EXPECT_EQ(Type(dialog.Awd[3].operator*(), kVkF1, ui::EventKind::kKeyDown), 0);
    EXPECT_EQ(Type(dialog.Button1, kVkF1, ui::EventKind::kKeyDown), 0);
  });
  EXPECT_EQ(help_opened, 2);
}

}  // namespace

// The edit boxes with real EDIT controls: Text writes and reads through the
// property layer, the change reports, the input filter and long pastes.
#include <windows.h>

#include <string>

#include "app/memory.h"
#include "ui/controls.h"
#include "ui/properties.h"
#include "window_fixture.h"

namespace {

void WriteText(uint32_t id, const char* text) {
  WriteProperty(kMainWindowId, id, kTextProperty, kWholeValue, text);
}

void Type(HWND box, wchar_t character) { SendMessageW(box, WM_CHAR, character, 1); }

TEST_F(MainWindowTest, TextWriteRaisesTextChangedOnceEvenWhenUnchanged) {
  WriteText(kEditBox1Id, "5");
  EXPECT_EQ(textChangedRuns, 1) << "the native report inside the write is ignored";
  WriteText(kEditBox1Id, "5");
  EXPECT_EQ(textChangedRuns, 2) << "the same text still raises TextChanged once";
  WriteText(kEditBox4Id, "7");
  EXPECT_EQ(textChangedRuns, 2) << "编辑框4 has no binding";
  EXPECT_EQ(NativeText(Control(kEditBox4Id)), "7");
}

TEST_F(MainWindowTest, ReadAfterWriteGivesTheTextBackByteForByte) {
  const int64_t live = LiveBlockCount();
  const char* const texts[] = {
      "12.5",
      "\xD6\xD8\xC1\xBF\xA3\xA8\xBD\xEF\xA3\xA9",  // 重量（斤）
      "-1.2e+020",
      "a\xA3\xB5 b",  // ASCII around a full-width digit
  };
  for (const char* text : texts) {
    WriteText(kEditBox2Id, text);
    EXPECT_EQ(PropertyText(kEditBox2Id), text);
    EXPECT_EQ(NativeText(Control(kEditBox2Id)), text);
  }
  EXPECT_EQ(LiveBlockCount(), live) << "every text handed out was released";
}

TEST_F(MainWindowTest, NullTextEmptiesTheBoxAndReadsAsTheNullText) {
  WriteText(kEditBox3Id, nullptr);
  EXPECT_EQ(SendMessageW(Control(kEditBox3Id), WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_EQ(ReadProperty(kMainWindowId, kEditBox3Id, kTextProperty, kWholeValue), nullptr);
  EXPECT_EQ(textChangedRuns, 1);
}

TEST_F(MainWindowTest, CharacterOutsideCodePage936ReadsAsQuestionMark) {
  SetWindowTextW(Control(kEditBox4Id),
                 L"1\x0E01"
                 L"2");
  EXPECT_EQ(PropertyText(kEditBox4Id), "1?2");
}

TEST_F(MainWindowTest, InputFilterTakesDigitsMinusAndPointOnly) {
  struct Typed {
    wchar_t character;
    bool accepted;
  };
  const Typed kTyped[] = {
      {L'5', true},    {L'a', false},   {L' ', false}, {L'+', false},
      {L',', false},   {0xFF15, false},  // full-width 5
      {0x4E2D, false},                   // a Chinese character
      {0x00E9, false}, {L'-', true},    {L'.', true},  {L'-', true},
      {L'.', true},    {L'0', true},    {L'9', true},
  };
  HWND box = Control(kEditBox1Id);
  std::string expected;
  int runs = 0;
  for (const Typed& t : kTyped) {
    SCOPED_TRACE(testing::Message() << "U+" << std::hex << int(t.character));
    EXPECT_EQ(AcceptsTypedCharacter(t.character), t.accepted);
    Type(box, t.character);
    if (t.accepted) {
      expected += static_cast<char>(t.character);
      ++runs;
    }
    EXPECT_EQ(NativeText(box), expected);
    EXPECT_EQ(textChangedRuns, runs) << "a rejected character changes nothing and runs nothing";
  }
  Type(box, L'\b');  // control codes pass: Backspace deletes
  expected.pop_back();
  EXPECT_EQ(NativeText(box), expected);
  EXPECT_EQ(textChangedRuns, runs + 1);
}

TEST_F(MainWindowTest, LongTextsLandWholeBySetTextAndByPaste) {
  constexpr size_t kLength = 40000;
  HWND box = Control(kEditBox1Id);
  const std::wstring digits(kLength, L'7');
  SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(digits.c_str()));
  EXPECT_EQ(SendMessageW(box, WM_GETTEXTLENGTH, 0, 0), LRESULT(kLength));
  const int runsAfterSetText = textChangedRuns;
  EXPECT_EQ(runsAfterSetText, 1);

  SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const std::wstring pasted(kLength, L'a');  // pasting is not filtered
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(memory), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  const int before = textChangedRuns;
  SendMessageW(box, WM_PASTE, 0, 0);
  EXPECT_EQ(SendMessageW(box, WM_GETTEXTLENGTH, 0, 0), LRESULT(kLength)) << "beyond 30,000";
  EXPECT_EQ(textChangedRuns, before + 1) << "one paste, one TextChanged";
  EXPECT_EQ(PropertyText(kEditBox1Id), std::string(kLength, 'a'));
}

}  // namespace

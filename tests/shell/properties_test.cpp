// Property reads and writes, change reports and event delivery, with fake controls.
#include "ui/properties.h"

#include <gtest/gtest.h>

#include <string>

#include "app/memory.h"

namespace {

constexpr uint32_t kWindow = 0x52010001;
constexpr uint32_t kBox = 0x16010002;
constexpr uint32_t kQuietBox = 0x16010008;
constexpr uint32_t kLabel = 0x1601004C;
constexpr uint32_t kOddKind = 0x16010099;  // a control of a kind that raises no events

int changes = 0;
void CountChange() {
  ++changes;
}

constexpr EventBinding kBoxBindings[] = {{kTextChangedEvent, RoutineId::RecalculateFee}};
constexpr ControlLayout kControls[] = {
    {ControlKind::Window, "w", kWindowEntryId, 0, 0, 350, 129, true, true, false, 0, "", 0, nullptr,
     0},
    {ControlKind::EditBox, "b", kBox, 0, 0, 70, 30, true, true, true, 0, "", 0, kBoxBindings, 1},
    {ControlKind::EditBox, "q", kQuietBox, 0, 0, 70, 30, true, true, true, 0, "", 0, nullptr, 0},
    {ControlKind::Label, "l", kLabel, 0, 0, 64, 16, true, true, false, 0, "0", 0, nullptr, 0},
    {ControlKind(7), "x", kOddKind, 0, 0, 1, 1, true, true, false, 0, "", 0, nullptr, 0},
};
constexpr WindowLayout kWindows[] = {{kWindow, kControls, 5, true, true, true, false, true}};
constexpr LayoutTable kTable = {kWindows, 1};
constexpr Routine kRoutines[size_t(RoutineId::Count)] = {nullptr, nullptr, CountChange};

// Stands in for a native control: keeps the text and, like an edit control,
// reports every replacement of its content.
class FakeControl : public NativeText {
 public:
  explicit FakeControl(uint32_t id, bool reports) : id_(id), reports_(reports) {}
  std::string Read() const override { return text; }
  void Write(const char* value) override {
    text = value;
    ++writes;
    if (reports_) HandleChangeReport(kWindow, id_);
  }
  // A user's edit: the content changes and the control reports it.
  void Type(const std::string& value) {
    text = value;
    HandleChangeReport(kWindow, id_);
  }
  std::string text;
  int writes = 0;

 private:
  uint32_t id_;
  bool reports_;
};

class PropertiesTest : public testing::Test {
 protected:
  void SetUp() override {
    changes = 0;
    eventSuppressCount = 0;
    ResolveBindings(kTable, kRoutines);
    AddLoadedWindow(kWindows[0]);
    AttachNativeText(kWindow, kWindowEntryId, &window);
    AttachNativeText(kWindow, kBox, &box);
    AttachNativeText(kWindow, kQuietBox, &quietBox);
    AttachNativeText(kWindow, kLabel, &label);
  }
  void TearDown() override { RemoveLoadedWindow(kWindow); }

  std::string Read(uint32_t id) {
    char* text = ReadProperty(kWindow, id, kTextProperty, kWholeValue);
    std::string value = text ? text : "<null>";
    ReleaseMemory(text);
    return value;
  }

  FakeControl window{kWindowEntryId, false}, box{kBox, true}, quietBox{kQuietBox, true},
      label{kLabel, false};
};

TEST_F(PropertiesTest, ReadGivesTheNullTextForAnEmptyBoxAndACopyOtherwise) {
  EXPECT_EQ(Read(kBox), "<null>");
  box.text = std::string("1\xA3\xB2", 3);
  EXPECT_EQ(Read(kBox), "1\xA3\xB2");
  EXPECT_EQ(Read(kLabel), "0") << "a label reads its stored caption";
}

TEST_F(PropertiesTest, ReadStopsAtTheFirstZeroByte) {
  box.text = std::string(
      "12\0"
      "34",
      5);
  EXPECT_EQ(Read(kBox), "12");
}

TEST_F(PropertiesTest, WriteRaisesTextChangedExactlyOnceEvenForTheTextAlreadyShown) {
  WriteProperty(kWindow, kBox, kTextProperty, kWholeValue, "7.2");
  EXPECT_EQ(changes, 1) << "the native report inside the write is ignored";
  WriteProperty(kWindow, kBox, kTextProperty, kWholeValue, "7.2");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(Read(kBox), "7.2");
}

TEST_F(PropertiesTest, WritingTheNullTextEmptiesTheControl) {
  box.text = "5";
  WriteProperty(kWindow, kBox, kTextProperty, kWholeValue, nullptr);
  EXPECT_EQ(box.text, "");
  WriteProperty(kWindow, kLabel, kTextProperty, kWholeValue, nullptr);
  EXPECT_EQ(label.text, "");
  EXPECT_EQ(Read(kLabel), "<null>");
}

TEST_F(PropertiesTest, LabelAndWindowCaptionsRaiseNoEvent) {
  WriteProperty(kWindow, kLabel, kTextProperty, kWholeValue, "2.5");
  WriteProperty(kWindow, kWindowEntryId, kTextProperty, kWholeValue, "by");
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(label.text, "2.5");
  EXPECT_EQ(Read(kWindowEntryId), "by");
}

TEST_F(PropertiesTest, UserEditsRunTheBoundRoutineAndUnboundBoxesRunNothing) {
  box.Type("1");
  quietBox.Type("1");
  EXPECT_EQ(changes, 1);
}

TEST_F(PropertiesTest, HeldEventsAreDroppedUntilReleasedAndTheCountNeverGoesNegative) {
  HoldEvents();
  box.Type("1");
  EXPECT_EQ(changes, 0);
  ReleaseEvents();
  ReleaseEvents();
  EXPECT_EQ(eventSuppressCount, 0);
  box.Type("12");
  EXPECT_EQ(changes, 1);
}

TEST_F(PropertiesTest, EventsWithoutBindingAreNoFailure) {
  RaiseEvent(kWindow, kBox, kFocusGainedEvent);
  RaiseEvent(kWindow, kBox, kFocusLostEvent);
  RaiseEvent(kWindow, 0, kCreatedEvent);
  RaiseEvent(kWindow, kLabel, 3);
  EXPECT_EQ(changes, 0);
}

#define FAILED(message) "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA" message "\r\n$"

TEST_F(PropertiesTest, AccessFailuresAreFatal) {
  // 未载入欲访问窗口组件所在的窗口
  EXPECT_EXIT(ReadProperty(0x52010002, kBox, kTextProperty, kWholeValue),
              testing::ExitedWithCode(255),
              FAILED("\xCE\xB4\xD4\xD8\xC8\xEB\xD3\xFB\xB7\xC3\xCE\xCA\xB4\xB0\xBF\xDA\xD7\xE9\xBC"
                     "\xFE\xCB\xF9\xD4\xDA\xB5\xC4\xB4\xB0\xBF\xDA"));
  // 指定窗口尚未载入: a control whose native window has gone, or an unknown id.
  AttachNativeText(kWindow, kLabel, nullptr);
  EXPECT_EXIT(WriteProperty(kWindow, kLabel, kTextProperty, kWholeValue, "1"),
              testing::ExitedWithCode(255),
              FAILED("\xD6\xB8\xB6\xA8\xB4\xB0\xBF\xDA\xC9\xD0\xCE\xB4\xD4\xD8\xC8\xEB"));
  EXPECT_EXIT(ReadProperty(kWindow, 0x16017777, kTextProperty, kWholeValue),
              testing::ExitedWithCode(255),
              FAILED("\xD6\xB8\xB6\xA8\xB4\xB0\xBF\xDA\xC9\xD0\xCE\xB4\xD4\xD8\xC8\xEB"));
}

TEST_F(PropertiesTest, EventDeliveryFailuresAreFatal) {
  // 未找到引发事件的窗口
  EXPECT_EXIT(RaiseEvent(0x52010002, kBox, 0), testing::ExitedWithCode(255),
              FAILED("\xCE\xB4\xD5\xD2\xB5\xBD\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4\xB4\xB0"
                     "\xBF\xDA"));
  // 未找到引发事件的窗口组件
  EXPECT_EXIT(RaiseEvent(kWindow, 0x16017777, 0), testing::ExitedWithCode(255),
              FAILED("\xCE\xB4\xD5\xD2\xB5\xBD\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4\xB4\xB0"
                     "\xBF\xDA\xD7\xE9\xBC\xFE"));
  // 引发事件的窗口组件无效
  EXPECT_EXIT(RaiseEvent(kWindow, kOddKind, 0), testing::ExitedWithCode(255),
              FAILED("\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE"
                     "\xCE\xDE\xD0\xA7"));
}

TEST_F(PropertiesTest, NothingRunsOnceAFatalErrorHasHeldTheEvents) {
  HoldEvents();                     // as ReportFatalError does first
  RaiseEvent(0x52010002, kBox, 0);  // would otherwise be a failure
  box.Type("9");
  EXPECT_EQ(changes, 0);
}

TEST_F(PropertiesTest, ASessionOfEditsLeavesNoLiveBlock) {
  const int64_t live = LiveBlockCount();
  for (int i = 0; i < 1000; ++i) {
    box.Type(std::to_string(i));
    char* text = ReadProperty(kWindow, kBox, kTextProperty, kWholeValue);
    WriteProperty(kWindow, kLabel, kTextProperty, kWholeValue, text);
    ReleaseMemory(text);
  }
  EXPECT_EQ(LiveBlockCount(), live);
}

}  // namespace

// The window layout table: what MainWindow and its controls are, where they stand,
// and which routine each bound event runs. Routines are named by id, not pointed
// at, so ui/ never depends on the routines it runs.
#pragma once

#include <cstdint>

enum class ControlKind : uint8_t { Window, EditBox, Label };

// The routines a layout may bind; start-up resolves them through a routine table.
enum class RoutineId : uint8_t { None, OnMainWindowCreated, RecalculateFee, Count };

struct EventBinding {
  int32_t eventNumber;
  RoutineId routine;
};

struct ControlLayout {
  ControlKind kind;
  const char* name;  // code page 936
  uint32_t controlId;
  int32_t x, y, width, height;
  bool visible, enabled, tabStop;
  int32_t tabOrder;
  const char* initialText;  // code page 936
  uint32_t textColour;      // 0xRRGGBB
  const EventBinding* bindings;
  int32_t bindingCount;
};

struct WindowLayout {
  uint32_t windowId;
  const ControlLayout* controls;  // controls[0] is the window's own entry
  int32_t controlCount;
  bool alwaysOnTop;
  bool controlBox, minimiseBox, maximiseBox;
  bool fixedFrame;
};

struct LayoutTable {
  const WindowLayout* windows;
  int32_t windowCount;
};

// The program's layout table, or nullptr when it cannot be read. Test builds link
// another definition.
const LayoutTable* ReadLayoutTable();

const WindowLayout* FindWindowLayout(const LayoutTable& table, uint32_t windowId);
// The entry with the control id, or nullptr.
const ControlLayout* FindControlLayout(const WindowLayout& window, uint32_t controlId);

constexpr uint32_t kMainWindowId = 0x52010001;
constexpr uint32_t kWindowEntryId = 0x06010000;
constexpr uint32_t kEditBox1Id = 0x16010002;
constexpr uint32_t kEditBox2Id = 0x16010003;
constexpr uint32_t kEditBox3Id = 0x16010004;
constexpr uint32_t kEditBox4Id = 0x16010008;
constexpr uint32_t kLabel6Id = 0x1601004C;
constexpr uint32_t kLabel7Id = 0x16010051;

constexpr int32_t kTextProperty = 8;  // Text of an edit box, Caption of a label or window
constexpr int32_t kWholeValue = -1;   // element selector
constexpr int32_t kTextChangedEvent = 0;
constexpr int32_t kCreatedEvent = 0;
constexpr int32_t kFocusGainedEvent = -7;
constexpr int32_t kFocusLostEvent = -8;

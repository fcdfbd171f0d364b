// MainWindow's layout: the window's own entry, then the controls in stored row order.
#include "ui/layout.h"

namespace {

constexpr EventBinding kWindowBindings[] = {{kCreatedEvent, RoutineId::OnMainWindowCreated}};
constexpr EventBinding kInputBindings[] = {{kTextChangedEvent, RoutineId::RecalculateFee}};

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kGrey = 0x606060;

// clang-format off
// Every control is visible and enabled with tab-order value 0; only edit boxes are tab stops.
constexpr ControlLayout Label(const char* name, uint32_t id, int32_t x, int32_t y, int32_t width,
                              int32_t height, const char* caption, uint32_t colour) {
  return {.kind = ControlKind::Label, .name = name, .controlId = id,
          .x = x, .y = y, .width = width, .height = height,
          .visible = true, .enabled = true, .tabStop = false, .tabOrder = 0,
          .initialText = caption, .textColour = colour, .bindings = nullptr, .bindingCount = 0};
}

constexpr ControlLayout EditBox(const char* name, uint32_t id, int32_t x, int32_t y,
                                const char* text, bool bound) {
  return {.kind = ControlKind::EditBox, .name = name, .controlId = id,
          .x = x, .y = y, .width = 70, .height = 30,
          .visible = true, .enabled = true, .tabStop = true, .tabOrder = 0,
          .initialText = text, .textColour = kBlack,
          .bindings = bound ? kInputBindings : nullptr, .bindingCount = bound ? 1 : 0};
}
// clang-format on

// Names and texts are code page 936 bytes: 窗口, 标签n, 编辑框n.
constexpr ControlLayout kMainWindowControls[] = {
    // The window's own entry; its place is not used, the window is centred.
    {ControlKind::Window, "\xB4\xB0\xBF\xDA", kWindowEntryId, 50, 50, 350, 129, true, true, false,
     0, "", kBlack, kWindowBindings, 1},
    Label("\xB1\xEA\xC7\xA9\x37", kLabel7Id, 245, 77, 88, 18, "Tavisko", kGrey),
    Label("\xB1\xEA\xC7\xA9\x36", kLabel6Id, 105, 78, 64, 16, "0", kBlack),
    // 重量（公斤）：
    Label("\xB1\xEA\xC7\xA9\x35", 0x1601004B, 16, 78, 80, 16,
          "\xD6\xD8\xC1\xBF\xA3\xA8\xB9\xAB\xBD\xEF\xA3\xA9\xA3\xBA", kBlack),
    // 总额（元）
    Label("\xB1\xEA\xC7\xA9\x34", 0x16010012, 264, 16, 64, 16,
          "\xD7\xDC\xB6\xEE\xA3\xA8\xD4\xAA\xA3\xA9", kBlack),
    // 首重（元）
    Label("\xB1\xEA\xC7\xA9\x33", 0x16010010, 187, 16, 64, 16,
          "\xCA\xD7\xD6\xD8\xA3\xA8\xD4\xAA\xA3\xA9", kBlack),
    // 续重（元）
    Label("\xB1\xEA\xC7\xA9\x32", 0x1601000F, 107, 16, 64, 16,
          "\xD0\xF8\xD6\xD8\xA3\xA8\xD4\xAA\xA3\xA9", kBlack),
    // 重量（斤）
    Label("\xB1\xEA\xC7\xA9\x31", 0x1601000E, 27, 16, 64, 16,
          "\xD6\xD8\xC1\xBF\xA3\xA8\xBD\xEF\xA3\xA9", kBlack),
    EditBox("\xB1\xE0\xBC\xAD\xBF\xF2\x34", kEditBox4Id, 256, 40, "", false),
    EditBox("\xB1\xE0\xBC\xAD\xBF\xF2\x33", kEditBox3Id, 176, 40, "6", true),
    EditBox("\xB1\xE0\xBC\xAD\xBF\xF2\x32", kEditBox2Id, 96, 40, "1.2", true),
    EditBox("\xB1\xE0\xBC\xAD\xBF\xF2\x31", kEditBox1Id, 16, 40, "", true),
};

constexpr WindowLayout kWindows[] = {
    {kMainWindowId, kMainWindowControls,
     int32_t(sizeof kMainWindowControls / sizeof kMainWindowControls[0]),
     /*alwaysOnTop=*/true, /*controlBox=*/true, /*minimiseBox=*/true, /*maximiseBox=*/false,
     /*fixedFrame=*/true},
};

constexpr LayoutTable kLayoutTable = {kWindows, 1};

}  // namespace

const LayoutTable* ReadLayoutTable() { return &kLayoutTable; }

// MainWindow's layout: the window's own entry, then the controls in stored row order.
#include "ui/layout.h"

namespace {

constexpr EventBinding kWindowBindings[] = {{kCreatedEvent, RoutineId::OnMainWindowCreated}};
constexpr EventBinding kInputBindings[] = {{kTextChangedEvent, RoutineId::RecalculateFee}};

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kGrey = 0x606060;

#define PF_LABEL(name, id, x, y, w, h, text, colour) \
  {ControlKind::Label, name, id, x, y, w, h, true, true, false, 0, text, colour, nullptr, 0}
#define PF_EDIT(name, id, x, y, text, bindings, count) \
  {ControlKind::EditBox, name, id, x, y, 70, 30, true, true, true, 0, text, kBlack, bindings, count}

// Names and texts are code page 936 bytes.
constexpr ControlLayout kMainWindowControls[] = {
    // 窗口 "": the place is not used, the window is centred.
    {ControlKind::Window, "\xB4\xB0\xBF\xDA", kWindowEntryId, 50, 50, 350, 129, true, true, false,
     0, "", kBlack, kWindowBindings, 1},
    PF_LABEL("\xB1\xEA\xC7\xA9" "7", kLabel7Id, 245, 77, 88, 18, "Tavisko", kGrey),
    PF_LABEL("\xB1\xEA\xC7\xA9" "6", kLabel6Id, 105, 78, 64, 16, "0", kBlack),
    // 重量（公斤）：
    PF_LABEL("\xB1\xEA\xC7\xA9" "5", 0x1601004B, 16, 78, 80, 16,
             "\xD6\xD8\xC1\xBF\xA3\xA8\xB9\xAB\xBD\xEF\xA3\xA9\xA3\xBA", kBlack),
    // 总额（元）
    PF_LABEL("\xB1\xEA\xC7\xA9" "4", 0x16010012, 264, 16, 64, 16,
             "\xD7\xDC\xB6\xEE\xA3\xA8\xD4\xAA\xA3\xA9", kBlack),
    // 首重（元）
    PF_LABEL("\xB1\xEA\xC7\xA9" "3", 0x16010010, 187, 16, 64, 16,
             "\xCA\xD7\xD6\xD8\xA3\xA8\xD4\xAA\xA3\xA9", kBlack),
    // 续重（元）
    PF_LABEL("\xB1\xEA\xC7\xA9" "2", 0x1601000F, 107, 16, 64, 16,
             "\xD0\xF8\xD6\xD8\xA3\xA8\xD4\xAA\xA3\xA9", kBlack),
    // 重量（斤）
    PF_LABEL("\xB1\xEA\xC7\xA9" "1", 0x1601000E, 27, 16, 64, 16,
             "\xD6\xD8\xC1\xBF\xA3\xA8\xBD\xEF\xA3\xA9", kBlack),
    PF_EDIT("\xB1\xE0\xBC\xAD\xBF\xF2" "4", kEditBox4Id, 256, 40, "", nullptr, 0),
    PF_EDIT("\xB1\xE0\xBC\xAD\xBF\xF2" "3", kEditBox3Id, 176, 40, "6", kInputBindings, 1),
    PF_EDIT("\xB1\xE0\xBC\xAD\xBF\xF2" "2", kEditBox2Id, 96, 40, "1.2", kInputBindings, 1),
    PF_EDIT("\xB1\xE0\xBC\xAD\xBF\xF2" "1", kEditBox1Id, 16, 40, "", kInputBindings, 1),
};

#undef PF_LABEL
#undef PF_EDIT

constexpr WindowLayout kWindows[] = {
    {kMainWindowId, kMainWindowControls,
     int32_t(sizeof kMainWindowControls / sizeof kMainWindowControls[0]),
     /*alwaysOnTop=*/true, /*controlBox=*/true, /*minimiseBox=*/true, /*maximiseBox=*/false,
     /*fixedFrame=*/true},
};

constexpr LayoutTable kLayoutTable = {kWindows, 1};

}  // namespace

const LayoutTable* ReadLayoutTable() { return &kLayoutTable; }

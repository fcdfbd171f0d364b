// Layout of pf-no-main-window.exe: one window, but not 0x52010001.
#include "ui/layout.h"

namespace {
constexpr ControlLayout kOtherControls[] = {
    {ControlKind::Window, "\xB4\xB0\xBF\xDA", kWindowEntryId, 50, 50, 350, 129, true, true, false,
     0, "", 0x000000, nullptr, 0},
};
constexpr WindowLayout kWindows[] = {
    {0x52010002, kOtherControls, 1, true, true, true, false, true},
};
constexpr LayoutTable kTable = {kWindows, 1};
}  // namespace

const LayoutTable* ReadLayoutTable() { return &kTable; }

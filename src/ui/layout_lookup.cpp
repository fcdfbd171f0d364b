// Lookups in a layout table; shared by every layout a build links.
#include "ui/layout.h"

const WindowLayout* FindWindowLayout(const LayoutTable& table, uint32_t windowId) {
  for (int32_t w = 0; w < table.windowCount; ++w)
    if (table.windows[w].windowId == windowId) return &table.windows[w];
  return nullptr;
}

const ControlLayout* FindControlLayout(const WindowLayout& window, uint32_t controlId) {
  for (int32_t c = 0; c < window.controlCount; ++c)
    if (window.controls[c].controlId == controlId) return &window.controls[c];
  return nullptr;
}

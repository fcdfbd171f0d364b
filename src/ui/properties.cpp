// Property access and event delivery for the loaded windows.
#include "ui/properties.h"

#include <map>
#include <string>
#include <vector>

#include "app/fatal_error.h"
#include "app/memory.h"

int32_t eventSuppressCount = 0;

namespace {

// "未载入欲访问窗口组件所在的窗口"
constexpr char kWindowNotLoaded[] =
    "\xCE\xB4\xD4\xD8\xC8\xEB\xD3\xFB\xB7\xC3\xCE\xCA\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE\xCB\xF9"
    "\xD4\xDA\xB5\xC4\xB4\xB0\xBF\xDA";
// "指定窗口尚未载入"
constexpr char kControlNotLive[] =
    "\xD6\xB8\xB6\xA8\xB4\xB0\xBF\xDA\xC9\xD0\xCE\xB4\xD4\xD8\xC8\xEB";
// "未找到引发事件的窗口"
constexpr char kEventWindowMissing[] =
    "\xCE\xB4\xD5\xD2\xB5\xBD\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4\xB4\xB0\xBF\xDA";
// "未找到引发事件的窗口组件"
constexpr char kEventControlMissing[] =
    "\xCE\xB4\xD5\xD2\xB5\xBD\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4\xB4\xB0\xBF\xDA\xD7\xE9\xBC"
    "\xFE";
// "引发事件的窗口组件无效"
constexpr char kEventControlInvalid[] =
    "\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE\xCE\xDE\xD0\xA7";

struct ControlState {
  const ControlLayout* layout;
  NativeText* native = nullptr;
  bool settingText = false;
  std::string storedText;  // caption of a label or window; last text written to a box
};

struct LoadedWindow {
  const WindowLayout* layout;
  std::vector<ControlState> controls;
};

std::vector<LoadedWindow> loadedWindows;
std::map<const EventBinding*, Routine> resolvedBindings;

LoadedWindow* FindLoaded(uint32_t windowId) {
  for (auto& window : loadedWindows)
    if (window.layout->windowId == windowId) return &window;
  return nullptr;
}

ControlState* FindControl(LoadedWindow& window, uint32_t controlId) {
  for (auto& control : window.controls)
    if (control.layout->controlId == controlId) return &control;
  return nullptr;
}

bool RaisesEvents(ControlKind kind) {
  return kind == ControlKind::Window || kind == ControlKind::EditBox || kind == ControlKind::Label;
}

// The control a property access addresses. A control id missing from a loaded
// window is treated like a control without a live native window.
ControlState& ControlForAccess(uint32_t windowId, uint32_t controlId) {
  LoadedWindow* window = FindLoaded(windowId);
  if (window == nullptr) ReportFatalError(kWindowNotLoaded, 0);
  ControlState* control = FindControl(*window, controlId);
  if (control == nullptr || control->native == nullptr) ReportFatalError(kControlNotLive, 0);
  return *control;
}

}  // namespace

void HoldEvents() { ++eventSuppressCount; }

void ReleaseEvents() {
  if (eventSuppressCount > 0) --eventSuppressCount;
}

void ResolveBindings(const LayoutTable& table,
                     const Routine (&routines)[size_t(RoutineId::Count)]) {
  resolvedBindings.clear();
  for (int32_t w = 0; w < table.windowCount; ++w) {
    const WindowLayout& window = table.windows[w];
    for (int32_t c = 0; c < window.controlCount; ++c) {
      const ControlLayout& control = window.controls[c];
      for (int32_t b = 0; b < control.bindingCount; ++b) {
        const EventBinding& binding = control.bindings[b];
        resolvedBindings[&binding] = routines[size_t(binding.routine)];
      }
    }
  }
}

void DiscardBindings() { resolvedBindings.clear(); }

void AddLoadedWindow(const WindowLayout& layout) {
  RemoveLoadedWindow(layout.windowId);
  LoadedWindow window{&layout, {}};
  for (int32_t c = 0; c < layout.controlCount; ++c) {
    const ControlLayout& control = layout.controls[c];
    window.controls.push_back(
        ControlState{&control, nullptr, false, control.initialText ? control.initialText : ""});
  }
  loadedWindows.push_back(std::move(window));
}

void RemoveLoadedWindow(uint32_t windowId) {
  for (auto it = loadedWindows.begin(); it != loadedWindows.end(); ++it) {
    if (it->layout->windowId == windowId) {
      loadedWindows.erase(it);
      return;
    }
  }
}

bool IsWindowLoaded(uint32_t windowId) { return FindLoaded(windowId) != nullptr; }

void AttachNativeText(uint32_t windowId, uint32_t controlId, NativeText* native) {
  LoadedWindow* window = FindLoaded(windowId);
  if (window == nullptr) return;
  if (ControlState* control = FindControl(*window, controlId)) control->native = native;
}

char* ReadProperty(uint32_t windowId, uint32_t controlId, int32_t property, int32_t /*element*/) {
  ControlState& control = ControlForAccess(windowId, controlId);
  if (property != kTextProperty) return nullptr;  // the program reads no other property
  if (control.layout->kind == ControlKind::EditBox) {
    const std::string text = control.native->Read();
    return NewText(text.c_str(),
                   text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
  }
  return NewText(control.storedText.data(), control.storedText.size());
}

void WriteProperty(uint32_t windowId, uint32_t controlId, int32_t property, int32_t /*element*/,
                   const char* value) {
  ControlState& control = ControlForAccess(windowId, controlId);
  if (property != kTextProperty) return;  // the program writes no other property
  const char* text = value != nullptr ? value : "";
  control.storedText = text;
  if (control.layout->kind != ControlKind::EditBox) {
    control.native->Write(text);
    return;
  }
  // The native control's own report of this replacement is ignored; the box then
  // reports the change once itself, by the same path as a user's edit.
  control.settingText = true;
  control.native->Write(text);
  control.settingText = false;
  HandleChangeReport(windowId, controlId);
}

void RaiseEvent(uint32_t windowId, uint32_t controlId, int32_t eventNumber) {
  if (eventSuppressCount > 0) return;
  LoadedWindow* window = FindLoaded(windowId);
  if (window == nullptr) ReportFatalError(kEventWindowMissing, 0);
  ControlState* control =
      FindControl(*window, controlId == 0 ? window->layout->controls[0].controlId : controlId);
  if (control == nullptr) ReportFatalError(kEventControlMissing, 0);
  if (!RaisesEvents(control->layout->kind)) ReportFatalError(kEventControlInvalid, 0);
  for (int32_t b = 0; b < control->layout->bindingCount; ++b) {
    const EventBinding& binding = control->layout->bindings[b];
    if (binding.eventNumber != eventNumber) continue;
    auto resolved = resolvedBindings.find(&binding);
    if (resolved != resolvedBindings.end() && resolved->second != nullptr) resolved->second();
    return;
  }
}

void HandleChangeReport(uint32_t windowId, uint32_t controlId) {
  LoadedWindow* window = FindLoaded(windowId);
  if (window == nullptr) return;
  ControlState* control = FindControl(*window, controlId);
  if (control == nullptr || control->settingText) return;
  RaiseEvent(windowId, controlId, kTextChangedEvent);
}

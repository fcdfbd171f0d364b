// The only road between the program's routines and the window: property reads and
// writes addressed by window id, control id and property number, and delivery of
// events to their bound routines.
#pragma once

#include <cstdint>
#include <string>

#include "ui/layout.h"

using Routine = void (*)();

// What the native side of a control offers the property layer.
class NativeText {
 public:
  virtual ~NativeText() = default;
  // The control's whole current text, code page 936 bytes.
  virtual std::string Read() const = 0;
  // Replaces the control's text; may send the control's change report meanwhile.
  virtual void Write(const char* text) = 0;
};

// Events are dropped while this is above 0.
extern int32_t eventSuppressCount;
void HoldEvents();
void ReleaseEvents();  // never below 0

// Resolves every binding of the table to its routine through routines[RoutineId].
void ResolveBindings(const LayoutTable& table, const Routine (&routines)[size_t(RoutineId::Count)]);
// Forgets the table and its resolved bindings.
void DiscardBindings();

// A window enters the loaded windows when it is built and leaves when destroyed.
void AddLoadedWindow(const WindowLayout& layout);
void RemoveLoadedWindow(uint32_t windowId);
bool IsWindowLoaded(uint32_t windowId);
// Connects a control (or the window, kWindowEntryId) to its native side; nullptr
// when the native window has gone.
void AttachNativeText(uint32_t windowId, uint32_t controlId, NativeText* native);

char* ReadProperty(uint32_t windowId, uint32_t controlId, int32_t property, int32_t element);
void WriteProperty(uint32_t windowId, uint32_t controlId, int32_t property, int32_t element,
                   const char* value);
void RaiseEvent(uint32_t windowId, uint32_t controlId, int32_t eventNumber);

// An edit box's change report, handed back to it by its window.
void HandleChangeReport(uint32_t windowId, uint32_t controlId);

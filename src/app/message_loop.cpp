// The event loop: the window sees keys before its controls, then translate and
// dispatch. Events are raised inside the dispatch.
#include "app/message_loop.h"

#include <windows.h>

#include "ui/window.h"

namespace {
bool loopEntered = false;
int programWindowCount = 0;
int32_t quitExitCode = 0;

void Dispatch(const MSG& message) {
  if (HandleWindowKey(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}
}  // namespace

void RunMessageLoop() {
  loopEntered = true;
  if (programWindowCount == 0) return;
  MSG message;
  for (;;) {
    // No idle work: GetMessageW waits while the queue is empty.
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    Dispatch(message);
  }
  if (message.message == WM_QUIT) quitExitCode = static_cast<int32_t>(message.wParam);
}

void DispatchWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    if (message.message == WM_QUIT) return;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return;
    if (message.message == WM_QUIT) {
      // A quit request arrived between the two looks: put it back and stop.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(message);
  }
}

int32_t QuitExitCode() { return quitExitCode; }

void NoteProgramWindowCreated() { ++programWindowCount; }

void NoteProgramWindowDestroyed() {
  if (programWindowCount > 0) --programWindowCount;
  if (programWindowCount == 0 && loopEntered) PostQuitMessage(0);
}

// The main thread's event loop and its quit rule.
#pragma once

#include <cstdint>

// Runs until the quit request; returns at once when no window of the program exists.
void RunMessageLoop();
// Dispatches what is waiting, as the loop does; a waiting quit request stays queued.
void DispatchWaitingMessages();
// The exit code carried by the quit request (0 when the loop never saw one).
int32_t QuitExitCode();

// The quit rule: a destroyed window that leaves none after the loop was entered
// posts a quit request with code 0.
void NoteProgramWindowCreated();
void NoteProgramWindowDestroyed();

// The ordered list of routines run once at the normal end of the process.
#pragma once

using EndHook = void (*)();

// Appends the routine unless it is already listed.
void RegisterEndHook(EndHook hook);
// Runs the hooks in registration order, then empties the list.
void RunEndHooks();
// Empties the list without running it (after a fatal error).
void DropEndHooks();
int EndHookCount();

// The program's own end hook (on_program_end.cpp; test builds link their own).
void OnProgramEnd();

// The process start: StartProgram, then the normal end with the quit request's code.
#include <windows.h>

#include "app/fatal_error.h"
#include "app/message_loop.h"
#include "app/start_program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  StartProgram();
  EndProgram(QuitExitCode());
}

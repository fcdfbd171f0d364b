// The program's own end hook, run once at the normal end. It has nothing to do.
#include "app/end_hooks.h"

void OnProgramEnd() {}

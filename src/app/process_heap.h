// The heap that start-up installs behind AllocateMemory and ReleaseMemory. The
// program uses the process heap; a test build links a heap of its own.
#pragma once

#include "app/memory.h"

const HeapFunctions& ProgramHeap();

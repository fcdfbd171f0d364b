// The process's default heap.
#include "app/process_heap.h"

#include <windows.h>

namespace {
void* AllocateFromProcessHeap(size_t byteCount) {
  return HeapAlloc(GetProcessHeap(), 0, byteCount == 0 ? 1 : byteCount);
}
void ReleaseToProcessHeap(void* block) { HeapFree(GetProcessHeap(), 0, block); }

constexpr HeapFunctions kProcessHeap = {AllocateFromProcessHeap, ReleaseToProcessHeap};
}  // namespace

const HeapFunctions& ProgramHeap() { return kProcessHeap; }

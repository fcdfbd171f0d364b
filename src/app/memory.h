// Text blocks on the program's heap: allocation, release and the live-block count.
// A text is either the null text (nullptr, no characters) or a block of length + 1
// bytes holding code page 936 characters and one zero byte. Whoever receives a text
// releases it exactly once with ReleaseMemory.
#pragma once

#include <cstddef>
#include <cstdint>

// The heap behind AllocateMemory and ReleaseMemory. Start-up installs the process
// heap; test builds install one that fails on a chosen allocation.
struct HeapFunctions {
  void* (*allocate)(size_t byteCount);  // nullptr when the heap cannot supply the block
  void (*release)(void* block);
};

void InstallHeap(const HeapFunctions& heap);

// Addresses inside [begin, end) are never returned to the heap.
void SetConstantTableBounds(const void* begin, const void* end);

// Never returns nullptr: an exhausted heap is a fatal error.
void* AllocateMemory(int32_t byteCount);
void ReleaseMemory(void* block);

// A new text holding bytes[0, length); the null text when length is 0.
char* NewText(const char* bytes, size_t length);

// Blocks handed out by AllocateMemory and not yet released.
int64_t LiveBlockCount();

// Text blocks on the program's heap.
#include "app/memory.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/fatal_error.h"

namespace {
void* MallocBlock(size_t byteCount) { return std::malloc(byteCount == 0 ? 1 : byteCount); }
void FreeBlock(void* block) { std::free(block); }

HeapFunctions heap = {MallocBlock, FreeBlock};
const char* constantsBegin = nullptr;
const char* constantsEnd = nullptr;
int64_t liveBlocks = 0;
}  // namespace

void InstallHeap(const HeapFunctions& newHeap) { heap = newHeap; }

void SetConstantTableBounds(const void* begin, const void* end) {
  constantsBegin = static_cast<const char*>(begin);
  constantsEnd = static_cast<const char*>(end);
}

void* AllocateMemory(int32_t byteCount) {
  void* block = byteCount < 0 ? nullptr : heap.allocate(static_cast<size_t>(byteCount));
  if (block == nullptr) {
    // "分配 %d 字节内存失败!"
    char message[64];
    std::snprintf(message, sizeof message,
                  "\xB7\xD6\xC5\xE4 %d \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!",
                  static_cast<int>(byteCount));
    ReportFatalError(message, 0);
  }
  ++liveBlocks;
  return block;
}

void ReleaseMemory(void* block) {
  if (block == nullptr) return;
  const char* address = static_cast<const char*>(block);
  if (address >= constantsBegin && address < constantsEnd) return;
  --liveBlocks;
  heap.release(block);
}

char* NewText(const char* bytes, size_t length) {
  if (length == 0) return nullptr;
  if (length >= static_cast<size_t>(INT32_MAX)) ReportFatalError(nullptr, 0);
  char* text = static_cast<char*>(AllocateMemory(static_cast<int32_t>(length + 1)));
  std::memcpy(text, bytes, length);
  text[length] = 0;
  return text;
}

int64_t LiveBlockCount() { return liveBlocks; }

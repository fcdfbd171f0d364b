// BytesToText: copies the bytes as they are, without any check of the code page.
#include "ui/bytes_to_text.h"

#include <cstddef>

#include "app/memory.h"

char* BytesToText(const unsigned char* countedBytes) {
  const size_t count = countedBytes[0];
  const unsigned char* bytes = countedBytes + 1;
  size_t length = 0;
  while (length < count && bytes[length] != 0) ++length;
  return NewText(reinterpret_cast<const char*>(bytes), length);
}

// Turns a counted byte sequence (a count, then that many bytes) into a text.
#pragma once

// The bytes up to the first zero byte; the null text for a count of 0 or a zero
// first byte. The result is the caller's, released with ReleaseMemory.
char* BytesToText(const unsigned char* countedBytes);

// The end marker file of the test builds.
#include "end_marker.h"

#include <windows.h>

#include <cstdio>

namespace e2e {

std::wstring PrepareEndMarker(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  std::wstring path = std::wstring(folder) + name;
  DeleteFileW(path.c_str());
  SetEnvironmentVariableW(L"PF_END_MARKER", path.c_str());
  return path;
}

std::string ReadEndMarker(const std::wstring& path) {
  std::string text;
  if (FILE* file = _wfopen(path.c_str(), L"rb")) {
    for (int c; (c = fgetc(file)) != EOF;)
      if (c != '\r') text += static_cast<char>(c);
    fclose(file);
  }
  return text;
}

}  // namespace e2e

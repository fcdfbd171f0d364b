// The end marker file that the test builds' end hook appends "end" to.
#pragma once

#include <string>

namespace e2e {

// A fresh, absent marker file in the temporary folder; PF_END_MARKER names it for
// the programs started after this call.
std::wstring PrepareEndMarker(const wchar_t* name);
// The file's content without carriage returns ("" when it does not exist).
std::string ReadEndMarker(const std::wstring& path);

}  // namespace e2e

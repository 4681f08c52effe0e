// Strings across COM calls (BSTR in windows-1250 text) and failure codes turned into
// exceptions. Internal to the Win32 layer and the stand-in player of the tests.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <string>

namespace cd::os::win32 {

// A new BSTR holding text; the receiver frees it.
BSTR NewBstr(const std::string& text);
// The text of a BSTR, which is freed.
std::string TakeBstr(BSTR text);
// The text of a BSTR the caller keeps.
std::string BstrText(BSTR text);
// Raises "<what>: <system message>" for a failure code.
void CheckResult(HRESULT result, const std::string& what);

}  // namespace cd::os::win32

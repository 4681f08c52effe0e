// BSTR conversions and failure codes of COM calls.
#include "platform/win32/com_text.h"

#include "base/exceptions.h"
#include "platform/win32/form_window.h"
#include "platform/win32/win_error.h"

namespace cd::os::win32 {

BSTR NewBstr(const std::string& text) {
  const std::wstring wide = ToWide(text);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::string BstrText(BSTR text) {
  if (!text) return std::string();
  return FromWide(std::wstring(text, SysStringLen(text)));
}

std::string TakeBstr(BSTR text) {
  std::string result = BstrText(text);
  SysFreeString(text);
  return result;
}

void CheckResult(HRESULT result, const std::string& what) {
  if (FAILED(result)) throw Exception(what + ": " + ErrorText(static_cast<uint32_t>(result)));
}

}  // namespace cd::os::win32

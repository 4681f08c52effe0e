// Feeds arbitrary texts to the multilingual string selection and the marked-text scanner:
// every input must end in a result or the system's failure.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/exceptions.h"
#include "util/lang_string.h"
#include "util/text_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first line is the language (or the marks), the rest the text.
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t split = input.find('\n');
  const std::string_view head = split == std::string_view::npos ? "" : input.substr(0, split);
  const std::string_view text = split == std::string_view::npos ? input : input.substr(split + 1);
  try {
    const std::string selected = cd::LowLangString(text, head);
    if (selected.size() > text.size()) __builtin_trap();
  } catch (const cd::Exception&) {
  }
  try {
    cd::LangStringLowEx(text, head);
  } catch (const cd::Exception&) {
  }
  const size_t half = head.size() / 2;
  try {
    cd::ScanMarked(
        text, head.substr(0, half), head.substr(half),
        [](std::string_view, size_t& next) { next += 1; }, nullptr);
  } catch (const cd::Exception&) {
  }
  cd::ReplaceAll(text, head, "<>");
  return 0;
}

// The marked-text scanner and ReplaceAll.
#include "util/text_scan.h"

#include <algorithm>

#include "base/exceptions.h"
#include "util/format.h"

namespace cd {

void ScanMarked(std::string_view text, std::string_view open, std::string_view close,
                const MarkedHandler& onMarked, const TextHandler& onText) {
  size_t pos = 0;
  while (pos < text.size()) {
    // An empty opening mark would match everywhere without progress: it marks nothing.
    const size_t found = open.empty() ? std::string_view::npos : text.find(open, pos);
    if (found == std::string_view::npos) {
      if (onText) onText(text.substr(pos));
      return;
    }
    if (onText) onText(text.substr(pos, found - pos));
    const size_t contentStart = found + open.size();
    size_t contentEnd = contentStart;
    size_t next = contentStart;
    if (!close.empty()) {
      contentEnd = text.find(close, contentStart);
      if (contentEnd == std::string_view::npos)
        throw Exception(Format("Missing Close Bracket \"%s\"", {close}));
      next = contentEnd + close.size();
    }
    if (onMarked) onMarked(text.substr(contentStart, contentEnd - contentStart), next);
    // Keep the scan moving forward whatever the handler did with the position.
    pos = std::clamp(next, contentStart, text.size());
  }
}

std::string ReplaceAll(std::string_view text, std::string_view oldText, std::string_view newText) {
  std::string result;
  result.reserve(text.size());
  ScanMarked(
      text, oldText, {}, [&](std::string_view, size_t&) { result += newText; },
      [&](std::string_view stretch) { result += stretch; });
  return result;
}

}  // namespace cd

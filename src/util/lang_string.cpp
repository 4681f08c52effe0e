// Selection of one language's variant from a multilingual string.
#include "util/lang_string.h"

#include "base/exceptions.h"
#include "util/format.h"

namespace cd {
namespace {

std::string VariantKey(std::string_view lang) {
  return Format("\"%s=", {lang});
}

std::string& DisplayLanguageStorage() {
  static std::string lang;
  return lang;
}

}  // namespace

std::string LowLangString(std::string_view text, std::string_view lang) {
  if (text.empty()) return {};
  if (lang.empty()) lang = "CZ";
  const std::string key = VariantKey(lang);
  const size_t keyPos = text.find(key);
  if (keyPos == std::string_view::npos) return std::string(text);
  const size_t start = keyPos + key.size();
  const size_t close = text.find('"', start);
  if (close == std::string_view::npos)
    throw Exception(Format("LowUtils.LowLangString: \"%s\"", {text}));
  return std::string(text.substr(start, close - start));
}

std::string LangStringLowEx(std::string_view text, std::string_view lang) {
  if (text.empty() || text.front() != '"') return std::string(text);
  if (lang.empty()) lang = "*";
  if (lang == "*") return std::string(text);
  const std::string key = VariantKey(lang);
  const size_t keyPos = text.find(key);
  if (keyPos == std::string_view::npos) return std::string(text);
  const size_t start = keyPos + key.size();
  const size_t close = text.find('"', start);
  // The closing quote ends the text or is followed directly by the next variant's ",\"".
  const bool closed = close != std::string_view::npos &&
                      (close + 1 == text.size() || text.substr(close + 1, 2) == ",\"");
  if (!closed) throw Exception(Format("LowUtils.LangStringLowEx: \"%s\"", {text}));
  return std::string(text.substr(start, close - start));
}

const std::string& DisplayLanguage() {
  return DisplayLanguageStorage();
}

void SetDisplayLanguage(std::string lang) {
  DisplayLanguageStorage() = std::move(lang);
}

}  // namespace cd

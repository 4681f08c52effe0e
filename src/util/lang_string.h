// Multilingual strings ("CZ=Celkem","EN=Total"): selecting one language's variant, and the
// process-wide display language of outline and table texts.
#pragma once

#include <string>
#include <string_view>

namespace cd {

// The variant of Lang ("CZ" when empty); Text unchanged when it has no such variant.
// Fails with "LowUtils.LowLangString: \"<Text>\"" on a variant without its closing quote.
std::string LowLangString(std::string_view text, std::string_view lang);

// As LowLangString, but only for texts that begin with a double quote, with "*" (or an
// empty Lang) meaning all languages, and checking that the variant is properly closed.
std::string LangStringLowEx(std::string_view text, std::string_view lang);

// The language that outline nodes and generated tables pass to LangStringLowEx; empty at
// start, so their texts are shown as written.
const std::string& DisplayLanguage();
void SetDisplayLanguage(std::string lang);

}  // namespace cd

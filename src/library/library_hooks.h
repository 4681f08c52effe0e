// What the card index asks of the host: where the card folder lies and how the host switches
// a title's language. The library context and the host install them at start.
#pragma once

#include <functional>
#include <string>

namespace cd {

class TBookCard;

// The disc path of the library context in the manager's usage ("C:\WINDOWS\Vok\"); the card
// folder is "VokMnger\BookCard\" below it.
using TDiscPathSource = std::function<std::string()>;
TDiscPathSource& OnCardIndexDiscPath();

// The host's language switch: argument is passed through from StartLanguage; language holds
// the card's name on entry, and what the switch leaves in it becomes the card's Language.
using TLanguageSwitch = std::function<void(void* argument, TBookCard& card,
                                           const std::string& newLanguage, std::string& language)>;
TLanguageSwitch& OnLanguageSwitch();

// The entry the host calls to switch a title's language (the card index's StartLanguage,
// installed at start): argument, new language, card name, force, signal.
using TStartLanguageEntry =
    std::function<void(void* argument, const std::string& newLanguage, const std::string& cardName,
                       bool force, bool signal)>;
TStartLanguageEntry& StartLanguageEntry();

}  // namespace cd

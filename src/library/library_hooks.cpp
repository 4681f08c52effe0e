// The process-wide slots of the card index's host hooks.
#include "library/library_hooks.h"

namespace cd {

TDiscPathSource& OnCardIndexDiscPath() {
  static TDiscPathSource source;
  return source;
}

TLanguageSwitch& OnLanguageSwitch() {
  static TLanguageSwitch languageSwitch;
  return languageSwitch;
}

TStartLanguageEntry& StartLanguageEntry() {
  static TStartLanguageEntry entry;
  return entry;
}

}  // namespace cd

// The course library's hooks, installed once at start.
#include "library/course_library.h"

#include "config/server_path.h"
#include "library/card_index.h"
#include "library/context.h"
#include "library/library_hooks.h"

namespace cd {

void InstallCourseLibrary() {
  OnServerPath() = [] { return GetContext().GetServerPath(); };
  // Loading the card index makes this process the course manager for good.
  OnCardIndexDiscPath() = [] {
    GetContext().SetUsageContext(uc_Manager);
    return GetContext().GetDiscPath();
  };
  GetContext().SetCardLookup(GetBookCardIntf);
  StartLanguageEntry() = [](void* argument, const std::string& newLanguage,
                            const std::string& cardName, bool force, bool signal) {
    GetCardIndex().StartLanguage(argument, newLanguage, cardName, force, signal);
  };
}

}  // namespace cd

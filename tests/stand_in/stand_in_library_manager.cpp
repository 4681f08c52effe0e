// The stand-in player's library manager.
#include "stand_in/stand_in_library_manager.h"

#include "library/book_card_ref.h"

namespace cd::test {

std::string StandInLibraryManager::ServerPathOf(const std::string& dataName) {
  Trace(setup_, "ServerPathOf " + dataName);
  return setup_.root + dataName + "\\";
}

void StandInLibraryManager::SetDataName(const std::string& dataName) {
  Trace(setup_, "DataName " + dataName);
  dataName_ = dataName;
}

std::shared_ptr<IBookCard> StandInLibraryManager::BookCard() {
  Trace(setup_, "BookCard");
  if (setup_.cardFile.empty()) return nullptr;
  return std::make_shared<TBookCardRef>(TBookCard::CreateFromFile(setup_.cardFile));
}

std::string StandInLibraryManager::ServerPath() {
  Trace(setup_, "ServerPath");
  return setup_.root + dataName_ + "\\";
}

}  // namespace cd::test

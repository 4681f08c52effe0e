// StandInLibraryManager: the stand-in player's library manager: server folders below its
// root, the current data name, and the one card file of its setup.
#pragma once

#include "platform/automation.h"
#include "stand_in/stand_in_setup.h"

namespace cd::test {

class StandInLibraryManager : public os::LibraryManager {
 public:
  explicit StandInLibraryManager(StandInSetup setup) : setup_(std::move(setup)) {}

  std::string ServerPathOf(const std::string& dataName) override;
  void SetDataName(const std::string& dataName) override;
  std::shared_ptr<IBookCard> BookCard() override;
  std::string ServerPath() override;

 private:
  StandInSetup setup_;
  std::string dataName_;
};

}  // namespace cd::test

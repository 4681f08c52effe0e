// IBookCard: the library card of one course title as the course player and the course manager
// hand it out. Declared in the platform layer because the Windows build carries it as a COM
// interface both ways: cards of ours handed out as COM objects, and cards that the player
// hands to us wrapped back into this interface.
#pragma once

#include <string>

namespace cd {

class IBookCard {
 public:
  virtual ~IBookCard() = default;

  virtual std::string GetName() = 0;
  virtual std::string GetDescription() = 0;
  // 0: the card's file name; 1: its name part with the extension letters made digits.
  virtual std::string GetFileName(int kind) = 0;
  virtual int DataSourceCount() = 0;
  // Writes the card to its file, keeping the file's date and time.
  virtual void Save() = 0;
  virtual std::string GetLanguage() = 0;
  virtual void PutLanguage(const std::string& language) = 0;
  virtual std::string GetPars() = 0;
  virtual void PutPars(const std::string& pars) = 0;
  virtual std::string GetMediumId() = 0;
  virtual std::string GetMediumPath() = 0;
  virtual std::string GetTitleDescr() = 0;
  virtual std::string GetTitleName() = 0;
};

}  // namespace cd

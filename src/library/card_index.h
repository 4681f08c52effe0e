// TCardIndex: the library cards of the card folder, read on first use and kept until they are
// unloaded; finds a card by name and switches a title's language.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "library/book_card.h"
#include "platform/book_card_intf.h"
#include "platform/events.h"

namespace cd {

class TCardIndex {
 public:
  // Creates the named, manual-reset event "1001", signalled.
  TCardIndex();
  ~TCardIndex();
  TCardIndex(const TCardIndex&) = delete;
  TCardIndex& operator=(const TCardIndex&) = delete;

  // Both load the index first.
  int Count();
  TBookCard& Items(int index);

  bool Loaded() const { return loaded_; }
  // True reads every card of the folder (a failure leaves the index empty and not loaded);
  // false frees the cards.
  void SetLoaded(bool loaded);

  // The first card of that name, without regard to letter case; fails with "TCardIndex.
  // GetBookCard: Cannot find BookCard - <name>".
  TBookCard& GetBookCard(const std::string& name);
  // The same card, shared: a card handed out stays alive when the index is unloaded.
  const std::shared_ptr<TBookCard>& FindBookCard(const std::string& name);

  // Makes newLanguage the language of the card named cardName. A card without a language
  // takes a two-character language as it is; otherwise the host switches when forced, when the
  // card has no language, or when the language last asked for differs. With signal, event
  // "1001" is reset for the switch and set again afterwards, also when it fails.
  void StartLanguage(void* argument, const std::string& newLanguage, const std::string& cardName,
                     bool force, bool signal);

  // The card files of folder, sorted by name: extensions beginning with a letter A to J, the
  // extension cut to four characters, and only names whose file exists.
  static std::vector<std::string> CardFileNames(const std::string& folder);

 private:
  void Load();

  std::vector<std::shared_ptr<TBookCard>> cards_;
  // Upper-cased card name -> position of the first card of that name.
  std::unordered_map<std::string, size_t> byName_;
  bool loaded_ = false;
  std::string discPath_;
  std::unique_ptr<os::NamedEvent> switching_;
};

// The process's card index, created on first request.
TCardIndex& GetCardIndex();

// The card of that name in the process's card index, as the context's card lookup hands it
// out.
std::shared_ptr<IBookCard> GetBookCardIntf(const std::string& name);

}  // namespace cd

// TCardIndex: loading the card folder, lookups by name and the language switch.
#include "library/card_index.h"

#include "base/exceptions.h"
#include "config/string_list.h"
#include "library/book_card_ref.h"
#include "library/library_hooks.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace cd {
namespace {

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return text;
}

bool IsCardExtension(const std::string& extension) {
  return !extension.empty() && ((extension[0] >= 'A' && extension[0] <= 'J') ||
                                (extension[0] >= 'a' && extension[0] <= 'j'));
}

}  // namespace

TCardIndex::TCardIndex() : switching_(os::NamedEvent::Create("1001", true, true)) {}

TCardIndex::~TCardIndex() = default;

int TCardIndex::Count() {
  SetLoaded(true);
  return static_cast<int>(cards_.size());
}

TBookCard& TCardIndex::Items(int index) {
  SetLoaded(true);
  if (index < 0 || index >= static_cast<int>(cards_.size()))
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return *cards_[static_cast<size_t>(index)];
}

void TCardIndex::SetLoaded(bool loaded) {
  if (loaded == loaded_) return;
  if (loaded) {
    Load();
  } else {
    cards_.clear();
    byName_.clear();
  }
  loaded_ = loaded;
}

std::vector<std::string> TCardIndex::CardFileNames(const std::string& folder) {
  TStringList names;
  names.SetSorted(true);
  for (const std::string& entry : os::ListDirectory(folder, "*")) {
    if (entry == "." || entry == "..") continue;
    const size_t dot = entry.rfind('.');
    if (dot == std::string::npos || !IsCardExtension(entry.substr(dot + 1))) continue;
    const std::string name = entry.substr(0, dot + 1) + entry.substr(dot + 1, 4);
    if (os::FileExists(folder + name)) names.Add(name);
  }
  std::vector<std::string> sorted;
  for (int i = 0; i < names.Count(); ++i) sorted.push_back(names.Strings(i));
  return sorted;
}

// Cards read before a failure are dropped, so that a later load does not hold them twice.
void TCardIndex::Load() {
  if (discPath_.empty() && OnCardIndexDiscPath()) discPath_ = OnCardIndexDiscPath()();
  const std::string folder = discPath_ + "VokMnger\\BookCard\\";
  try {
    for (const std::string& name : CardFileNames(folder)) {
      cards_.push_back(TBookCard::CreateFromFile(folder + name));
      byName_.emplace(UpperAscii(cards_.back()->Name()), cards_.size() - 1);
    }
  } catch (...) {
    cards_.clear();
    byName_.clear();
    throw;
  }
}

const std::shared_ptr<TBookCard>& TCardIndex::FindBookCard(const std::string& name) {
  SetLoaded(true);
  // The map answers at once; a card renamed since the load is found by the scan.
  auto hit = byName_.find(UpperAscii(name));
  if (hit != byName_.end() && SameText(cards_[hit->second]->Name(), name))
    return cards_[hit->second];
  for (const auto& card : cards_)
    if (SameText(card->Name(), name)) return card;
  throw Exception("TCardIndex.GetBookCard: Cannot find BookCard - " + name);
}

TBookCard& TCardIndex::GetBookCard(const std::string& name) {
  return *FindBookCard(name);
}

void TCardIndex::StartLanguage(void* argument, const std::string& newLanguage,
                               const std::string& cardName, bool force, bool signal) {
  TBookCard& card = GetBookCard(cardName);
  if (!force && card.Language().empty() && newLanguage.size() == 2) {
    card.SetLastLanguages(newLanguage);
    card.SetLanguage(newLanguage);
    card.Save();
    return;
  }
  if (!force && !card.Language().empty() && card.LastLanguages() == newLanguage) return;
  if (signal) switching_->Reset();
  try {
    if (!OnLanguageSwitch()) throw Exception("TCardIndex.StartLanguage");
    std::string language = card.Name();
    OnLanguageSwitch()(argument, card, newLanguage, language);
    card.SetLanguage(language);
    card.SetLastLanguages(newLanguage);
    card.Save();
  } catch (...) {
    if (signal) switching_->Set();
    throw;
  }
  if (signal) switching_->Set();
}

TCardIndex& GetCardIndex() {
  static TCardIndex index;
  return index;
}

std::shared_ptr<IBookCard> GetBookCardIntf(const std::string& name) {
  return std::make_shared<TBookCardRef>(GetCardIndex().FindBookCard(name));
}

}  // namespace cd

// Sections of named values with case-insensitive lookup.
#include "platform/sectioned_text.h"

#include <algorithm>

#include "platform/paths.h"

namespace cd::os {
namespace {

template <typename Entries>
auto FindEntry(Entries& entries, const std::string& name) {
  return std::find_if(entries.begin(), entries.end(),
                      [&name](const auto& e) { return SameTextAscii(e.name, name); });
}

}  // namespace

SectionedText::Section* SectionedText::FindSection(const std::string& section) {
  auto it = std::find_if(sections_.begin(), sections_.end(),
                         [&section](const Section& s) { return SameTextAscii(s.name, section); });
  return it == sections_.end() ? nullptr : &*it;
}

const SectionedText::Section* SectionedText::FindSection(const std::string& section) const {
  return const_cast<SectionedText*>(this)->FindSection(section);
}

std::optional<std::string> SectionedText::Get(const std::string& section,
                                              const std::string& name) const {
  const Section* found = FindSection(section);
  if (!found) return std::nullopt;
  auto entry = FindEntry(found->entries, name);
  if (entry == found->entries.end()) return std::nullopt;
  return entry->value;
}

void SectionedText::Set(const std::string& section, const std::string& name,
                        const std::string& value) {
  AddSection(section);
  Section* found = FindSection(section);
  auto entry = FindEntry(found->entries, name);
  if (entry == found->entries.end()) {
    found->entries.push_back({name, value});
  } else {
    entry->value = value;
  }
}

bool SectionedText::Remove(const std::string& section, const std::string& name) {
  Section* found = FindSection(section);
  if (!found) return false;
  auto entry = FindEntry(found->entries, name);
  if (entry == found->entries.end()) return false;
  found->entries.erase(entry);
  return true;
}

void SectionedText::AddSection(const std::string& section) {
  if (!FindSection(section)) sections_.push_back({section, {}});
}

bool SectionedText::HasSection(const std::string& section) const {
  return FindSection(section) != nullptr;
}

}  // namespace cd::os

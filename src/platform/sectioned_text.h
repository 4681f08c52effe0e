// Named values in named sections, kept in their order, found without regard to ASCII letter
// case: the model behind win.ini profile strings and the registry file of the POSIX layer.
// Portable; the two text forms live in ini_text.h and registry_text.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cd::os {

class SectionedText {
 public:
  struct Entry {
    std::string name;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  std::optional<std::string> Get(const std::string& section, const std::string& name) const;
  // Sets a value, adding the section and the entry at their ends when missing.
  void Set(const std::string& section, const std::string& name, const std::string& value);
  // Removes a value; false when there was none.
  bool Remove(const std::string& section, const std::string& name);
  // Adds the section when missing (a registry key without values).
  void AddSection(const std::string& section);
  bool HasSection(const std::string& section) const;
  const std::vector<Section>& Sections() const { return sections_; }

 private:
  Section* FindSection(const std::string& section);
  const Section* FindSection(const std::string& section) const;
  std::vector<Section> sections_;
};

}  // namespace cd::os

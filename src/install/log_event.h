// TLogEvent: one event of the install log (a decision, a copy, a message, the end of the run)
// as a name and named fields in the order they were added. The run reports events through
// LogEvent (install/hooks.h); the program's log writer gives them their time and form.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace cd {

class TLogEvent {
 public:
  enum class Kind { Text, Number, Flag };
  struct Field {
    std::string key;
    std::string value;  // a number or a flag ("true", "false") in its written form
    Kind kind;
  };

  explicit TLogEvent(std::string name) : name_(std::move(name)) {}

  TLogEvent& Str(std::string key, std::string value);
  TLogEvent& Int(std::string key, int64_t value);
  TLogEvent& Bool(std::string key, bool value);

  const std::string& Name() const { return name_; }
  const std::vector<Field>& Fields() const { return fields_; }
  // The value of the field key; empty when there is none.
  std::string Value(const std::string& key) const;

 private:
  std::string name_;
  std::vector<Field> fields_;
};

}  // namespace cd

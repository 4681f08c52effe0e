// Building log events.
#include "install/log_event.h"

namespace cd {

TLogEvent& TLogEvent::Str(std::string key, std::string value) {
  fields_.push_back({std::move(key), std::move(value), Kind::Text});
  return *this;
}

TLogEvent& TLogEvent::Int(std::string key, int64_t value) {
  fields_.push_back({std::move(key), std::to_string(value), Kind::Number});
  return *this;
}

TLogEvent& TLogEvent::Bool(std::string key, bool value) {
  fields_.push_back({std::move(key), value ? "true" : "false", Kind::Flag});
  return *this;
}

std::string TLogEvent::Value(const std::string& key) const {
  for (const Field& field : fields_)
    if (field.key == key) return field.value;
  return {};
}

}  // namespace cd

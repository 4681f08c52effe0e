// A list value of strings in the binary form.
#include "config/list_value.h"

#include "base/exceptions.h"
#include "config/binary_reader.h"
#include "config/binary_writer.h"

namespace cd {

std::vector<std::string> ReadStringListValue(TBinaryReader& r) {
  if (r.ReadValueType() != TValueType::vaList) throw EReadError("Invalid property value");
  std::vector<std::string> items;
  while (!r.EndOfList()) items.push_back(r.ReadString());
  return items;
}

void WriteStringListValue(TBinaryWriter& w, const std::vector<std::string>& items) {
  w.WriteListBegin();
  for (const std::string& s : items) w.WriteString(s);
  w.WriteListEnd();
}

}  // namespace cd

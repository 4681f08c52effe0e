// The switch that makes file items write their contents as embedded data; on only while a
// group file is being written, on the thread that writes it. The group may hand over its
// members' bytes made beforehand (packed on several threads), so that writing takes them
// instead of reading and packing each member again.
#pragma once

#include <map>
#include <string>

namespace cd {

class TComponent;

// The members' embedded bytes made before the group is written, by member.
using TPreparedData = std::map<const TComponent*, std::string>;

bool& WritingEmbeddedData();
// The prepared bytes of member, or nullptr when it has none.
const std::string* PreparedDataOf(const TComponent& member);

// Turns the switch on for its lifetime, and off again also on failure; prepared, when given,
// must outlive the scope.
class TEmbeddedDataScope {
 public:
  explicit TEmbeddedDataScope(const TPreparedData* prepared = nullptr);
  ~TEmbeddedDataScope();
  TEmbeddedDataScope(const TEmbeddedDataScope&) = delete;
  TEmbeddedDataScope& operator=(const TEmbeddedDataScope&) = delete;
};

}  // namespace cd

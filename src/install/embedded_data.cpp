// The switch for writing embedded data, one a thread: group files may be written on several
// threads at once.
#include "install/embedded_data.h"

namespace cd {
namespace {

thread_local const TPreparedData* preparedData = nullptr;

}  // namespace

bool& WritingEmbeddedData() {
  thread_local bool writing = false;
  return writing;
}

const std::string* PreparedDataOf(const TComponent& member) {
  if (!preparedData) return nullptr;
  const auto found = preparedData->find(&member);
  return found == preparedData->end() ? nullptr : &found->second;
}

TEmbeddedDataScope::TEmbeddedDataScope(const TPreparedData* prepared) {
  WritingEmbeddedData() = true;
  preparedData = prepared;
}

TEmbeddedDataScope::~TEmbeddedDataScope() {
  WritingEmbeddedData() = false;
  preparedData = nullptr;
}

}  // namespace cd

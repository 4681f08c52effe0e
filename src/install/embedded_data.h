// The switch that makes file items write their contents as embedded data; on only while a
// group file is being written, on the thread that writes it.
#pragma once

namespace cd {

bool& WritingEmbeddedData();

// Turns the switch on for its lifetime, and off again also on failure.
class TEmbeddedDataScope {
 public:
  TEmbeddedDataScope() { WritingEmbeddedData() = true; }
  ~TEmbeddedDataScope() { WritingEmbeddedData() = false; }
  TEmbeddedDataScope(const TEmbeddedDataScope&) = delete;
  TEmbeddedDataScope& operator=(const TEmbeddedDataScope&) = delete;
};

}  // namespace cd

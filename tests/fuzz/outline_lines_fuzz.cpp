// Hostile indented text lines loaded into an outline: text that loads must write lines that
// load back to the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/exceptions.h"
#include "outline/outline_lines.h"
#include "outline/outline_tree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  cd::TOutlineTree outline(nullptr);
  try {
    cd::LoadOutlineLines(outline, text);
  } catch (const cd::EOutlineError&) {
    return 0;
  }
  const std::string lines = cd::OutlineLines(outline);
  cd::TOutlineTree again(nullptr);
  cd::LoadOutlineLines(again, lines);
  if (cd::OutlineLines(again) != lines) std::abort();
  return 0;
}

// The switch for writing embedded data.
#include "install/embedded_data.h"

namespace cd {

bool& WritingEmbeddedData() {
  static bool writing = false;
  return writing;
}

}  // namespace cd

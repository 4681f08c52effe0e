// The switch for writing embedded data.
#include "install/embedded_data.h"

namespace cd {

// One switch a thread: group files may be written on several threads at once.
bool& WritingEmbeddedData() {
  thread_local bool writing = false;
  return writing;
}

}  // namespace cd

// Windows answers the component selection in its dialog window, never line by line.
#include "platform/views.h"

namespace cd::os {

std::unique_ptr<SelectionView> CreateSelectionView() {
  return nullptr;
}

}  // namespace cd::os

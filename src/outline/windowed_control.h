// IWindowedControl: a component that has a window of its own and shows other controls inside
// it (a form, a panel). Controls made with such an owner take it as their parent. It has no
// identity of its own: it is reached by a cast, never through QueryInterface.
#pragma once

namespace cd {

class IWindowedControl {
 protected:
  ~IWindowedControl() = default;
};

}  // namespace cd

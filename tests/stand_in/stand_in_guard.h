// StandInGuard: makes the stand-in player the course player ("pgt2.Pagenter") of this
// process while it lives. Windows: the COM server in its DLL, registered in the classes root
// and told its answers through the environment. POSIX: a local provider.
#pragma once

#include "stand_in/stand_in_setup.h"

namespace cd::test {

class StandInGuard {
 public:
  explicit StandInGuard(const StandInSetup& setup);
  ~StandInGuard();
  StandInGuard(const StandInGuard&) = delete;
  StandInGuard& operator=(const StandInGuard&) = delete;
};

}  // namespace cd::test

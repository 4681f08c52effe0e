// StandInPlayer: the tests' course player application: a ready flag set a few polls after
// the start, or the event "2002" set shortly after its creation.
#pragma once

#include <thread>

#include "platform/automation.h"
#include "stand_in/stand_in_setup.h"

namespace cd::test {

class StandInPlayer : public os::AutomationServer {
 public:
  explicit StandInPlayer(StandInSetup setup);
  ~StandInPlayer() override;
  StandInPlayer(const StandInPlayer&) = delete;
  StandInPlayer& operator=(const StandInPlayer&) = delete;

  bool Ready() override;
  void Start() override;
  void SetStartParameter(const std::string& parameter) override;
  bool HasReadySignal() override { return setup_.readySignal; }
  std::unique_ptr<os::LibraryManager> GetLibraryManager() override;

 private:
  StandInSetup setup_;
  bool started_ = false;
  int polls_ = 0;
  std::thread signaller_;
};

}  // namespace cd::test

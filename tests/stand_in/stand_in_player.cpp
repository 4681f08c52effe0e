// The stand-in player's application interface.
#include "stand_in/stand_in_player.h"

#include <chrono>

#include "platform/events.h"
#include "platform/files.h"
#include "stand_in/stand_in_library_manager.h"

namespace cd::test {

void Trace(const StandInSetup& setup, const std::string& line) {
  if (setup.trace.empty()) return;
  const std::string before = os::FileExists(setup.trace) ? os::ReadWholeFile(setup.trace) : "";
  os::WriteWholeFile(setup.trace, before + line + "\n");
}

// A player announcing itself by the event gets ready on a thread of its own, as a player
// process would, a little after it was made.
StandInPlayer::StandInPlayer(StandInSetup setup) : setup_(std::move(setup)) {
  Trace(setup_, "Create");
  if (setup_.readySignal) {
    std::shared_ptr<os::NamedEvent> ready = os::NamedEvent::Create("2002", true, false);
    ready->Reset();
    signaller_ = std::thread([ready] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      ready->Set();
    });
  }
}

StandInPlayer::~StandInPlayer() {
  if (signaller_.joinable()) signaller_.join();
}

bool StandInPlayer::Ready() {
  const bool ready = started_ && ++polls_ >= setup_.pollsUntilReady;
  if (ready) Trace(setup_, "Ready after " + std::to_string(polls_));
  return ready;
}

void StandInPlayer::Start() {
  Trace(setup_, "Start");
  started_ = true;
}

void StandInPlayer::SetStartParameter(const std::string& parameter) {
  Trace(setup_, "StartParameter " + parameter);
}

std::unique_ptr<os::LibraryManager> StandInPlayer::GetLibraryManager() {
  return std::make_unique<StandInLibraryManager>(setup_);
}

}  // namespace cd::test

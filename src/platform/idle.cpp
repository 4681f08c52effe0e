// The application's idle event: one handler for the process, raised by the message loops.
#include "platform/messages.h"

namespace cd::os {
namespace {

IdleHandler& Handler() {
  static IdleHandler handler;
  return handler;
}

}  // namespace

void SetIdleHandler(IdleHandler handler) {
  Handler() = std::move(handler);
}

bool RaiseIdle() {
  bool done = true;
  if (Handler()) Handler()(done);
  return done;
}

}  // namespace cd::os

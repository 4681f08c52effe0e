// The process-wide server path hook.
#include "config/server_path.h"

namespace cd {

TServerPathHook& OnServerPath() {
  static TServerPathHook hook;
  return hook;
}

std::string ServerPath() {
  const TServerPathHook& hook = OnServerPath();
  return hook ? hook() : std::string();
}

}  // namespace cd

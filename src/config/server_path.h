// Where relative data names are looked up: the root folder of the course data, as the course
// library context knows it.
//
// The context installs OnServerPath() once at start; the config layer only asks it, so that a
// file sourcer can expand a bound name without knowing the course library. The answer is put
// directly in front of a relative name, so it ends with a backslash. The hook may fail (the
// context raises when it cannot tell the folder); its failure passes on to whoever asked.
#pragma once

#include <functional>
#include <string>

namespace cd {

using TServerPathHook = std::function<std::string()>;

// The one process-wide slot; an empty function means "not set".
TServerPathHook& OnServerPath();

// The hook's answer; empty while no hook is set, so a relative name stays as it is.
std::string ServerPath();

}  // namespace cd

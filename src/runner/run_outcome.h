// How one run of a configuration ended, as the program reports it: done, cancelled by the
// user, or failed (the failure shown to the user).
#pragma once

#include <exception>
#include <functional>
#include <string>

#include "runner/runner.h"

namespace cd {

enum class TRunOutcome { Done, Cancelled, Failed };

// Runs configName with runner. A failure is shown through show and ends as Failed; so does a
// failure of the update that the progress window showed, and a silent abort that followed a
// message of the engine (a damaged group file, a file that could not be installed). A silent
// abort without one is the user's cancel.
TRunOutcome RunAndReport(TRunner& runner, const std::string& configName,
                         const std::function<void(const std::exception&)>& show);

}  // namespace cd

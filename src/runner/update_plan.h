// TUpdatePlan: what an update would do, read from a files manager after PrepareUpdate: every
// needed item with its action, target, bytes and reason, the totals and the program that
// would be started. The dry run shows it instead of running the update.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cd {

class TFilesManager;

struct TPlanStep {
  std::string action;  // copy, unpack, unpack group, group member, register, card merge...
  std::string item;    // the item's Path; empty for the network settings
  std::string target;
  int64_t bytes = 0;  // bytes on the medium
  std::string reason;
};

class TUpdatePlan {
 public:
  explicit TUpdatePlan(const TFilesManager& manager);

  const std::vector<TPlanStep>& Steps() const { return steps_; }
  int64_t TotalBytes() const { return totalBytes_; }
  // The command line that would be started; empty when nothing would be.
  const std::string& Program() const { return program_; }
  bool RestartNeeded() const { return restartNeeded_; }

  // The plan as lines for people, the totals and the program last.
  std::vector<std::string> Lines() const;
  // Reports every step, then the totals, as "plan" events of the install log.
  void Log() const;

 private:
  std::vector<TPlanStep> steps_;
  int64_t totalBytes_ = 0;
  std::string program_;
  bool restartNeeded_ = false;
};

}  // namespace cd

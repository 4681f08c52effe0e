// ISetupCallBack: how the files manager and its items report an update to the user (message
// lines, progress with totals, an activity step, the restart notice).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "install/setup_totals.h"

namespace cd {

// Codes of the progress callback besides a byte count of the current file.
inline constexpr int64_t kProgressFileDone = -1;  // a file is finished or the next one begins
inline constexpr int64_t kProgressCopyDone = -2;  // copying is over; programs are run next

// Progress report: Code as above, Size the file's size, Totals the record from GetTotals.
// Codes and sizes are 64-bit, as a file may pass 2 GB. The answer is always true; callers
// ignore it. An empty function is not called.
using TProgressProc = std::function<bool(int64_t code, int64_t size, TSetupTotals* totals)>;
// Shows that a long external installation is still running. An empty function is not called.
using TStepProc = std::function<void()>;

// The identity under which this interface is known to COM-style callers.
inline constexpr const char* kSetupCallBackIID = "{2463C1A0-4250-11D2-B708-006008BA0FAF}";

// Implemented by the runner's progress view. Texts are multilingual strings; the
// implementation translates them into the installation language. The files manager keeps a
// plain pointer: the implementation outlives every files manager it is given to.
class ISetupCallBack {
 public:
  virtual ~ISetupCallBack() = default;
  // The message line, then the file-name line.
  virtual void SetMessages(const std::string& msg, const std::string& fileName) = 0;
  virtual TProgressProc GetProgressProc() = 0;
  // The record to hand back to the progress callback.
  virtual TSetupTotals* GetTotals() = 0;
  virtual TStepProc GetStepProc() = 0;
  // The bar's maximum becomes max, then its minimum min.
  virtual void SetRange(int32_t min, int32_t max) = 0;
  // Tells the user that Windows must be restarted before appTitle can be used.
  virtual void ShowRestartMessage(const std::string& appTitle) = 0;
};

}  // namespace cd

// The setup callback of the install benchmarks: it counts the engine's reports as cheaply as a
// window that only stores the numbers.
#pragma once

#include <cstdint>
#include <string>

#include "install/setup_callback.h"

namespace cd::bench {

class CountingCallback : public ISetupCallBack {
 public:
  void SetMessages(const std::string&, const std::string&) override {}
  TProgressProc GetProgressProc() override {
    return [this](int64_t, int64_t, TSetupTotals*) { return ++reports > 0; };
  }
  TSetupTotals* GetTotals() override { return &totals; }
  TStepProc GetStepProc() override { return {}; }
  void SetRange(int32_t, int32_t) override {}
  void ShowRestartMessage(const std::string&) override {}

  TSetupTotals totals;
  int64_t reports = 0;
};

}  // namespace cd::bench

// The converter observer of cdbuild: a progress bar of the build's steps on standard error.
#pragma once

#include "runner/convert_filter.h"

namespace cd::build {

class ProgressBar : public IConvertObserver {
 public:
  // Counts the steps; the first one comes after the medium's files are chosen, when the
  // number of steps of the whole build is known.
  void Notify(TConvertFilter& filter) override;
  // Ends the bar's line when one was drawn.
  void Finish();

 private:
  void Draw() const;

  int done_ = 0;
  int total_ = 0;
};

}  // namespace cd::build

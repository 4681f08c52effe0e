// TConvertFilter: stored keys and the observer notification.
#include "runner/convert_filter.h"

namespace cd {

const TClassInfo& TConvertFilter::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TConvertFilter>("TConvertFilter", &TComponentList::StaticClass())
          .Str("Descr", &TConvertFilter::descr_)
          .Str("InputBasicPath", &TConvertFilter::inputBasicPath_)
          .Str("Disk", &TConvertFilter::disk_)
          .Str("OutputBasicPath", &TConvertFilter::outputBasicPath_)
          .Bool("Ignore", &TConvertFilter::ignore_)
          .Build();
  return info;
}

void TConvertFilter::Step() {
  if (observer_) observer_->Notify(*this);
}

void TConvertFilter::Execute() {
  for (int i = 0; i < ChildCount(); ++i) {
    auto* child = dynamic_cast<TConvertFilter*>(Child(i));
    if (!child || child->Ignore()) continue;
    child->BeforeExecute();
    child->SetObserver(observer_);
    child->Execute();
  }
}

}  // namespace cd

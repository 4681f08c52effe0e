// TConvertFilter: a node of a tree of converters (a parent converter runs its children in
// order) with the keys every converter has and the progress observer handed down to it.
#pragma once

#include <string>

#include "install/component_list.h"

namespace cd {

class TConvertFilter;

// Told once per unit of work of a converter.
class IConvertObserver {
 public:
  virtual void Notify(TConvertFilter& filter) = 0;

 protected:
  ~IConvertObserver() = default;
};

class TConvertFilter : public TComponentList {
 public:
  explicit TConvertFilter(TComponent* owner) : TComponentList(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Descr() const { return descr_; }
  void SetDescr(const std::string& v) { descr_ = v; }
  const std::string& InputBasicPath() const { return inputBasicPath_; }
  void SetInputBasicPath(const std::string& v) { inputBasicPath_ = v; }
  const std::string& Disk() const { return disk_; }
  void SetDisk(const std::string& v) { disk_ = v; }
  const std::string& OutputBasicPath() const { return outputBasicPath_; }
  void SetOutputBasicPath(const std::string& v) { outputBasicPath_ = v; }
  // A parent converter skips this one.
  bool Ignore() const { return ignore_; }
  void SetIgnore(bool v) { ignore_ = v; }

  // The observer handed down by the parent converter; not owned, may be nullptr.
  IConvertObserver* Observer() const { return observer_; }
  void SetObserver(IConvertObserver* v) { observer_ = v; }
  // One step of the work loop: notifies the observer once, when there is one.
  virtual void Step();

  // Called by the parent converter right before Execute; nothing by default.
  virtual void BeforeExecute() {}
  // Runs the child converters in order: each one not Ignored gets BeforeExecute, this
  // converter's observer, and Execute.
  virtual void Execute();

 private:
  std::string descr_;
  std::string inputBasicPath_;
  std::string disk_;
  std::string outputBasicPath_;
  bool ignore_ = false;
  IConvertObserver* observer_ = nullptr;
};

}  // namespace cd

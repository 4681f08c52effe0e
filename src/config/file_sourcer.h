// TFileSourcer: the stored sub-object that binds a component to a data file. The component
// stores only the file's name; the sourcer loads the file through the component's handler
// whenever the name is set, and reports a missing file as its style asks.
#pragma once

#include <functional>
#include <string>

#include "config/component.h"
#include "config/file_src_style.h"
#include "streams/stream.h"

namespace cd {

// Loads the component's data from stream, which is read from fileName; called with no stream
// and an empty name to clear the data.
using TFileLoadEvent = std::function<void(TStream* stream, const std::string& fileName)>;

class TFileSourcer : public TPersistent {
 public:
  // The owner stores the sourcer under its own key ("FileSourcer") and installs its handler.
  explicit TFileSourcer(TComponent* owner, TFileLoadEvent onLoad = nullptr);

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  TPersistent* GetOwner() const override { return owner_; }
  TComponent* Owner() const { return owner_; }

  void SetOnLoad(TFileLoadEvent onLoad) { onLoad_ = std::move(onLoad); }
  // Told after a file has been loaded, so that the owner's form can hear that its content
  // changed.
  void SetOnContentChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }
  // True while the handler loads a file.
  bool Loading() const { return loading_; }

  const std::string& FileName() const { return fileName_; }
  // Ignored while loading and when name equals the current one without regard to letter
  // case. While the owner is being read the name is only stored (Loaded loads it); otherwise
  // with fss_LoadFromFile the file is loaded and the name kept is AdjustFile's.
  void SetFileName(const std::string& name);

  // The name to keep after loading newName's file in place of oldName's: a name with a drive
  // is used as it is, any other is looked up under the server path. An empty name clears the
  // data. A missing file is handled by the style: fss_ErrClearData clears the data,
  // fss_ErrBlankFileName keeps no name (else oldName), fss_ErrShowException fails. Without a
  // handler nothing is loaded and the name kept is empty.
  std::string AdjustFile(const std::string& oldName, const std::string& newName);

  // Called by the owner once it has been read: with fss_LoadFromFile loads the stored name.
  void Loaded() override;
  // Called by the owner before it is written: with fss_ClearBeforeSave clears the data.
  void ClearBeforeSave();

  // The style every operation follows. No shared default styles and no design mode exist, so
  // it is always RuntimeStyle; the other style keys are only kept and written back.
  TFileSrcStyles EffectiveStyle() const { return runtimeStyle_; }

  // The stored keys. Their setters ignore new values while a file is loading, so that data
  // read by the handler cannot change how the sourcer goes on.
  bool UseDefaultRuntimeStyle() const { return useDefaultRuntimeStyle_; }
  void SetUseDefaultRuntimeStyle(bool v);
  bool UseDefaultDesignStyle() const { return useDefaultDesignStyle_; }
  void SetUseDefaultDesignStyle(bool v);
  const std::string& DefaultRuntimeStyleName() const { return defaultRuntimeStyleName_; }
  void SetDefaultRuntimeStyleName(const std::string& v);
  const std::string& DefaultDesignStyleName() const { return defaultDesignStyleName_; }
  void SetDefaultDesignStyleName(const std::string& v);
  TFileSrcStyles DesignStyle() const { return designStyle_; }
  void SetDesignStyle(TFileSrcStyles v);
  TFileSrcStyles RuntimeStyle() const { return runtimeStyle_; }
  void SetRuntimeStyle(TFileSrcStyles v);

 private:
  void ClearData();
  void LoadExisting(const std::string& fullName);

  TComponent* owner_;
  TFileLoadEvent onLoad_;
  std::function<void()> onChanged_;
  bool loading_ = false;
  std::string fileName_;
  bool useDefaultRuntimeStyle_ = true;
  bool useDefaultDesignStyle_ = false;
  std::string defaultRuntimeStyleName_;
  std::string defaultDesignStyleName_;
  TFileSrcStyles designStyle_ = SetBit(fss_LoadFromFile) | SetBit(fss_ErrShowException);
  TFileSrcStyles runtimeStyle_ = 0;
};

}  // namespace cd

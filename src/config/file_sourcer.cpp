// TFileSourcer: stored keys, expanding and loading the bound name, the missing-file styles.
#include "config/file_sourcer.h"

#include <optional>

#include "base/exceptions.h"
#include "config/server_path.h"
#include "platform/files.h"
#include "streams/file_stream.h"

namespace cd {

namespace {

// A name with a drive ("X:" and more) as it is; any other non-empty name under the server
// path.
std::string FullName(const std::string& name) {
  if (name.empty()) return name;
  if (name.size() > 2 && name[1] == ':') return name;
  return ServerPath() + name;
}

}  // namespace

const TClassInfo& TFileSourcer::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFileSourcer>("TFileSourcer", &TPersistent::StaticClass())
          .Bool("UseDefaultRuntimeStyle", &TFileSourcer::UseDefaultRuntimeStyle,
                &TFileSourcer::SetUseDefaultRuntimeStyle)
          .Bool("UseDefaultDesignStyle", &TFileSourcer::UseDefaultDesignStyle,
                &TFileSourcer::SetUseDefaultDesignStyle)
          .Str("DefaultRuntimeStyleName", &TFileSourcer::DefaultRuntimeStyleName,
               &TFileSourcer::SetDefaultRuntimeStyleName)
          .Str("DefaultDesignStyleName", &TFileSourcer::DefaultDesignStyleName,
               &TFileSourcer::SetDefaultDesignStyleName)
          // Written whatever its value: a new sourcer writes its creation value, and an
          // empty set is written too, so that it does not read back as the creation value.
          .Set("DesignStyle", &TFileSourcer::DesignStyle, &TFileSourcer::SetDesignStyle,
               FileSrcStyleType(), std::nullopt)
          .Set("RuntimeStyle", &TFileSourcer::RuntimeStyle, &TFileSourcer::SetRuntimeStyle,
               FileSrcStyleType())
          .Build();
  return info;
}

TFileSourcer::TFileSourcer(TComponent* owner, TFileLoadEvent onLoad)
    : owner_(owner), onLoad_(std::move(onLoad)) {}

void TFileSourcer::SetFileName(const std::string& name) {
  if (loading_ || SameText(name, fileName_)) return;
  if ((owner_ && owner_->IsReading()) || !InSet(EffectiveStyle(), fss_LoadFromFile)) {
    fileName_ = name;
    return;
  }
  fileName_ = AdjustFile(fileName_, name);
}

std::string TFileSourcer::AdjustFile(const std::string& oldName, const std::string& newName) {
  if (!onLoad_) return std::string();
  const std::string fullName = FullName(newName);
  if (fullName.empty()) {
    ClearData();
    return newName;
  }
  if (os::FileExists(fullName)) {
    LoadExisting(fullName);
    return newName;
  }
  const TFileSrcStyles style = EffectiveStyle();
  if (InSet(style, fss_ErrClearData)) ClearData();
  if (InSet(style, fss_ErrShowException))
    throw Exception("TFileSourcer.AdjustFile: File does not exist - " + fullName);
  return InSet(style, fss_ErrBlankFileName) ? std::string() : oldName;
}

void TFileSourcer::LoadExisting(const std::string& fullName) {
  TFileStream stream(fullName, os::OpenMode::Read, os::ShareMode::DenyNone);
  // A handler that fails must not leave the sourcer loading for good: every later name and
  // style would be ignored.
  struct LoadingScope {
    bool& flag;
    explicit LoadingScope(bool& f) : flag(f) { flag = true; }
    ~LoadingScope() { flag = false; }
  };
  {
    LoadingScope scope(loading_);
    onLoad_(&stream, fullName);
  }
  if (onChanged_) onChanged_();
}

void TFileSourcer::ClearData() {
  onLoad_(nullptr, std::string());
}

void TFileSourcer::Loaded() {
  if (InSet(EffectiveStyle(), fss_LoadFromFile)) fileName_ = AdjustFile(fileName_, fileName_);
}

void TFileSourcer::ClearBeforeSave() {
  if (onLoad_ && InSet(EffectiveStyle(), fss_ClearBeforeSave)) ClearData();
}

void TFileSourcer::SetUseDefaultRuntimeStyle(bool v) {
  if (!loading_) useDefaultRuntimeStyle_ = v;
}
void TFileSourcer::SetUseDefaultDesignStyle(bool v) {
  if (!loading_) useDefaultDesignStyle_ = v;
}
void TFileSourcer::SetDefaultRuntimeStyleName(const std::string& v) {
  if (!loading_) defaultRuntimeStyleName_ = v;
}
void TFileSourcer::SetDefaultDesignStyleName(const std::string& v) {
  if (!loading_) defaultDesignStyleName_ = v;
}
void TFileSourcer::SetDesignStyle(TFileSrcStyles v) {
  if (!loading_) designStyle_ = v;
}
void TFileSourcer::SetRuntimeStyle(TFileSrcStyles v) {
  if (!loading_) runtimeStyle_ = v;
}

}  // namespace cd

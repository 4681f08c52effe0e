// TRunDataInstance: one installable copy of a data set in one language setting, known
// everywhere by its Id; Id 5 is the player's own instance.
#pragma once

#include <cstdint>
#include <string>

#include "install/e_item.h"

namespace cd {

inline constexpr int32_t kPlayerInstanceId = 5;

class TRunDataInstance : public TEItem {
 public:
  explicit TRunDataInstance(TComponent* owner) : TEItem(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int32_t Id() const { return id_; }
  void SetId(int32_t v) { id_ = v; }
  const std::string& LangsTxt() const { return langsTxt_; }
  void SetLangsTxt(const std::string& v) { langsTxt_ = v; }
  // Empty means the viewer's Lang and Langs apply.
  const std::string& Lang() const { return lang_; }
  void SetLang(const std::string& v) { lang_ = v; }
  const std::string& Langs() const { return langs_; }
  void SetLangs(const std::string& v) { langs_ = v; }
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& v) { path_ = v; }

  bool IsPlayerInstance() const { return id_ == kPlayerInstanceId; }

 private:
  int32_t id_ = 0;
  std::string langsTxt_;
  std::string lang_;
  std::string langs_;
  std::string path_;
};

}  // namespace cd

// TDataSourceValue: where a library card's title data can be found, with a priority and a
// description; the kinds of place (a file path, a CD-ROM by volume label, a disc drive) derive
// from it.
#pragma once

#include <cstdint>
#include <string>

#include "config/persistent.h"

namespace cd {

class TDataSourceValue : public TPersistent {
 public:
  TDataSourceValue() = default;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int32_t Priority() const { return priority_; }
  void SetPriority(int32_t v) { priority_ = v; }
  const std::string& SourceDescr() const { return sourceDescr_; }
  void SetSourceDescr(const std::string& v) { sourceDescr_ = v; }
  const std::string& DataServer() const { return dataServer_; }
  void SetDataServer(const std::string& v) { dataServer_ = v; }

  // Same class and, by kind, the same Path, VolLab and Drive without regard to letter case;
  // Priority, SourceDescr and DataServer take no part. False when other is nullptr.
  virtual bool Equals(const TDataSourceValue* other) const;

 private:
  int32_t priority_ = 0;
  std::string sourceDescr_;
  std::string dataServer_;
};

}  // namespace cd

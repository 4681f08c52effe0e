// The data source values of a library card: where a title's data can be found (a file path,
// a CD-ROM by volume label, a disc drive), each with a priority and a description.
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

class TFileSourceValue : public TDataSourceValue {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Path() const { return path_; }
  void SetPath(const std::string& v) { path_ = v; }
  bool Equals(const TDataSourceValue* other) const override;

 private:
  std::string path_;
};

class TCDRomSourceValue : public TFileSourceValue {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Volume label of the CD-ROM.
  const std::string& VolLab() const { return volLab_; }
  void SetVolLab(const std::string& v) { volLab_ = v; }
  bool Equals(const TDataSourceValue* other) const override;

 private:
  std::string volLab_;
};

class TDiscSourceValue : public TFileSourceValue {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Drive() const { return drive_; }
  void SetDrive(const std::string& v) { drive_ = v; }
  bool Equals(const TDataSourceValue* other) const override;

 private:
  std::string drive_;
};

}  // namespace cd

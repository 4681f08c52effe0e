// TFileItem: one file of an installation: its relative name (source=destination), where it is
// installed, its size on the medium and its flags; the names derived from its path.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "install/e_item.h"
#include "install/file_flags.h"

namespace cd {

class TFilesManager;

class TFileItem : public TEItem {
 public:
  explicit TFileItem(TComponent* owner);
  // Creation with an owner and a Path in one step.
  TFileItem(TComponent* owner, const std::string& path);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Stored keys.
  // One relative name, or SourceName=DestName.
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& v) { path_ = v; }
  // Empty, "WinSystem", "BasicPrgPath" or a name of the files manager's Targets.
  const std::string& InstalTarget() const { return instalTarget_; }
  void SetInstalTarget(const std::string& v) { instalTarget_ = v; }
  // Size of the file on the medium (packed size when packed).
  int32_t DestSize() const { return destSize_; }
  void SetDestSize(int32_t v) { destSize_ = v; }
  TFileFlags Flags() const { return flags_; }
  void SetFlags(TFileFlags v) { flags_ = v; }
  bool HasFlag(TFileFlag flag) const { return HasFileFlag(flags_, flag); }

  // Run-time fields.
  // The file is out of date (at build time: chosen for the distribution).
  bool Needed() const { return needed_; }
  void SetNeeded(bool v) { needed_ = v; }
  // The files manager of a temporary group read from a group file; nullptr otherwise.
  TFilesManager* FilesManagerLink() const { return filesManagerLink_; }
  void SetFilesManagerLink(TFilesManager* v) { filesManagerLink_ = v; }

  // Path before its first "=" (all of Path without one).
  std::string SourceName() const;
  // Path after its first "=" (all of Path without one).
  std::string DestName() const;
  // Needed, or else IsNeeded of any member.
  bool IsNeeded() const;

 private:
  std::string path_;
  std::string instalTarget_;
  int32_t destSize_ = 0;
  TFileFlags flags_ = 0;

  bool needed_ = false;
  TFilesManager* filesManagerLink_ = nullptr;
};

// The name of a file as it lies on the medium: an extension exe, dll or bpl (letter case
// counts) gets "_" as its third character (lib\x.dll becomes lib\x.dl_); others unchanged.
std::string PackedName(std::string_view name);

}  // namespace cd

// A node that names the file items of the component it stands for (the selection nodes).
#pragma once

namespace cd {

class TStringList;

class IFileListCarrier {
 public:
  virtual const TStringList& FileList() const = 0;

 protected:
  ~IFileListCarrier() = default;
};

}  // namespace cd

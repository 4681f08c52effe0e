// Writes objects into the binary form: stored properties that differ from their declared
// defaults (sub-objects as qualified keys), extra values, then the children, recursively.
#pragma once

#include <string>
#include <string_view>

#include "config/binary_writer.h"

namespace cd {

class TComponent;
class TPersistent;
class TCollection;
struct TPropInfo;

class TObjectWriter {
 public:
  // Appends to out.
  explicit TObjectWriter(std::string& out) : w_(out) {}

  // The "TPF0" signature and the record of root with everything it reports as children.
  void WriteRoot(const TComponent& root);
  // The property records of object (no end marker), each key prefixed by prefix.
  void WriteProperties(const TPersistent& object, const std::string& prefix);

 private:
  void WriteComponent(const TComponent& component);
  void WriteProperty(const TPersistent& object, const TPropInfo& prop, const std::string& key);
  void WriteOrdinal(const TPersistent& object, const TPropInfo& prop, const std::string& key);
  void WriteCollection(const TCollection& collection);
  std::string ReferenceName(const TComponent& target) const;

  TBinaryWriter w_;
  const TComponent* root_ = nullptr;
  int depth_ = 0;
};

}  // namespace cd

// Builds objects from the binary form: creates each object by class name, sets its stored
// properties by kind, creates the nested objects under their owners, resolves references
// and sends the loaded notifications.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "config/binary_reader.h"
#include "config/component.h"

namespace cd {

class TCollection;

class TObjectReader {
 public:
  // binary holds one or more root objects, each preceded by the "TPF0" signature; it must
  // outlive the reader.
  explicit TObjectReader(std::string_view binary) : r_(binary) {}

  bool AtEnd() const { return r_.AtEnd(); }
  // Reads the next root object as a new object of the class it names; the caller owns it.
  std::unique_ptr<TComponent> ReadRoot();
  // Reads the next root object into instance: the class name is not compared, the name is
  // replaced by the one read (made unique among the global components with "_1", "_2"...).
  void ReadRootInto(TComponent& instance);

  // Nesting of objects and collections deeper than this is refused.
  static constexpr int kMaxDepth = 200;

 private:
  // One step from the component being read to the object holding a property: an object or
  // collection property, and for a collection the item index (-1 for the collection itself).
  struct PathStep {
    const TPropInfo* prop;
    int itemIndex;
  };
  // A reference to resolve once the whole root is read.
  struct Fixup {
    TComponent* component;
    std::vector<PathStep> path;
    const TPropInfo* prop;
    std::string name;
  };

  void ReadRootBody(TComponent& root);
  void ReadBody(TComponent& object);
  void ReadNested(TComponent& parent);
  TComponent* CreateChild(TComponent& parent, const std::string& className);
  void ResolveFixups();
  TComponent* FindNamed(std::string_view dottedName) const;

  void ReadProperty(TPersistent& instance);
  TPersistent& Descend(TPersistent& target, std::string_view part);
  void ReadValue(TPersistent& target, std::string_view name);
  void ReadPropValue(TPersistent& target, const TPropInfo& prop);
  int64_t ReadIntegerValue(const TPropInfo& prop);
  int64_t ReadSetValue(const TPropInfo& prop);
  void ReadCollection(TCollection& collection, const TPropInfo& prop);
  void ReadReference(TPersistent& target, const TPropInfo& prop);

  TBinaryReader r_;
  TComponent* root_ = nullptr;
  TComponent* pathRoot_ = nullptr;
  std::vector<PathStep> path_;
  std::vector<Fixup> fixups_;
  std::vector<TComponent*> loaded_;
  int depth_ = 0;
};

}  // namespace cd

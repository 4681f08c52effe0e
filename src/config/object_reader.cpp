// Object records of the binary form: roots, nested objects, references and the loaded
// notifications. Property values are read in object_reader_props.cpp.
#include "config/object_reader.h"

#include <algorithm>
#include <mutex>

#include "base/exceptions.h"
#include "config/class_registry.h"
#include "config/name_space.h"
#include "util/format.h"

namespace cd {

namespace {

constexpr uint8_t kInheritedFlag = 1;
constexpr uint8_t kPositionFlag = 2;

TComponent* CreateComponent(const TClassInfo& cls, TComponent* owner) {
  if (!cls.isComponent || !cls.create)
    throw EReadError(Format("Class %s cannot be created as a component", {cls.name}));
  return static_cast<TComponent*>(cls.create(owner));
}

// name, or name_1, name_2 ... so that no other global component has it.
std::string UniqueGlobalName(const TComponent& self, const std::string& name) {
  std::string candidate = name;
  for (int i = 1;; ++i) {
    TComponent* other = FindGlobalComponent(candidate);
    if (!other || other == &self) return candidate;
    candidate = Format("%s_%d", {name, i});
  }
}

}  // namespace

std::unique_ptr<TComponent> TObjectReader::ReadRoot() {
  std::lock_guard<std::recursive_mutex> guard(GlobalNameSpace());
  r_.ReadSignature();
  uint8_t flags = 0;
  int32_t position = 0;
  r_.ReadPrefix(flags, position);
  const std::string className = r_.ReadStr();
  const std::string name = r_.ReadStr();
  std::unique_ptr<TComponent> root(CreateComponent(FindClass(className), nullptr));
  root->SetName(name);
  ReadRootBody(*root);
  return root;
}

void TObjectReader::ReadRootInto(TComponent& instance) {
  std::lock_guard<std::recursive_mutex> guard(GlobalNameSpace());
  r_.ReadSignature();
  uint8_t flags = 0;
  int32_t position = 0;
  r_.ReadPrefix(flags, position);
  r_.ReadStr();  // the class named in the text is not compared with the instance's
  instance.SetName(UniqueGlobalName(instance, r_.ReadStr()));
  ReadRootBody(instance);
}

void TObjectReader::ReadRootBody(TComponent& root) {
  root_ = &root;
  fixups_.clear();
  loaded_.clear();
  depth_ = 0;
  ReadBody(root);
  ResolveFixups();
  // The root is told first, then each nested object after the objects nested in it.
  root.Loaded();
  for (TComponent* c : loaded_)
    if (c != &root) c->Loaded();
  loaded_.clear();
}

void TObjectReader::ReadBody(TComponent& object) {
  pathRoot_ = &object;
  path_.clear();
  while (!r_.EndOfList()) ReadProperty(object);
  while (!r_.EndOfList()) ReadNested(object);
}

void TObjectReader::ReadNested(TComponent& parent) {
  if (++depth_ > kMaxDepth) throw EReadError("Objects nested too deeply");
  uint8_t flags = 0;
  int32_t position = 0;
  r_.ReadPrefix(flags, position);
  const std::string className = r_.ReadStr();
  const std::string name = r_.ReadStr();
  const bool inherited = (flags & kInheritedFlag) != 0;
  TComponent* child = inherited ? root_->FindComponent(name) : CreateChild(parent, className);
  if (!child) throw EReadError(Format("Ancestor for '%s' not found", {name}));
  try {
    if (!inherited) {
      child->SetName(name);
      parent.ReadChild(child);
    }
    if (flags & kPositionFlag) parent.SetChildOrder(child, position);
    ReadBody(*child);
  } catch (...) {
    if (!inherited) delete child;  // leaves its owner's list as it goes
    throw;
  }
  if (!inherited || std::find(loaded_.begin(), loaded_.end(), child) == loaded_.end())
    loaded_.push_back(child);
  --depth_;
}

TComponent* TObjectReader::CreateChild(TComponent& parent, const std::string& className) {
  const TClassInfo* cls = root_->ClassType().FindFieldClass(className);
  if (!cls) cls = &FindClass(className);
  TComponent* owner = parent.GetChildOwner();
  return CreateComponent(*cls, owner ? owner : root_);
}

// A dotted name: the first part among the root's components (or the root itself, or a
// global component), each further part among the components of the one before.
TComponent* TObjectReader::FindNamed(std::string_view dottedName) const {
  TComponent* current = nullptr;
  size_t start = 0;
  while (start <= dottedName.size()) {
    const size_t dot = std::min(dottedName.find('.', start), dottedName.size());
    const std::string_view part = dottedName.substr(start, dot - start);
    if (!current) {
      current = root_->FindComponent(part);
      if (!current && SameText(part, root_->Name()) && !part.empty()) current = root_;
      if (!current) current = FindGlobalComponent(part);
    } else {
      current = current->FindComponent(part);
    }
    if (!current) return nullptr;
    start = dot + 1;
  }
  return current;
}

}  // namespace cd

// Reading a form's layout level by level.
#include "forms/form_layout.h"

#include <mutex>
#include <string>
#include <vector>

#include "config/component.h"
#include "config/name_space.h"
#include "config/object_reader.h"
#include "forms/form_hooks.h"
#include "forms/read_form_obj.h"
#include "streams/stream.h"

namespace cd {
namespace {

// The classes of form below TComponent, the most basic first.
std::vector<const TClassInfo*> ClassLevels(const TComponent& form) {
  std::vector<const TClassInfo*> levels;
  for (const TClassInfo* cls = &form.ClassType(); cls && cls != &TComponent::StaticClass();
       cls = cls->parent)
    levels.insert(levels.begin(), cls);
  return levels;
}

void ReadLevel(TComponent& form, std::string_view binary) {
  TObjectReader(binary).ReadRootInto(form);
}

// A level from stored form files: the active reader's own class reads the reader's stream;
// another level gets a reader of its own whose file the ancestor callback chooses.
bool ReadStoredLevel(TComponent& form, TReadFormObj& active, const TClassInfo& level) {
  if (SameText(level.name, active.GetClassName())) {
    ReadLevel(form, active.Stream().ReadRest());
    return true;
  }
  TReadFormObj levelReader;
  levelReader.SetOwner(active.Owner());
  levelReader.SetParentWindow(active.ParentWindow());
  levelReader.SetOnAncestor(active.OnAncestor());
  if (active.OnAncestor() && !active.FileName().empty())
    active.OnAncestor()(levelReader, level.name);
  if (!levelReader.HasStream()) return false;
  ReadLevel(form, levelReader.Stream().ReadRest());
  return true;
}

}  // namespace

bool ReadFormLayout(TComponent& form) {
  // One lock over all levels: the name space of objects being read stays this form's until
  // the last level is in.
  std::lock_guard<std::recursive_mutex> guard(GlobalNameSpace());
  TReadFormObj* active = TReadFormObj::Active();
  bool read = false;
  for (const TClassInfo* level : ClassLevels(form)) {
    if (active) {
      read |= ReadStoredLevel(form, *active, *level);
    } else if (std::optional<std::string_view> layout = FormResourceSource()(level->name)) {
      ReadLevel(form, *layout);
      read = true;
    }
  }
  return read;
}

}  // namespace cd

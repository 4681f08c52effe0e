// The runner's decisions that need no window.
#include "runner/run_rules.h"

#include "base/exceptions.h"
#include "config/name_kind.h"
#include "platform/paths.h"
#include "util/format.h"

namespace cd {

TConfigSource ClassifyConfigName(std::string_view name) {
  if (os::IsDrivePath(name)) return TConfigSource::Local;
  if (NameKind(name) == nk_WebDocument) return TConfigSource::Url;
  return TConfigSource::Invalid;
}

bool IsLocalConfig(const std::string& name) {
  switch (ClassifyConfigName(name)) {
    case TConfigSource::Local:
      return true;
    case TConfigSource::Url:
      return false;
    case TConfigSource::Invalid:
      break;
  }
  throw Exception(Format("TRunner.Local: Wrong Url (\"%s\")", {name}));
}

bool NeedsProgressWindow(bool installsComponents, bool local, int64_t total) {
  if (installsComponents) return true;
  return total > (local ? kLocalWindowThreshold : kUrlWindowThreshold);
}

std::string SetupTitle(const std::string& runTitle) {
  return Format("%s (Setup)", {runTitle});
}

std::string ResolveConfigName(const std::vector<std::string>& args,
                              const std::string& programFolder) {
  constexpr size_t kMaxConfigName = 255;
  std::string name = args.empty() ? programFolder + "run.cfg" : args.front();
  if (name.size() > kMaxConfigName) name.resize(kMaxConfigName);
  return name;
}

}  // namespace cd

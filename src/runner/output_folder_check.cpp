// The output folder of a build is emptied; this keeps a mistaken description from emptying a
// drive, the current folder or the folder of the sources.
#include "runner/output_folder_check.h"

#include <algorithm>
#include <vector>

#include "base/exceptions.h"
#include "platform/paths.h"
#include "util/format.h"

namespace cd {
namespace {

struct Folder {
  std::string anchor;              // "X:", "\\server\share", "\" or "" (relative)
  std::vector<std::string> names;  // below the anchor, "." and ".." resolved
  int climbs = 0;                  // ".." above the current folder of a relative name
};

bool OnlyDots(const std::string& part) {
  return part.find_first_not_of(". ") == std::string::npos;
}

Folder Resolve(const std::string& path) {
  Folder folder;
  std::vector<std::string> parts = os::SplitPathComponents(path);
  size_t first = 0;
  if (path.size() >= 2 && (path[0] == '\\' || path[0] == '/') &&
      (path[1] == '\\' || path[1] == '/')) {
    first = std::min<size_t>(2, parts.size());
    folder.anchor = "\\\\";
    for (size_t i = 0; i < first; ++i) folder.anchor += parts[i] + "\\";
  } else if (os::IsDrivePath(path)) {
    folder.anchor = path.substr(0, 2);
    if (!parts.empty()) parts[0] = parts[0].substr(2);
    if (parts.empty() || parts[0].empty()) first = 1;
  } else if (!path.empty() && (path[0] == '\\' || path[0] == '/')) {
    folder.anchor = "\\";
  }
  for (size_t i = first; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    if (!OnlyDots(part)) {
      folder.names.push_back(part);
    } else if (part == "..") {
      if (!folder.names.empty())
        folder.names.pop_back();
      else if (folder.anchor.empty())
        ++folder.climbs;
    }
  }
  return folder;
}

bool Holds(const Folder& outer, const Folder& inner) {
  if (!os::SameTextAscii(outer.anchor, inner.anchor) || outer.climbs != inner.climbs) return false;
  if (inner.names.size() < outer.names.size()) return false;
  for (size_t i = 0; i < outer.names.size(); ++i)
    if (!os::SameTextAscii(outer.names[i], inner.names[i])) return false;
  return true;
}

}  // namespace

void CheckOutputFolder(const std::string& dest, const std::string& source) {
  const Folder output = Resolve(dest);
  if (dest.empty() || output.names.empty())
    throw Exception(Format("TInstallManager.Execute: Unsafe DestPrgPath \"%s\"", {dest}));
  if (!source.empty() && Holds(output, Resolve(source)))
    throw Exception(
        Format("TInstallManager.Execute: Unsafe DestPrgPath \"%s\": it holds the "
               "SourcePrgPath \"%s\"",
               {dest, source}));
}

}  // namespace cd

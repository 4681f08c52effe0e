// Reading an installation description and finding its media.
#include "description.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "base/exceptions.h"
#include "config/config_io.h"
#include "install/component_list.h"
#include "media/cdrom_manager.h"
#include "media/run_cdrom.h"
#include "platform/drive_map.h"
#include "platform/paths.h"
#include "streams/virt_stream.h"

namespace cd::build {

namespace fs = std::filesystem;

std::string PrepareDrives(const std::string& description,
                          const std::vector<std::pair<char, std::string>>& maps) {
#ifdef _WIN32
  if (!maps.empty())
    throw Exception("--map is for POSIX hosts; on Windows drives are real (subst X: DIR maps one)");
#else
  for (const auto& [letter, folder] : maps) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
      throw Exception("--map " + std::string(1, letter) + "=" + folder + ": no such folder");
    os::MapDrive(letter, fs::absolute(folder).lexically_normal().string());
  }
#endif
  std::error_code ec;
  const fs::path host = fs::absolute(description, ec);
  if (ec || !fs::is_regular_file(host, ec))
    throw Exception("cannot find the description \"" + description + "\"");
  fs::current_path(host.parent_path(), ec);
  if (ec) throw Exception("cannot enter the folder of \"" + description + "\": " + ec.message());
  return os::WindowsPath(host.string());
}

std::unique_ptr<TInstallManager> ReadDescription(const std::string& windowsPath) {
  // The description is read whole: one past the limit is refused naming the file.
  std::unique_ptr<TVirtStream> stream = OpenVirtualFile(windowsPath, kLargestReadWhole);
  std::unique_ptr<TComponent> root = ReadObject(*stream);
  if (!dynamic_cast<TInstallManager*>(root.get()))
    throw Exception(windowsPath + ": the root object is a " + root->ClassName() +
                    ", not a TInstallManager");
  return std::unique_ptr<TInstallManager>(static_cast<TInstallManager*>(root.release()));
}

void CheckDrivesMapped(const TInstallManager& manager, const TRunCDRom& medium) {
  for (const std::string* path :
       {&manager.SourcePrgPath(), &manager.DestPrgPath(), &manager.ConfigFileName(),
        &medium.DestPrgPath(), &medium.ConfigFileName()}) {
    if (!os::IsDrivePath(*path) || !os::DriveHostFolder((*path)[0]).empty()) continue;
    throw Exception(
        "the drive of \"" + *path + "\" is not mapped (use --map " +
        std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>((*path)[0])))) +
        "=HOSTDIR)");
  }
}

std::vector<TRunCDRom*> MediaOf(TInstallManager& manager) {
  std::vector<TRunCDRom*> media;
  auto* list = dynamic_cast<TCDRomManager*>(GetObject(manager, "", &TCDRomManager::StaticClass()));
  if (!list) return media;
  for (int i = 0; i < list->ChildCount(); ++i)
    if (auto* medium = dynamic_cast<TRunCDRom*>(list->Child(i))) media.push_back(medium);
  return media;
}

namespace {

bool Names(const TRunCDRom& medium, const std::string& wanted) {
  return SameText(medium.MediumId(), wanted) || SameText(medium.Descr(), wanted) ||
         (!medium.Name().empty() && SameText(medium.Name(), wanted));
}

bool IsIndex(const std::string& text) {
  return !text.empty() && text.size() < 9 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

TRunCDRom* ChooseMedium(TInstallManager& manager, const std::string& wanted) {
  const std::vector<TRunCDRom*> media = MediaOf(manager);
  std::vector<TRunCDRom*> matches;
  std::copy_if(media.begin(), media.end(), std::back_inserter(matches),
               [&](TRunCDRom* m) { return Names(*m, wanted); });
  if (matches.size() == 1) return matches[0];
  if (matches.size() > 1)
    throw Exception("several media are named \"" + wanted + "\"; choose one by its index (--list)");
  if (IsIndex(wanted)) {
    const size_t index = std::stoul(wanted);
    if (index >= 1 && index <= media.size()) return media[index - 1];
  }
  throw Exception("the description has no medium \"" + wanted + "\" (" +
                  std::to_string(media.size()) + " media; see --list)");
}

}  // namespace cd::build

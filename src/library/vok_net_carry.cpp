// Carrying "VokNet.ini" from the network installation to the workstation.
#include "library/vok_net_carry.h"

#include "base/exceptions.h"
#include "config/config_io.h"
#include "library/vok_net_envir.h"
#include "platform/files.h"
#include "streams/memory_stream.h"
#include "util/format.h"
#include "util/whole_file.h"

namespace cd {

std::string NetEnvirFolder(const std::string& configName) {
  const size_t last = configName.rfind('\\');
  if (last == std::string::npos || last == 0) return {};
  const size_t second = configName.rfind('\\', last - 1);
  if (second == std::string::npos) return {};
  return configName.substr(0, second + 1);
}

bool CarryNetEnvir(const std::string& configName, const std::string& windowsVokDir) {
  const std::string folder = NetEnvirFolder(configName);
  const std::string source = Format("%sVokNet.ini", {folder});
  if (!os::FileExists(source)) return false;

  // Exactly one object, as the reader demands: an empty file holds none.
  TMemoryStream text(FileToString(source));
  std::unique_ptr<TComponent> object = ReadObject(text);
  auto* envir = dynamic_cast<TVokNetEnvir*>(object.get());
  if (!envir) throw EInvalidCast();

  // The configuration's own folder, and its name between the last two backslashes.
  const size_t last = configName.rfind('\\');
  const std::string configFolder = last == std::string::npos ? "" : configName.substr(0, last + 1);
  envir->SetNetDiskPath(configFolder);
  envir->SetNetVolLab(
      configFolder.empty()
          ? ""
          : configFolder.substr(folder.size(), configFolder.size() - folder.size() - 1));
  envir->SetNetUserDir(Format("%sUsers\\", {folder}));

  os::ForceDirectories(windowsVokDir);
  StringToFile(ObjectToString(envir), windowsVokDir + "VokNet.ini");
  return true;
}

}  // namespace cd

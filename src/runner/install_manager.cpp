// TInstallManager: stored keys, the host's hook, and building the run configuration, library
// cards, program files and sums of one medium from an installation description.
#include "runner/install_manager.h"

#include "base/exceptions.h"
#include "config/config_io.h"
#include "install/e_item.h"
#include "install/file_group.h"
#include "install/file_list_manager.h"
#include "install/files_manager.h"
#include "install/libman_info_value.h"
#include "library/book_card.h"
#include "media/instance_lookup.h"
#include "media/run_cdrom.h"
#include "media/run_data_instance.h"
#include "media/run_viewer.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "runner/medium_sums_writer.h"
#include "runner/output_folder_check.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"
#include "streams/replacing_file_stream.h"
#include "util/directories.h"
#include "util/format.h"
#include "util/whole_file.h"

namespace cd {
namespace {

constexpr size_t kLargestTextConfig = 4096;
constexpr const char* kCardGroupPath = "VokMnger\\Bookcard\\bookcard.grp";

// Writes the cards of the medium's instances and lists them as members of the card group.
void WriteCards(TInstallManager& manager, TRunCDRom& medium, TFileGroup& group) {
  for (int i = 0; i < medium.Instances().Count(); ++i) {
    manager.Step();
    std::string fileName;
    std::unique_ptr<TBookCard> card = medium.CreateBookCard(i, fileName);
    StringToFile(ObjectToString(card.get()), manager.SourcePrgPath() + fileName);
    const std::string entry = Format("%s=VokMnger\\Bookcard\\%s", {fileName, fileName});
    auto* member = new TLibmanInfoValue(&group, entry);
    member->SetNeeded(true);
    medium.Files().Add(entry);
  }
}

void WriteConfiguration(const TFilesManager& files, const std::string& configFileName) {
  const std::string text = ObjectToString(&files);
  const std::string folder = os::ExtractFilePath(configFileName);
  if (!folder.empty()) os::ForceDirectories(folder);
  if (text.size() <= kLargestTextConfig) {
    StringToFile(text, configFileName);
    return;
  }
  // Large configurations are packed straight from memory, into a new file that takes the
  // configuration's place only when complete (as the text form does).
  TMemoryStream source(text);
  TReplacingFileStream dest(configFileName);
  PackStream(source, dest);
  dest.Commit();
}

}  // namespace

TAdjustInstallerHook& OnAdjustInstaller() {
  static TAdjustInstallerHook hook;
  return hook;
}

const TClassInfo& TInstallManager::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TInstallManager>("TInstallManager", &TConvertFilter::StaticClass())
          .Str("SourcePrgPath", &TInstallManager::sourcePrgPath_)
          .Str("DestPrgPath", &TInstallManager::destPrgPath_)
          .Str("CDRomPrgSubPath", &TInstallManager::cdRomPrgSubPath_)
          .Str("ConfigFileName", &TInstallManager::configFileName_)
          .Build();
  return info;
}

void TInstallManager::BeforeExecute() {
  for (int i = 0; i < ChildCount(); ++i)
    if (auto* item = dynamic_cast<TEItem*>(Child(i))) item->CheckConsistence();
}

void TInstallManager::Execute() {
  if (!OnAdjustInstaller()) throw Exception("TInstallManager.Execute: Missing OnAdjustInstaller");
  OnAdjustInstaller()(*this);
  TRunCDRom* medium = CDRom();
  if (!medium) throw Exception("TInstallManager.Execute: OnAdjustInstaller chose no medium");
  auto* files = GetOrCreateObjectAs<TFilesManager>(*this);
  GetOrCreateObjectAs<TFileListManager>(*this);

  files->SetPrgSubpath(medium->PrgSubPath().empty() ? CDRomPrgSubPath() : medium->PrgSubPath());
  if (!medium->PrgPrefixPath().empty()) files->SetPrgPrefixPath(medium->PrgPrefixPath());
  if (!medium->DestPrgPath().empty()) SetDestPrgPath(medium->DestPrgPath());
  if (!medium->ConfigFileName().empty()) SetConfigFileName(medium->ConfigFileName());

  CheckOutputFolder(DestPrgPath(), SourcePrgPath());
  os::ForceDirectories(DestPrgPath());
  DeleteDirectoryContents(DestPrgPath(), jobs_);

  TStringList names;
  names.SetSorted(true);
  medium->ExpandFiles(names);
  files->KeepListed(names);
  Step();

  auto* group = new TFileGroup(files, kCardGroupPath);
  WriteCards(*this, *medium, *group);
  if (group->ChildCount() == 0) {
    delete group;
  } else {
    std::unique_ptr<TComponent> owned = files->RemoveComponent(group);
    files->InsertComponentAt(0, std::move(owned));
  }

  TViewerManager& viewers = ViewerManagerOf(*this);
  for (int32_t id : medium->Instances().Values()) {
    if (TRunDataInstance* instance = FindInstance(viewers, id))
      medium->RunData().SetOptions(medium->RunData().Options() | ViewerOf(DataOf(*instance)).Options());
  }
  files->RunData().Assign(medium->RunData());

  files->StoreAllFileInfo(jobs_);
  files->PackAll(jobs_);
  medium->AddViewerItems(files->Viewers());
  WriteConfiguration(*files, ConfigFileName());
  WriteMediumSums(*files, ConfigFileName(), jobs_);
}

}  // namespace cd

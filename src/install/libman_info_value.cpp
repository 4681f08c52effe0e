// TLibmanInfoValue: class metadata (no keys of its own) and the merge of a delivered library
// card with the one on the disk.
#include "install/libman_info_value.h"

#include "base/exceptions.h"
#include "config/config_io.h"
#include "install/decision_reasons.h"
#include "install/files_manager.h"
#include "install/hooks.h"
#include "install/log_event.h"
#include "library/book_card.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "util/file_properties.h"
#include "util/whole_file.h"

namespace cd {
namespace {

// The delivered card: the one object of the datum's data, read into a new card.
std::unique_ptr<TBookCard> ReadCard(TStream& stream) {
  auto card = std::make_unique<TBookCard>(nullptr);
  ReadObject(stream, *card);
  return card;
}

}  // namespace

const TClassInfo& TLibmanInfoValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TLibmanInfoValue>("TLibmanInfoValue", &TDatumValue::StaticClass()).Build();
  return info;
}

void TLibmanInfoValue::InstallData(TStream& stream) {
  const int64_t start = stream.Position();
  try {
    const std::string target = GetFileName(kFileTarget);
    std::unique_ptr<TBookCard> old;
    if (os::FileExists(target)) old = TBookCard::CreateFromFile(target);
    std::unique_ptr<TBookCard> delivered = ReadCard(stream);
    if (TFilesManager* manager = FilesManager()) {
      const std::string path = manager->Targets().Values(delivered->MediumId());
      if (!path.empty()) delivered->SetMediumId(path);
    }
    const int32_t date = GetFileDate(target);
    SetNeeded(OutOfDate(date));
    LogEvent(TLogEvent("card-merge")
                 .Str("item", Path())
                 .Str("target", target)
                 .Bool("written", Needed())
                 .Bool("existed", old != nullptr)
                 .Str("reason", DateReason(date, Time())));
    if (!Needed()) return;
    os::ForceDirectories(os::ExtractFilePath(target));
    if (old) {
      delivered->SetLanguage(old->Language());
      delivered->SetLastLanguages(old->LastLanguages());
      delivered->SetPars(old->Pars());
    }
    StringToFile(ObjectToString(delivered.get()), target);
    SetFileDate(target, Time());
  } catch (const Exception&) {
    stream.SetPosition(start);
    TDatumValue::InstallData(stream);
  }
}

}  // namespace cd

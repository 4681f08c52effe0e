// Stored keys and assignment of TFilesManagerRunData.
#include "install/files_manager_run_data.h"

namespace cd {

const TClassInfo& TFilesManagerRunData::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFilesManagerRunData>("TFilesManagerRunData", &TPersistent::StaticClass())
          .Str("InstallLang", &TFilesManagerRunData::installLang_)
          .Set("Options", &TFilesManagerRunData::options_, RunOptionType())
          .Str("AskPathName", &TFilesManagerRunData::askPathName_)
          .Str("AskPathNameDescr", &TFilesManagerRunData::askPathNameDescr_)
          .Str("DisplayVersion", &TFilesManagerRunData::displayVersion_)
          .Str("Publisher", &TFilesManagerRunData::publisher_)
          .Build();
  return info;
}

void TFilesManagerRunData::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TFilesManagerRunData*>(&source);
  if (!other) return TPersistent::Assign(source);
  installLang_ = other->installLang_;
  options_ = other->options_;
  askPathName_ = other->askPathName_;
  askPathNameDescr_ = other->askPathNameDescr_;
  displayVersion_ = other->displayVersion_;
  publisher_ = other->publisher_;
}

}  // namespace cd

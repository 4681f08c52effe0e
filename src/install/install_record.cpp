// TInstallRecord: stored keys, the lists it owns, and its file.
#include "install/install_record.h"

#include <exception>

#include "base/exceptions.h"
#include "config/config_io.h"
#include "install/recorded_file.h"
#include "install/recorded_registration.h"
#include "platform/files.h"
#include "platform/replace_file.h"
#include "streams/memory_stream.h"
#include "util/format.h"

namespace cd {
namespace {

constexpr const char* kRecordFile = "InstallRecord.otx";

}  // namespace

const TClassInfo& TInstallRecord::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TInstallRecord>("TInstallRecord", &TComponent::StaticClass())
          .Str("AppName", &TInstallRecord::appName_)
          .Str("Title", &TInstallRecord::title_)
          .Str("DisplayVersion", &TInstallRecord::displayVersion_)
          .Str("Publisher", &TInstallRecord::publisher_)
          .Str("Configuration", &TInstallRecord::configuration_)
          .Str("Destination", &TInstallRecord::destination_)
          .Object("Components", [](TInstallRecord& r) { return r.components_.get(); })
          .Collection("Files", [](TInstallRecord& r) { return r.files_.get(); })
          .Collection("Registrations", [](TInstallRecord& r) { return r.registrations_.get(); })
          .Object("Folders", [](TInstallRecord& r) { return r.folders_.get(); })
          .Object("Cards", [](TInstallRecord& r) { return r.cards_.get(); })
          .Str("Settings", &TInstallRecord::settings_)
          .Build();
  return info;
}

TInstallRecord::TInstallRecord(TComponent* owner)
    : TComponent(owner),
      components_(std::make_unique<TStringList>()),
      files_(MakeCollection<TRecordedFile>(this)),
      registrations_(MakeCollection<TRecordedRegistration>(this)),
      folders_(std::make_unique<TStringList>()),
      cards_(std::make_unique<TStringList>()) {}

TInstallRecord::~TInstallRecord() = default;

TRecordedFile& TInstallRecord::File(int index) const {
  return static_cast<TRecordedFile&>(*files_->Items(index));
}

TRecordedFile* TInstallRecord::FindFile(const std::string& name) const {
  for (int i = 0; i < FileCount(); ++i)
    if (SameText(File(i).Name(), name)) return &File(i);
  return nullptr;
}

TRecordedFile& TInstallRecord::AddFile(const std::string& name) {
  if (TRecordedFile* found = FindFile(name)) return *found;
  auto& added = static_cast<TRecordedFile&>(*files_->Add());
  added.SetName(name);
  return added;
}

TRecordedRegistration& TInstallRecord::Registration(int index) const {
  return static_cast<TRecordedRegistration&>(*registrations_->Items(index));
}

void TInstallRecord::AddRegistration(const std::string& name, bool library) {
  for (int i = 0; i < RegistrationCount(); ++i)
    if (SameText(Registration(i).Name(), name) && Registration(i).Library() == library) return;
  auto& added = static_cast<TRecordedRegistration&>(*registrations_->Add());
  added.SetName(name);
  added.SetLibrary(library);
}

std::string TInstallRecord::FileNameIn(const std::string& recordsFolder,
                                       const std::string& appName) {
  return recordsFolder + appName + "\\" + kRecordFile;
}

std::unique_ptr<TInstallRecord> TInstallRecord::Load(const std::string& fileName) {
  auto record = std::make_unique<TInstallRecord>(nullptr);
  try {
    TMemoryStream text(os::ReadWholeFile(fileName));
    ReadObject(text, *record);
  } catch (const std::exception& failure) {
    throw Exception(
        Format("Cannot read the install record \"%s\": %s", {fileName, failure.what()}));
  }
  return record;
}

void TInstallRecord::Save(const std::string& fileName) const {
  os::ForceDirectories(fileName.substr(0, fileName.find_last_of('\\') + 1));
  os::ReplaceFileAtomically(fileName, ObjectToString(this));
}

std::vector<std::string> RecordedApplications(const std::string& recordsFolder) {
  std::vector<std::string> names;
  for (const std::string& entry : os::ListDirectory(recordsFolder, "*"))
    if (os::FileExists(TInstallRecord::FileNameIn(recordsFolder, entry))) names.push_back(entry);
  return names;
}

}  // namespace cd

// TInstallRecord: what the runs of one application installed, kept as object text in its own
// folder under the Windows directory's "Vok\": the title, the configuration, the answers, every
// file written, every registration in order, the folders the runs created, and the card and
// settings that came from this application. A removal takes back exactly what it names.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "config/collection.h"
#include "config/component.h"
#include "config/string_list.h"

namespace cd {

class TRecordedFile;
class TRecordedRegistration;

class TInstallRecord : public TComponent {
 public:
  explicit TInstallRecord(TComponent* owner);
  ~TInstallRecord() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The application's name (its viewer entry's data name): the record's folder and the name
  // a removal is asked for.
  const std::string& AppName() const { return appName_; }
  void SetAppName(const std::string& v) { appName_ = v; }
  // The title in the installation language.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& v) { title_ = v; }
  // The version and the publisher (translated) for the uninstall entry; empty when the
  // configuration gives none.
  const std::string& DisplayVersion() const { return displayVersion_; }
  void SetDisplayVersion(const std::string& v) { displayVersion_ = v; }
  const std::string& Publisher() const { return publisher_; }
  void SetPublisher(const std::string& v) { publisher_ = v; }
  const std::string& Configuration() const { return configuration_; }
  void SetConfiguration(const std::string& v) { configuration_ = v; }
  // The answer to the destination question; empty when none was asked.
  const std::string& Destination() const { return destination_; }
  void SetDestination(const std::string& v) { destination_ = v; }
  // The network settings file this application carried, or empty.
  const std::string& Settings() const { return settings_; }
  void SetSettings(const std::string& v) { settings_ = v; }

  // The file lists of the components chosen.
  TStringList& Components() const { return *components_; }
  // Folders the runs created, parents before their children.
  TStringList& Folders() const { return *folders_; }
  // The library cards this application wrote where there was none (a card it merged into
  // stays when the application goes).
  TStringList& Cards() const { return *cards_; }

  int FileCount() const { return files_->Count(); }
  TRecordedFile& File(int index) const;
  // The file of that name (letter case ignored); nullptr when the record has none.
  TRecordedFile* FindFile(const std::string& name) const;
  // The file of that name, added when missing.
  TRecordedFile& AddFile(const std::string& name);

  int RegistrationCount() const { return registrations_->Count(); }
  TRecordedRegistration& Registration(int index) const;
  // Adds the registration unless the record has it already.
  void AddRegistration(const std::string& name, bool library);

  // The record file of an application in the folder for records (with its trailing "\").
  static std::string FileNameIn(const std::string& recordsFolder, const std::string& appName);
  // The record of that file; fails, naming the file, when it cannot be read or is no record.
  static std::unique_ptr<TInstallRecord> Load(const std::string& fileName);
  // Writes the record atomically: a reader sees the old record or the new one, never a part.
  void Save(const std::string& fileName) const;

 private:
  std::string appName_;
  std::string title_;
  std::string displayVersion_;
  std::string publisher_;
  std::string configuration_;
  std::string destination_;
  std::unique_ptr<TStringList> components_;
  std::unique_ptr<TCollection> files_;
  std::unique_ptr<TCollection> registrations_;
  std::unique_ptr<TStringList> folders_;
  std::unique_ptr<TStringList> cards_;
  std::string settings_;
};

// The names of the applications with a record in the folder for records, sorted.
std::vector<std::string> RecordedApplications(const std::string& recordsFolder);

}  // namespace cd

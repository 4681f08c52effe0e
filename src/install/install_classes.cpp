// The run item classes of the installation engine, registered by name.
#include "install/install_classes.h"

#include "config/class_registry.h"
#include "install/component_list.h"
#include "install/e_item.h"
#include "install/e_manager.h"
#include "install/file_group.h"
#include "install/file_list.h"
#include "install/file_list_manager.h"
#include "install/files_manager.h"
#include "install/install_record.h"
#include "install/libman_info_value.h"
#include "install/media_viewer_value.h"
#include "install/recorded_file.h"
#include "install/recorded_registration.h"
#include "install/registration_value.h"
#include "outline/outline_classes.h"

namespace cd {

void RegisterInstallClasses() {
  for (const TClassInfo* cls :
       {&TComponentList::StaticClass(), &TEItem::StaticClass(), &TEManager::StaticClass(),
        &TFilesManager::StaticClass(), &TFileListManager::StaticClass(), &TFileItem::StaticClass(),
        &TFileGroup::StaticClass(), &TDatumValue::StaticClass(), &TVersionValue::StaticClass(),
        &TRegistrationValue::StaticClass(), &TMediaViewerValue::StaticClass(),
        &TLibmanInfoValue::StaticClass(), &TFileList::StaticClass(), &TInstallRecord::StaticClass(),
        &TRecordedFile::StaticClass(), &TRecordedRegistration::StaticClass()})
    RegisterClass(*cls);
  // A configuration may carry a selection outline with its nodes.
  RegisterOutlineClasses();
}

}  // namespace cd

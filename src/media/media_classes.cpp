// The media and viewer run item classes, registered by name.
#include "media/media_classes.h"

#include "config/class_registry.h"
#include "media/cdrom_manager.h"
#include "media/run_cdrom.h"
#include "media/run_data.h"
#include "media/run_data_instance.h"
#include "media/run_viewer.h"
#include "media/viewer_manager.h"

namespace cd {

void RegisterMediaClasses() {
  for (const TClassInfo* cls :
       {&TViewerManager::StaticClass(), &TRunViewer::StaticClass(), &TRunData::StaticClass(),
        &TRunDataInstance::StaticClass(), &TCDRomManager::StaticClass(), &TRunCDRom::StaticClass()})
    RegisterClass(*cls);
}

}  // namespace cd

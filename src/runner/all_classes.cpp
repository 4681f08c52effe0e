// Registration of every subsystem's storable classes.
#include "runner/all_classes.h"

#include "config/config_classes.h"
#include "forms/forms_classes.h"
#include "install/install_classes.h"
#include "library/library_classes.h"
#include "media/media_classes.h"
#include "objmap/objmap_classes.h"
#include "outline/outline_classes.h"
#include "regions/region_classes.h"
#include "runner/runner_classes.h"

namespace cd {

void RegisterAllClasses() {
  RegisterConfigClasses();
  RegisterLibraryClasses();
  RegisterOutlineClasses();
  RegisterFormsClasses();
  RegisterInstallClasses();
  RegisterMediaClasses();
  RegisterObjMapClasses();
  RegisterRegionClasses();
  RegisterRunnerClasses();
}

}  // namespace cd

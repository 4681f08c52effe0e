// Registration of the object map's classes.
#include "objmap/objmap_classes.h"

#include "config/class_registry.h"
#include "objmap/om_frame.h"

namespace cd {

void RegisterObjMapClasses() {
  RegisterClass(TOMFrame::StaticClass());
}

}  // namespace cd

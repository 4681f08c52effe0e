// The course library classes that a text may name, registered by name.
#include "library/library_classes.h"

#include "config/class_registry.h"
#include "library/book_card.h"
#include "library/cdrom_source_value.h"
#include "library/disc_source_value.h"
#include "library/vok_net_envir.h"

namespace cd {

void RegisterLibraryClasses() {
  for (const TClassInfo* cls :
       {&TBookCard::StaticClass(), &TVokNetEnvir::StaticClass(), &TCDRomSourceValue::StaticClass(),
        &TDiscSourceValue::StaticClass()})
    RegisterClass(*cls);
}

}  // namespace cd

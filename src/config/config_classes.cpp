// The storable classes of the configuration subsystem.
#include "config/config_classes.h"

#include "config/class_registry.h"
#include "config/collection_ex.h"
#include "config/component.h"
#include "config/file_sourcer.h"
#include "config/idle_manager.h"
#include "config/integer_list.h"
#include "config/interfaced_collection_item.h"
#include "config/my_timer.h"
#include "config/string_list.h"

namespace cd {

void RegisterConfigClasses() {
  RegisterClass(TComponent::StaticClass());
  RegisterClass(TCollectionEx::StaticClass());
  RegisterClass(TInterfacedCollectionItem::StaticClass());
  RegisterClass(TStringList::StaticClass());
  RegisterClass(TIntegerList::StaticClass());
  RegisterClass(TMyTimer::StaticClass());
  RegisterClass(TFileSourcer::StaticClass());
  // The idle handlers of the course library's components are called from now on.
  TIdleManager::Process();
}

}  // namespace cd

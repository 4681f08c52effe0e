// The runner's classes, registered by name.
#include "runner/runner_classes.h"

#include "config/class_registry.h"
#include "runner/install_manager.h"

namespace cd {

void RegisterRunnerClasses() { RegisterClass(TInstallManager::StaticClass()); }

}  // namespace cd

// Registration of the installation engine's run item classes, so a configuration can name
// them. Called once by each program at start.
#pragma once

namespace cd {

void RegisterInstallClasses();

}  // namespace cd

// Registration of the runner's storable classes (the install manager). Called once by each
// program at start, after the registrations of the subsystems below it.
#pragma once

namespace cd {

void RegisterRunnerClasses();

}  // namespace cd

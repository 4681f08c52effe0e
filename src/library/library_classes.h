// Registration of the course library's storable classes (library card, network settings).
// Called once by each program at start.
#pragma once

namespace cd {

void RegisterLibraryClasses();

}  // namespace cd

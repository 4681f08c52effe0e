// Registration of the configuration subsystem's own storable classes; the program calls it
// once at start, with every other subsystem's registration.
#pragma once

namespace cd {

void RegisterConfigClasses();

}  // namespace cd

// The storable classes of the object map.
#pragma once

namespace cd {

void RegisterObjMapClasses();

}  // namespace cd

// The storable classes of the regions.
#pragma once

namespace cd {

void RegisterRegionClasses();

}  // namespace cd

// Registration of every storable class of the system, in dependency order; the programs call
// it once at start.
#pragma once

namespace cd {

void RegisterAllClasses();

}  // namespace cd

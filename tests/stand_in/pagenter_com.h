// The stand-in player as a COM object: IPlayerApp, IPagenter, ILibraryManager and, when its
// setup says so, IReadySignal, all on one object.
#pragma once

#include <unknwn.h>

#include "stand_in/stand_in_setup.h"

namespace cd::test {

// A new object with one reference that the caller owns.
IUnknown* NewStandInPagenter(const StandInSetup& setup);

}  // namespace cd::test

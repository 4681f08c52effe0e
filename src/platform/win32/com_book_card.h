// Library cards across COM: a card of ours handed out as a COM IBookCard object, and a COM
// IBookCard (the player's) used through the portable interface. Internal to the Win32 layer
// and the stand-in player of the tests.
#pragma once

#include <unknwn.h>

#include <memory>

#include "platform/book_card_intf.h"

namespace cd::os::win32 {

// A new COM object over card, with one reference that the caller owns.
IUnknown* NewComBookCard(std::shared_ptr<cd::IBookCard> card);

// The card behind a COM object, which must offer IBookCard (fails otherwise); nullptr for a
// null object. The wrapper holds its own reference.
std::shared_ptr<cd::IBookCard> WrapComBookCard(IUnknown* object);

}  // namespace cd::os::win32

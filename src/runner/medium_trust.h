// The trust in a medium before its configuration is read: its sums ("SHA256SUMS" beside the
// configuration), their signature when the publisher's key is known, and the configuration's
// own line.
#pragma once

#include <memory>
#include <string>

#include "streams/stream.h"

namespace cd {

class TMediumSums;

// The sums of the medium of configName (a drive path or a web address). Without a key:
// nullptr when the medium carries none (or they cannot be loaded from the web), and nothing
// is checked. With publicKeyPem: the sums must be there with a signature ("SHA256SUMS.sig")
// that the key verifies, otherwise the run is refused with a message naming the file.
std::shared_ptr<const TMediumSums> LoadMediumSums(const std::string& configName,
                                                  const std::string& publicKeyPem);

// The configuration's stream read whole and checked against its line of sums; fails with
// the damage message (or that of a missing line) naming configName.
std::unique_ptr<TStream> CheckedConfiguration(std::unique_ptr<TStream> stream,
                                              const TMediumSums& sums,
                                              const std::string& configName);

}  // namespace cd

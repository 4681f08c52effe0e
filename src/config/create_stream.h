// Opening a configuration or data name as a read stream, whether a file on a drive or a
// document on a web server.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "streams/stream.h"
#include "util/url_loader.h"

namespace cd {

// A readable stream positioned at the start of name: a drive path opens the file (each read
// reports to onProgress), a web address is loaded with its backslashes turned into forward
// slashes (the load reports to onProgress). Any other name fails with
// "FileSrc.CreateStream: Cannot create stream (\"%s\")"; failures of the file system or of
// the URL loading pass on unchanged.
std::unique_ptr<TStream> CreateStream(const std::string& name, intptr_t userValue,
                                      const TLoadProgressEvent& onProgress);

}  // namespace cd

// CreateStream: the kind of the name chooses a file stream or a URL stream.
#include "config/create_stream.h"

#include <algorithm>

#include "base/exceptions.h"
#include "config/name_kind.h"
#include "config/read_event_file_stream.h"
#include "config/url_stream.h"
#include "util/format.h"

namespace cd {

std::unique_ptr<TStream> CreateStream(const std::string& name, intptr_t userValue,
                                      const TLoadProgressEvent& onProgress) {
  switch (NameKind(name)) {
    case nk_LocalFile:
      return std::make_unique<TReadEventFileStream>(name, userValue, onProgress);
    case nk_WebDocument: {
      std::string url = name;
      std::replace(url.begin(), url.end(), '\\', '/');
      return std::make_unique<TUrlStream>(OpenUrlStream(url, userValue, onProgress));
    }
    case nk_Unusable:
      break;
  }
  throw Exception(Format("FileSrc.CreateStream: Cannot create stream (\"%s\")", {name}));
}

}  // namespace cd

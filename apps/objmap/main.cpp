// objmap: renders an object map (one TOMFrame tree in object text) as its HTML fragment, or
// as a page a browser shows.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "base/exceptions.h"
#include "config/config_io.h"
#include "objmap/obj_map_generator.h"
#include "objmap/objmap_classes.h"
#include "platform/files.h"
#include "platform/std_streams.h"

namespace cd::objmap {
namespace {

constexpr const char* kUsage =
    "Usage: objmap [--mode 0|1|2] [--set 1-5] [--page] FILE\n"
    "\n"
    "Prints the HTML fragment of the object map in FILE (one TOMFrame tree in object text;\n"
    "\"-\" reads standard input).\n"
    "  --mode N   0 standard (default), 1 coloured values, 2 plain text\n"
    "  --set N    the title, description and value templates: built-in set 1 (default) to 5\n"
    "  --page     wrap the fragment in an HTML page for a browser\n"
    "  --help     show this text\n";

struct TOptions {
  int mode = om_Standard;
  int set = 1;
  bool page = false;
  std::string file;
};

// The number after an option, within [low, high]; fails naming the option.
int NumberOption(const char* option, const char* text, int low, int high) {
  char* end = nullptr;
  const long value = text ? std::strtol(text, &end, 10) : 0;
  if (!text || *text == '\0' || *end != '\0' || value < low || value > high)
    throw Exception(std::string(option) + " needs a number from " + std::to_string(low) + " to " +
                    std::to_string(high) + (text ? ", not \"" + std::string(text) + "\"" : ""));
  return static_cast<int>(value);
}

TOptions ParseOptions(int argc, char** argv) {
  TOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--mode") {
      options.mode = NumberOption("--mode", i + 1 < argc ? argv[++i] : nullptr, 0, 2);
    } else if (arg == "--set") {
      options.set = NumberOption("--set", i + 1 < argc ? argv[++i] : nullptr, 1, 5);
    } else if (arg == "--page") {
      options.page = true;
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      throw Exception("unknown option \"" + arg + "\" (see objmap --help)");
    } else if (!options.file.empty()) {
      throw Exception("one FILE only (see objmap --help)");
    } else {
      options.file = arg;
    }
  }
  if (options.file.empty()) throw Exception("no FILE given (see objmap --help)");
  return options;
}

std::unique_ptr<TOMFrame> ReadMap(const std::string& file) {
  std::string text;
  if (file == "-") {
    text = os::ReadStandardInput();
  } else {
    if (!os::FileExists(file)) throw Exception(file + ": file not found");
    text = os::ReadWholeFile(file);
  }
  std::unique_ptr<TComponent> object;
  try {
    object = StringToObject(text);
  } catch (const std::exception& e) {
    throw Exception(file + ": " + e.what());
  }
  if (!object) throw Exception(file + ": the file holds no object");
  if (!dynamic_cast<TOMFrame*>(object.get()))
    throw Exception(file + ": the object is a " + object->ClassType().name +
                    ", not a TOMFrame tree");
  return std::unique_ptr<TOMFrame>(static_cast<TOMFrame*>(object.release()));
}

// The object text's strings are windows-1250, and so is the page. It has no document type:
// the fragment's unitless lengths ("padding-left: 20") are read as pixels only in the
// browsers' compatibility mode.
std::string Page(const TOMFrame& frame, const std::string& fragment) {
  const std::string title = frame.Descr().empty() ? frame.Name() : frame.Descr();
  return "<html>\r\n<head>\r\n<meta charset=\"windows-1250\">\r\n<title>" + title +
         "</title>\r\n</head>\r\n<body>\r\n" + fragment + "\r\n</body>\r\n</html>\r\n";
}

int Run(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
  }
  const TOptions options = ParseOptions(argc, argv);
  RegisterObjMapClasses();
  std::unique_ptr<TOMFrame> frame = ReadMap(options.file);
  TObjMapGeneratorPar params;
  params.templates = ObjMapTemplateSet(options.set);
  const std::string fragment = Generate(*frame, &params, options.mode);
  os::WriteStandardOutput(options.page ? Page(*frame, fragment) : fragment);
  return 0;
}

}  // namespace
}  // namespace cd::objmap

int main(int argc, char** argv) {
  try {
    return cd::objmap::Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "objmap: %s\n", e.what());
    return 1;
  }
}

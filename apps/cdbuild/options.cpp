// Parsing cdbuild's arguments.
#include "options.h"

#include <cctype>

#include "base/exceptions.h"
#include "util/parallel_each.h"

namespace cd::build {

const char* const kHelp =
    "Usage: cdbuild DESCRIPTION --list\n"
    "       cdbuild DESCRIPTION --medium NAME|INDEX [--map X=HOSTDIR]... [--sign KEY.pem]\n"
    "               [--jobs N]\n"
    "\n"
    "Builds the distribution medium of an installation description (object text whose root\n"
    "is a TInstallManager): checks the whole description, empties the output folder, puts\n"
    "the medium's files onto it (packed where the description asks for it), writes one\n"
    "library card per data instance, the medium's run configuration and, beside it,\n"
    "SHA256SUMS: the SHA-256 of every file of the medium, as sha256sum -c checks them.\n"
    "\n"
    "  --list             list the media of the description: index, MediumId, Descr\n"
    "  --medium NAME      build the medium whose MediumId, Descr or name is NAME (letter\n"
    "                     case ignored), or the one at INDEX (1 is the first) of --list\n"
    "  --map X=HOSTDIR    drive X: of the description's paths is the host folder HOSTDIR\n"
    "                     (POSIX only; repeatable; on Windows drives are real)\n"
    "  --sign KEY.pem     also write SHA256SUMS.sig, the signature of SHA256SUMS by the\n"
    "                     private key (PEM, ECDSA P-256), as openssl dgst -sha256 -sign\n"
    "                     writes it; cdrun given the public key checks it\n"
    "  --jobs N           pack the files on N threads at once (default: one per core); the\n"
    "                     medium is the same whatever N is\n"
    "  --help             show this text\n"
    "\n"
    "The folder of the description becomes the current folder, so relative paths of the\n"
    "description (SourcePrgPath, DestPrgPath, ConfigFileName) are relative to it. On POSIX\n"
    "that folder is also given a drive letter. Progress is drawn on standard error, the\n"
    "summary goes to standard output. Exit status: 0 built or listed, 1 the build failed\n"
    "(the message is on standard error), 2 wrong arguments.\n";

namespace {

std::pair<char, std::string> ParseMap(const std::string& value) {
  if (value.size() < 3 || !std::isalpha(static_cast<unsigned char>(value[0])) || value[1] != '=')
    throw Exception("--map needs X=HOSTDIR, a drive letter and a folder, not \"" + value + "\"");
  return {static_cast<char>(std::toupper(static_cast<unsigned char>(value[0]))), value.substr(2)};
}

unsigned ParseJobs(const std::string& value) {
  unsigned jobs = 0;
  for (char c : value) {
    if (!std::isdigit(static_cast<unsigned char>(c)) || jobs > 1000)
      throw Exception("--jobs needs a number of threads from 1 to 1000, not \"" + value + "\"");
    jobs = jobs * 10 + static_cast<unsigned>(c - '0');
  }
  if (jobs < 1 || jobs > 1000)
    throw Exception("--jobs needs a number of threads from 1 to 1000, not \"" + value + "\"");
  return jobs;
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args) {
  Options options;
  bool haveMedium = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw Exception(arg + " needs a value");
      return args[++i];
    };
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--list") {
      options.list = true;
    } else if (arg == "--medium") {
      options.medium = value();
      haveMedium = true;
    } else if (arg == "--sign") {
      options.signingKey = value();
    } else if (arg == "--jobs") {
      options.jobs = ParseJobs(value());
    } else if (arg == "--map") {
      options.maps.push_back(ParseMap(value()));
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw Exception("unknown option " + arg);
    } else if (options.description.empty()) {
      options.description = arg;
    } else {
      throw Exception("more than one description given: " + arg);
    }
  }
  if (options.jobs == 0) options.jobs = DefaultJobs();
  if (options.help) return options;
  if (options.description.empty()) throw Exception("no description given");
  if (options.list == haveMedium) throw Exception("give either --list or --medium NAME|INDEX");
  if (options.list && !options.signingKey.empty()) throw Exception("--sign needs --medium");
  return options;
}

}  // namespace cd::build

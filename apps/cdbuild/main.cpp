// cdbuild: builds the distribution medium of an installation description (and signs its
// sums), or lists its media.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "description.h"
#include "media/run_cdrom.h"
#include "options.h"
#include "platform/signature.h"
#include "progress_bar.h"
#include "runner/all_classes.h"
#include "runner/medium_sums_writer.h"
#include "summary.h"
#include "util/medium_sums.h"
#include "util/whole_file.h"

namespace {

using namespace cd;

void ListMedia(TInstallManager& manager) {
  int index = 0;
  for (TRunCDRom* medium : build::MediaOf(manager))
    std::printf("%d\t%s\t%s\n", ++index, medium->MediumId().c_str(), medium->Descr().c_str());
}

// Runs the description as the child of a converter, the way the framework runs converters:
// the whole description is checked (BeforeExecute) before the medium is built.
void BuildMedium(std::unique_ptr<TInstallManager> description, const build::Options& options,
                 const std::string& signingKey) {
  TRunCDRom* medium = build::ChooseMedium(*description, options.medium);
  description->SetJobs(options.jobs);
  if (description->Ignore()) throw Exception("the description is marked Ignore; nothing to build");
  build::CheckDrivesMapped(*description, *medium);
  OnAdjustInstaller() = [medium](TInstallManager& manager) { manager.SetCDRom(medium); };
  TInstallManager& manager = *description;
  TConvertFilter host(nullptr);
  host.InsertComponent(std::move(description));
  build::ProgressBar bar;
  host.SetObserver(&bar);
  try {
    host.Execute();
  } catch (...) {
    bar.Finish();
    throw;
  }
  bar.Finish();
  if (!signingKey.empty()) SignMediumSums(manager.ConfigFileName(), signingKey);
  std::fputs(build::SummaryText(manager, build::Summarize(manager)).c_str(), stdout);
}

// The PEM text of the private key, checked by signing a test text with it.
std::string ReadSigningKey(const std::string& file) {
  try {
    std::string pem = FileToString(file);
    os::SignData(pem, kSumsFileName);
    return pem;
  } catch (const Exception& failure) {
    throw Exception("the signing key \"" + file + "\" cannot be used: " + failure.Message());
  }
}

}  // namespace

int main(int argc, char** argv) {
  build::Options options;
  try {
    options = build::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "cdbuild: %s (see cdbuild --help)\n", failure.what());
    return 2;
  }
  if (options.help) {
    std::fputs(build::kHelp, stdout);
    return 0;
  }
  try {
    RegisterAllClasses();
    // The key is read first (relative to the folder cdbuild was started in), so that a wrong
    // key leaves the output as it was.
    const std::string signingKey =
        options.signingKey.empty() ? std::string() : ReadSigningKey(options.signingKey);
    const std::string path = build::PrepareDrives(options.description, options.maps);
    std::unique_ptr<TInstallManager> description = build::ReadDescription(path);
    if (options.list)
      ListMedia(*description);
    else
      BuildMedium(std::move(description), options, signingKey);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "cdbuild: %s\n", failure.what());
    return 1;
  }
  return 0;
}

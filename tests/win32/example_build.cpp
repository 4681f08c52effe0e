// Building the example medium for the program tests.
#include "example_build.h"

#include "program_run.h"

namespace cd::test {

DWORD BuildExampleMedium(const std::filesystem::path& folder) {
  const std::filesystem::path sources = folder / "example-src";
  std::filesystem::copy(ProgramPath(CD_EXAMPLE_SRC), sources,
                        std::filesystem::copy_options::recursive);
  const std::filesystem::path description = sources / "install.otx";
  return RunAndWaitFor(
      "\"" + ProgramPath(CDBUILD_EXE) + "\" \"" + description.string() + "\" --medium CDRUN_DEMO",
      120);
}

}  // namespace cd::test

// The help texts of cdrun.
#include "usage.h"

namespace cd {
namespace {

constexpr const char* kWindowsUsage =
    "Usage: cdrun [CONFIGURATION] [switches]\n"
    "\n"
    "CONFIGURATION  a drive path (C:\\cd\\run.cfg) or an http:// address; default: run.cfg\n"
    "               beside the program.\n"
    "\n"
    "/SILENT           no questions; only the progress window is shown\n"
    "/VERYSILENT       nothing is shown at all\n"
    "/APP=N|NAME       the application to start: its number in the choice (from 1) or its name\n"
    "/DIR=PATH         the answer to the destination question\n"
    "/COMPONENTS=A,B   the components to install (paths of node texts joined with \\)\n"
    "/LOG=FILE         write the install log to FILE\n"
    "/LOGFORMAT=json   the install log as JSON lines (default: text)\n"
    "/DRYRUN           show what the update would do; change nothing\n"
    "/NORESTART        never announce a restart (exit code 3 instead)\n"
    "/UNINSTALL=NAME   remove the installed application NAME as its install record says;\n"
    "                  with /DRYRUN only list the steps; /UNINSTALL alone lists them all\n"
    "/PUBKEY=FILE      the publisher's public key (PEM, ECDSA P-256): the medium must carry\n"
    "                  SHA256SUMS signed with it; replaces a key built into the program\n"
    "/VERSION          the version and the fingerprint of the built-in key\n"
    "/HELP, /?         this help\n"
    "The same switches are read as --silent, --very-silent, --app=, --dir=, --components=,\n"
    "--log=, --log-format=, --dry-run, --no-restart, --uninstall=, --pubkey=, --version and\n"
    "--help.\n"
    "\n"
    "Exit codes of silent and dry runs: 0 done, 1 failed, 2 cancelled, 3 done and Windows\n"
    "must restart. An interactive run ends with 0.\n";

constexpr const char* kPosixUsage =
    "Usage: cdrun [CONFIGURATION] [switches]\n"
    "\n"
    "Runs a CD-ROM run configuration: lets you choose the course application, brings the\n"
    "installed files up to date and starts the chosen viewer.\n"
    "\n"
    "CONFIGURATION  a drive path (C:\\cd\\run.cfg), an http:// or https:// address, or a host\n"
    "               path whose folder is mounted as a drive; default: run.cfg beside the\n"
    "               program.\n"
    "\n"
    "--silent            no questions; only the progress is shown\n"
    "--very-silent       nothing is shown; messages still go to standard error\n"
    "--app=N|NAME        the application to start: its number in the choice (from 1) or its\n"
    "                    name\n"
    "--dir=PATH          the answer to the destination question (c:\\dir)\n"
    "--components=A,B    the components to install (paths of node texts joined with \\)\n"
    "--log=FILE          write the install log to FILE (a host path)\n"
    "--log-format=json   the install log as JSON lines (default: text)\n"
    "--dry-run           show what the update would do; change nothing\n"
    "--no-restart        never announce a restart (exit status 3 instead)\n"
    "--uninstall=NAME    remove the installed application NAME as its install record says\n"
    "                    (files changed since are kept); with --dry-run only list the\n"
    "                    steps; --uninstall alone lists the recorded applications\n"
    "--pubkey=FILE       the publisher's public key (PEM, ECDSA P-256): the medium must carry\n"
    "                    SHA256SUMS signed with it (SHA256SUMS.sig), or it is not run;\n"
    "                    replaces a key built into the program. Without any key, the sums\n"
    "                    of a medium that has them are checked, its signature is not.\n"
    "--version           the version and the fingerprint of the built-in key\n"
    "--help, -h          this help\n"
    "\n"
    "Drives: the drive map lives in $CDRUN_ROOT (default ~/.cdrun); C: is <root>/drive_c.\n"
    "\n"
    "Questions are asked on the terminal. When standard input is not a terminal, the answers\n"
    "are read from it line by line:\n"
    "  application choice   a number, an empty line for the preselected entry, q to cancel\n"
    "  destination          a folder on a drive (c:\\dir), an empty line to keep the one shown\n"
    "Progress goes to standard output (a line every few percent when it is not a terminal),\n"
    "messages and failures to standard error.\n"
    "\n"
    "Exit status: 0 done (or another start-up program is showing its window), 1 the run\n"
    "failed (the message is on standard error), 2 the user cancelled (also after SIGINT or\n"
    "SIGTERM, which remove the unfinished copy; the installed file stays as it was), 3 done\n"
    "and Windows must restart (the media player was installed).\n";

}  // namespace

std::string UsageText(bool windowsStyle) {
  return windowsStyle ? kWindowsUsage : kPosixUsage;
}

}  // namespace cd

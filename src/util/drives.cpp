// Drive queries over the platform's drive functions.
#include "util/drives.h"

#include <cctype>

#include "platform/drives.h"

namespace cd {
namespace {

std::string Root(char letter) {
  return std::string(1, letter) + ":\\";
}

}  // namespace

bool IsCDRomDrive(char letter) {
  return os::DriveTypeOf(Root(letter)) == os::DriveType::CDRom;
}

std::string GetVolumeLabel(char letter) {
  std::string label = os::VolumeLabelOf(Root(letter)).value_or("");
  const bool lower = static_cast<unsigned char>(letter) >= 'a';
  for (char& c : label) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) c = static_cast<char>(lower ? std::tolower(u) : std::toupper(u));
  }
  return label;
}

}  // namespace cd

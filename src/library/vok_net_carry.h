// Carries the network installation settings ("VokNet.ini") from beside the network
// installation to the workstation, filling in where the installation lies.
#pragma once

#include <string>

namespace cd {

// With a "VokNet.ini" in the folder above the configuration's folder: reads it, fills
// NetDiskPath, NetVolLab and NetUserDir, and writes it to windowsVokDir + "VokNet.ini".
// Returns whether a settings file was found.
bool CarryNetEnvir(const std::string& configName, const std::string& windowsVokDir);

// The folder above the configuration's folder: the prefix up to and including the second
// backslash from the end; empty when the name has fewer than two backslashes.
std::string NetEnvirFolder(const std::string& configName);

}  // namespace cd

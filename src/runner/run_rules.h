// The runner's decisions that need no window: where the configuration comes from, whether the
// update shows the progress window, the application title and the configuration name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cd {

// A configuration name is a drive path ("X:..."), an "http://" address (any letter case) or
// neither.
enum class TConfigSource { Local, Url, Invalid };
TConfigSource ClassifyConfigName(std::string_view name);

// Local(): true for a drive path, false for a URL; anything else fails with
// "TRunner.Local: Wrong Url (\"<name>\")".
bool IsLocalConfig(const std::string& name);

// Bytes above which an update shows the progress window: from a local medium, from the web.
inline constexpr int32_t kLocalWindowThreshold = 500000;
inline constexpr int32_t kUrlWindowThreshold = 5000;

// installsComponents: the run options ask for DirectX or the media player.
bool NeedsProgressWindow(bool installsComponents, bool local, int64_t total);

// "<runTitle> (Setup)".
std::string SetupTitle(const std::string& runTitle);

// The first argument when there is one, otherwise programFolder (with its trailing "\")
// followed by "run.cfg"; cut to 255 characters.
std::string ResolveConfigName(const std::vector<std::string>& args,
                              const std::string& programFolder);

}  // namespace cd

// The runner's own multilingual texts, translated into the installation language when shown.
#pragma once

namespace cd {

inline constexpr const char* kUpdatingFilesText =
    "\"CZ=Aktualizuji soubory ...\",\"EN=Updating files ...\"";
inline constexpr const char* kRunProgramText =
    "\"CZ=Spou\x9At\xEDm program...\",\"EN=Run program...\"";
inline constexpr const char* kTotalText = "\"CZ=Celkem\",\"EN=Total\"";
inline constexpr const char* kCopiedText = "\"CZ=Zkop\xEDrov\xE1no\",\"EN=Copied\"";
inline constexpr const char* kRestartText =
    "\"CZ=Microsoft MediaPlayer byl pr\xE1v\xEC nainstalov\xE1n. P\xF8"
    "ed spu\x9At\xECn\xEDm '%s' je "
    "nezbytn\xE9 restartovat Windows.\",\"EN=Microsoft MediaPlayer was just installed. Before "
    "using '%s', please restart Windows.\"";

}  // namespace cd

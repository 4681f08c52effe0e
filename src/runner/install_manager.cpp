// TInstallManager: stored keys and the host's hook.
#include "runner/install_manager.h"

namespace cd {

TAdjustInstallerHook& OnAdjustInstaller() {
  static TAdjustInstallerHook hook;
  return hook;
}

const TClassInfo& TInstallManager::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TInstallManager>("TInstallManager", &TConvertFilter::StaticClass())
          .Str("SourcePrgPath", &TInstallManager::sourcePrgPath_)
          .Str("DestPrgPath", &TInstallManager::destPrgPath_)
          .Str("CDRomPrgSubPath", &TInstallManager::cdRomPrgSubPath_)
          .Str("ConfigFileName", &TInstallManager::configFileName_)
          .Build();
  return info;
}

}  // namespace cd

// TVokNetEnvir: stored keys.
#include "library/vok_net_envir.h"

namespace cd {

const TEnumTypeInfo& BooleanExType() {
  static const TEnumTypeInfo info{"TBooleanEx", {"be_None", "be_False", "be_True"}};
  return info;
}

const TClassInfo& TVokNetEnvir::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TVokNetEnvir>("TVokNetEnvir", &TComponent::StaticClass())
          .Str("BasicPath", &TVokNetEnvir::basicPath_)
          .Str("VolumeLabel", &TVokNetEnvir::volumeLabel_)
          .Enum("SupervisorMode", &TVokNetEnvir::supervisorMode_, BooleanExType())
          .Str("CDRomPath", &TVokNetEnvir::cdRomPath_)
          .Str("CourseVolumeLabel", &TVokNetEnvir::courseVolumeLabel_)
          .Str("NetDiskPath", &TVokNetEnvir::netDiskPath_)
          .Str("NetVolLab", &TVokNetEnvir::netVolLab_)
          .Str("NetUserDir", &TVokNetEnvir::netUserDir_)
          // No default: always written.
          .Bool("EnableNewUser", &TVokNetEnvir::enableNewUser_, std::nullopt)
          .Str("Lang", &TVokNetEnvir::lang_)
          .Build();
  return info;
}

TVokNetEnvir::TVokNetEnvir(TComponent* owner)
    : TComponent(owner), strings_(std::make_unique<TStringList>()) {}

TVokNetEnvir::~TVokNetEnvir() = default;

}  // namespace cd

// TVersionValue: stored keys and the version in its two forms.
#include "install/version_value.h"

#include "util/format.h"

namespace cd {

const TClassInfo& TVersionValue::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TVersionValue>("TVersionValue", &TDatumValue::StaticClass())
          .Str("Version", [](const TVersionValue& v) { return v.Version(); },
               [](TVersionValue&, const std::string&) {})
          .Int("Ver1", &TVersionValue::ver1_)
          .Int("Ver2", &TVersionValue::ver2_)
          .Bool("RegisterDLL", &TVersionValue::registerDLL_)
          .Build();
  return info;
}

std::string TVersionValue::Version() const {
  if (ver1_ == 0 && ver2_ == 0) return {};
  auto hi = [](int32_t v) { return static_cast<unsigned>(static_cast<uint32_t>(v) >> 16); };
  auto lo = [](int32_t v) { return static_cast<unsigned>(static_cast<uint32_t>(v) & 0xFFFF); };
  return Format("%d.%d.%d.%d", {hi(ver2_), lo(ver2_), hi(ver1_), lo(ver1_)});
}

int64_t TVersionValue::Version64() const {
  return static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(ver2_)) << 32) |
                              static_cast<uint32_t>(ver1_));
}

void TVersionValue::SetVersion64(int64_t v) {
  ver1_ = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v)));
  ver2_ = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v) >> 32));
}

}  // namespace cd

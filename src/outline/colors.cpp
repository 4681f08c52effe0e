// The colour names and their values.
#include "outline/colors.h"

#include <array>
#include <utility>

#include "config/component.h"

namespace cd {
namespace {

constexpr int32_t System(int index) {
  return static_cast<int32_t>(0x80000000u | static_cast<uint32_t>(index));
}

constexpr std::array<std::pair<const char*, int32_t>, 42> kColors = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clScrollBar", System(0)},
    {"clBackground", System(1)},
    {"clActiveCaption", System(2)},
    {"clInactiveCaption", System(3)},
    {"clMenu", System(4)},
    {"clWindow", System(5)},
    {"clWindowFrame", System(6)},
    {"clMenuText", System(7)},
    {"clWindowText", System(8)},
    {"clCaptionText", System(9)},
    {"clActiveBorder", System(10)},
    {"clInactiveBorder", System(11)},
    {"clAppWorkSpace", System(12)},
    {"clHighlight", System(13)},
    {"clHighlightText", System(14)},
    {"clBtnFace", System(15)},
    {"clBtnShadow", System(16)},
    {"clGrayText", System(17)},
    {"clBtnText", System(18)},
    {"clInactiveCaptionText", System(19)},
    {"clBtnHighlight", System(20)},
    {"cl3DDkShadow", System(21)},
    {"cl3DLight", System(22)},
    {"clInfoText", System(23)},
    {"clInfoBk", System(24)},
    {"clNone", kClNone},
}};

}  // namespace

const TIdentMapping& ColorIdents() {
  static const TIdentMapping mapping{[](std::string_view ident, int32_t& value) {
                                       for (const auto& [name, color] : kColors)
                                         if (SameText(ident, name)) {
                                           value = color;
                                           return true;
                                         }
                                       return false;
                                     },
                                     [](int32_t value, std::string& ident) {
                                       for (const auto& [name, color] : kColors)
                                         if (value == color) {
                                           ident = name;
                                           return true;
                                         }
                                       return false;
                                     }};
  return mapping;
}

}  // namespace cd

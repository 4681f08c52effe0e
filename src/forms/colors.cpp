// The colour names and their values.
#include "forms/colors.h"

#include <array>
#include <string_view>
#include <utility>

#include "config/component.h"

namespace cd {
namespace {

constexpr std::array<std::pair<std::string_view, int32_t>, 7> kColors = {{
    {"clBlack", clBlack},
    {"clWhite", clWhite},
    {"clBtnFace", clBtnFace},
    {"clWindow", clWindow},
    {"clWindowText", clWindowText},
    {"clBtnText", clBtnText},
    {"clNone", clNone},
}};

}  // namespace

const TIdentMapping& ColorIdents() {
  static const TIdentMapping mapping{[](std::string_view ident, int32_t& value) {
                                       for (const auto& [name, color] : kColors)
                                         if (SameText(name, ident)) {
                                           value = color;
                                           return true;
                                         }
                                       return false;
                                     },
                                     [](int32_t value, std::string& ident) {
                                       for (const auto& [name, color] : kColors)
                                         if (color == value) {
                                           ident = name;
                                           return true;
                                         }
                                       return false;
                                     }};
  return mapping;
}

}  // namespace cd

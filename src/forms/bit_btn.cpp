// TBitBtn: the kind's caption and modal result.
#include "forms/bit_btn.h"

#include <array>

namespace cd {
namespace {

struct KindLook {
  const char* caption;
  int32_t modalResult;
};

// By kind: the caption shown when the button has none, and the modal result (mrOk = 1,
// mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7, mrAll = 8).
constexpr std::array<KindLook, 11> kKinds = {{{"", 0},
                                              {"OK", 1},
                                              {"Cancel", 2},
                                              {"&Help", 0},
                                              {"&Yes", 6},
                                              {"&No", 7},
                                              {"&Close", 0},
                                              {"Abort", 3},
                                              {"&Retry", 4},
                                              {"&Ignore", 5},
                                              {"&All", 8}}};

const KindLook& LookOf(TBitBtnKind kind) {
  return kKinds.at(static_cast<size_t>(kind));
}

}  // namespace

const TEnumTypeInfo& BitBtnKindType() {
  static const TEnumTypeInfo type{"TBitBtnKind",
                                  {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo",
                                   "bkClose", "bkAbort", "bkRetry", "bkIgnore", "bkAll"}};
  return type;
}

const TClassInfo& TBitBtn::StaticClass() {
  static const TClassInfo info = TClassBuilder<TBitBtn>("TBitBtn", &TButton::StaticClass())
                                     .Enum("Kind", &TBitBtn::kind_, BitBtnKindType())
                                     .Build();
  return info;
}

int32_t TBitBtn::ModalResult() const {
  return kind_ == TBitBtnKind::bkCustom ? TButton::ModalResult() : LookOf(kind_).modalResult;
}

std::string TBitBtn::ShownCaption() const {
  return Caption().empty() ? LookOf(kind_).caption : Caption();
}

void TBitBtn::DescribeView(os::ControlLook& look) {
  TButton::DescribeView(look);
  look.kind = os::ControlKind::BitButton;
}

}  // namespace cd

// TFormPar: stored keys and the parameter list created on first use.
#include "library/form_par.h"

namespace cd {

const TClassInfo& TFormPar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFormPar>("TFormPar", &TComponent::StaticClass())
          .Str("Description", &TFormPar::description_)
          .Str("AddressName", &TFormPar::addressName_)
          .StoredWhen([](const TFormPar& p) { return p.addressName_ != "***"; })
          .Object("ParList", [](TFormPar& p) { return &p.ParList(); })
          .Str("Ances", &TFormPar::ances_)
          .Build();
  return info;
}

TFormPar::TFormPar(TComponent* owner) : TComponent(owner) {}

TFormPar::~TFormPar() = default;

TStringList& TFormPar::ParList() {
  if (!parList_) parList_ = std::make_unique<TStringList>();
  return *parList_;
}

}  // namespace cd

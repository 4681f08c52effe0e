// TFormPar: the parameters of a publisher's form (description, address name, parameter list,
// ancestor); also the base of the library card.
#pragma once

#include <memory>
#include <string>

#include "config/component.h"
#include "config/string_list.h"

namespace cd {

class TFormPar : public TComponent {
 public:
  explicit TFormPar(TComponent* owner);
  ~TFormPar() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& Description() const { return description_; }
  void SetDescription(const std::string& v) { description_ = v; }
  // "***" at creation; written only when it differs.
  const std::string& AddressName() const { return addressName_; }
  void SetAddressName(const std::string& v) { addressName_ = v; }
  // Created empty on first use.
  TStringList& ParList();
  bool HasParList() const { return parList_ != nullptr; }
  const std::string& Ances() const { return ances_; }
  void SetAnces(const std::string& v) { ances_ = v; }

 private:
  std::string description_;
  std::string addressName_ = "***";
  std::unique_ptr<TStringList> parList_;
  std::string ances_;
};

}  // namespace cd

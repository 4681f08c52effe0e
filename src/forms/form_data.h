// TFormData: typed data attached to a form: one object of a registered TFormDataObj class
// (DataClass, Data) and a collection of items of a registered item class (ItemClass, Items),
// each chosen by class name, and a description.
#pragma once

#include <memory>
#include <string>

#include "config/collection.h"
#include "config/component.h"
#include "forms/form_data_obj.h"

namespace cd {

class TFormData : public TComponent {
 public:
  explicit TFormData(TComponent* owner);
  ~TFormData() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The class name of Data, "None" without it.
  std::string DataClass() const;
  // A name other than the current one (letter case ignored) frees Data and, unless it is
  // "None", creates an object of that registered class; an unknown name fails with
  // "Class %s not found." and leaves Data as it was.
  void SetDataClass(const std::string& className);
  TFormDataObj* Data() const { return data_.get(); }

  // The item class name of Items, "None" without them; set like DataClass.
  std::string ItemClass() const;
  void SetItemClass(const std::string& className);
  TCollection* Items() const { return items_.get(); }

  const std::string& Descr() const { return descr_; }
  void SetDescr(const std::string& v) { descr_ = v; }

 private:
  std::unique_ptr<TFormDataObj> data_;
  std::unique_ptr<TCollection> items_;
  std::string descr_;
};

}  // namespace cd

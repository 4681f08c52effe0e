// TFormData: the data object and item collection made by class name.
#include "forms/form_data.h"

#include "base/exceptions.h"
#include "config/class_registry.h"
#include "util/format.h"

namespace cd {
namespace {

const char kNone[] = "None";

// The registered class of that name, which must derive from base and be creatable.
const TClassInfo& ClassNamed(const std::string& name, const TClassInfo& base) {
  const TClassInfo* cls = GetClass(name);
  if (!cls || !cls->InheritsFrom(base)) throw Exception(Format("Class %s not found.", {name}));
  return *cls;
}

}  // namespace

const TClassInfo& TFormData::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFormData>("TFormData", &TComponent::StaticClass())
          .Str("DataClass", &TFormData::DataClass, &TFormData::SetDataClass)
          .StoredWhen([](const TFormData& d) { return d.data_ != nullptr; })
          .Object("Data", [](TFormData& d) -> TPersistent* { return d.data_.get(); })
          .Str("ItemClass", &TFormData::ItemClass, &TFormData::SetItemClass)
          .StoredWhen([](const TFormData& d) { return d.items_ != nullptr; })
          .Collection("Items", [](TFormData& d) { return d.items_.get(); })
          .StoredWhen([](const TFormData& d) { return d.items_ != nullptr; })
          .Str("Descr", &TFormData::descr_)
          .Build();
  return info;
}

TFormData::TFormData(TComponent* owner) : TComponent(owner) {}

TFormData::~TFormData() = default;

std::string TFormData::DataClass() const {
  return data_ ? data_->ClassName() : kNone;
}

void TFormData::SetDataClass(const std::string& className) {
  if (SameText(className, DataClass())) return;
  if (SameText(className, kNone)) {
    data_.reset();
    return;
  }
  const TClassInfo& cls = ClassNamed(className, TFormDataObj::StaticClass());
  if (!cls.create) throw Exception(Format("Class %s not found.", {className}));
  data_.reset(static_cast<TFormDataObj*>(cls.create(this)));
}

std::string TFormData::ItemClass() const {
  return items_ ? items_->ItemClass().name : kNone;
}

void TFormData::SetItemClass(const std::string& className) {
  if (SameText(className, ItemClass())) return;
  if (SameText(className, kNone)) {
    items_.reset();
    return;
  }
  const TClassInfo& cls = ClassNamed(className, TCollectionItem::StaticClass());
  if (!cls.createItem) throw Exception(Format("Class %s not found.", {className}));
  items_ = std::make_unique<TCollection>(
      cls,
      [create = cls.createItem](TCollection* c) {
        return std::unique_ptr<TCollectionItem>(create(c));
      },
      this);
}

}  // namespace cd

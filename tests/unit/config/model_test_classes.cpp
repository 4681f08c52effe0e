// The test classes' metadata.
#include "unit/config/model_test_classes.h"

#include "config/class_registry.h"
#include "config/config_classes.h"

namespace cd::test {

const TEnumTypeInfo& FruitType() {
  static const TEnumTypeInfo info{"TFruit", {"fr_Apple", "fr_Pear", "fr_Plum"}};
  return info;
}

const TEnumTypeInfo& OptionType() {
  static const TEnumTypeInfo info{"TOption", {"op_One", "op_Two", "op_Three"}};
  return info;
}

const TIdentMapping& ColourIdents() {
  static const std::vector<std::pair<std::string, int32_t>> table = {
      {"clBlack", 0}, {"clRed", 255}, {"clWhite", 0xFFFFFF}};
  static const TIdentMapping mapping{
      [](std::string_view ident, int32_t& v) {
        for (const auto& [name, value] : table)
          if (SameText(name, ident)) return v = value, true;
        return false;
      },
      [](int32_t v, std::string& ident) {
        for (const auto& [name, value] : table)
          if (value == v) return ident = name, true;
        return false;
      }};
  return mapping;
}

const TClassInfo& TTestRecord::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestRecord>("TTestRecord", &TPersistent::StaticClass())
          .Str("Lang", &TTestRecord::lang)
          .Int("Count", &TTestRecord::count)
          .Object("Names", [](TTestRecord& r) { return &r.names; })
          .Build();
  return info;
}

const TClassInfo& TTestItem::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestItem>("TTestItem", &TCollectionItem::StaticClass())
          .Str("Exe", &TTestItem::exe)
          .Int("Size", &TTestItem::size)
          .Reference("Target", [](const TTestItem& i) { return i.target; },
                     [](TTestItem& i, TComponent* c) { i.target = c; })
          .Build();
  return info;
}

TTestComponent::TTestComponent(TComponent* owner)
    : TComponent(owner), items(MakeCollection<TTestItem>(this)) {}

void TTestComponent::GetChildren(const std::function<void(TComponent*)>& proc) const {
  for (int i = 0; i < ComponentCount(); ++i) proc(Components(i));
}

void TTestComponent::SetChildOrder(TComponent* child, int order) {
  EventLog().push_back("order " + child->Name() + " " + std::to_string(order));
}

void TTestComponent::Loaded() { EventLog().push_back(Name().empty() ? ClassName() : Name()); }

const TClassInfo& TTestComponent::StaticClass() {
  using T = TTestComponent;
  static const TClassInfo info =
      TClassBuilder<T>("TTestComponent", &TComponent::StaticClass())
          .Int("Number", &T::number, std::nullopt)
          .Int("Colour", [](const T& o) { return o.colour; }, [](T& o, int32_t v) { o.colour = v; },
               {}, &ColourIdents())
          .Bool("Flag", &T::flag)
          .Enum("Fruit", &T::fruit, FruitType())
          .Set("Small", [](const T& o) -> uint32_t { return o.small; },
               [](T& o, uint32_t v) { o.small = static_cast<uint8_t>(v); }, OptionType())
          .Set("Fruits", &T::fruits, FruitType())
          .Float("Ext", &T::ext)
          .Float("Sgl", [](const T& o) -> double { return static_cast<float>(o.sgl); },
                 [](T& o, double v) { o.sgl = static_cast<float>(v); }, TFloatType::Single)
          .Float("Cur", &T::cur, TFloatType::Currency)
          .Float("Dat", &T::dat, TFloatType::Date)
          .Str("Text", &T::text)
          .WStr("Wide", &T::wide)
          .Str("ReadOnly", [](const T&) { return std::string(); }, nullptr)
          .Int("Hidden", &T::hidden, std::nullopt)
          .StoredWhen([](const T&) { return false; })
          .Object("Rec", [](T& o) { return &o.rec; })
          .Object("Ints", [](T& o) { return &o.ints; })
          .Object("Lines", [](T& o) { return &o.lines; })
          .Collection("Items", [](T& o) { return o.items.get(); })
          .Reference("Link", [](const T& o) { return o.link; }, [](T& o, TComponent* c) { o.link = c; })
          .Event("OnChange", &T::onChange)
          .Build();
  return info;
}

const TClassInfo& TTestLeaf::StaticClass() {
  static const TClassInfo info = TClassBuilder<TTestLeaf>("TTestLeaf", &TTestComponent::StaticClass())
                                     .Str("ExtraKey", &TTestLeaf::extraKey)
                                     .Build();
  return info;
}

void RegisterTestClasses() {
  RegisterConfigClasses();
  RegisterClass(TTestLeaf::StaticClass());
  RegisterClass(TTestItem::StaticClass());
  RegisterClass(TTestRecord::StaticClass());
}

std::vector<std::string>& EventLog() {
  static std::vector<std::string> log;
  return log;
}

}  // namespace cd::test

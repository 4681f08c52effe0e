// Small storable classes with one property of every kind, shared by the model tests.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "config/collection.h"
#include "config/component.h"
#include "config/integer_list.h"
#include "config/string_list.h"

namespace cd::test {

enum class TFruit { frApple, frPear, frPlum };
const TEnumTypeInfo& FruitType();    // fr_Apple, fr_Pear, fr_Plum
const TEnumTypeInfo& OptionType();   // op_One, op_Two, op_Three (a set kept in one byte)
const TIdentMapping& ColourIdents();  // clBlack = 0, clRed = 255, clWhite = $FFFFFF

// A record-like owned sub-object.
class TTestRecord : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  std::string lang;
  int32_t count = 0;
  TStringList names;
};

class TTestItem : public TCollectionItem {
 public:
  explicit TTestItem(TCollection* c) : TCollectionItem(c) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  std::string exe;
  int32_t size = 0;
  TComponent* target = nullptr;
};

// Owns its children (nested objects) like a run item list; logs its loaded notification.
class TTestComponent : public TComponent {
 public:
  explicit TTestComponent(TComponent* owner);
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  void GetChildren(const std::function<void(TComponent*)>& proc) const override;
  TComponent* GetChildOwner() override { return this; }
  void SetChildOrder(TComponent* child, int order) override;
  void Loaded() override;

  int32_t number = 0;
  int32_t colour = 0;
  bool flag = false;
  TFruit fruit = TFruit::frApple;
  uint8_t small = 0;  // set of OptionType
  uint32_t fruits = 0;
  double ext = 0, sgl = 0, cur = 0, dat = 0;
  std::string text;
  std::u16string wide;
  int32_t hidden = 0;
  TTestRecord rec;
  TIntegerList ints;
  TStringList lines;
  std::unique_ptr<TCollection> items;
  TComponent* link = nullptr;
  std::string onChange;
};

// Derived class adding one key.
class TTestLeaf : public TTestComponent {
 public:
  using TTestComponent::TTestComponent;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  std::string extraKey;
};

// Registers the test classes (idempotent).
void RegisterTestClasses();
// The names (or class names) of the objects loaded, and "order Name n" entries.
std::vector<std::string>& EventLog();

}  // namespace cd::test

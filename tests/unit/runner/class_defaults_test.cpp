// Every registered class: a new object writes no key but those written whatever their value,
// its object text reads back to the same text, and a new item of each of its collections
// writes no key either. This keeps the stored defaults in step with the constructors.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "config/binary_writer.h"
#include "config/class_registry.h"
#include "config/collection.h"
#include "config/config_io.h"
#include "config/object_text.h"
#include "config/object_writer.h"
#include "runner/all_classes.h"

namespace cd {
namespace {

using TKeys = std::set<std::string>;

// The keys the property records of object name, read back from their object text.
TKeys KeysWritten(const TPersistent& object) {
  std::string binary;
  TBinaryWriter w(binary);
  w.WriteSignature();
  w.WriteStr(object.ClassType().name);
  w.WriteStr("");
  TObjectWriter(binary).WriteProperties(object, "");
  w.WriteByte(0);  // end of the properties
  w.WriteByte(0);  // end of the children
  std::istringstream text(ObjectBinaryToTextAll(binary));
  TKeys keys;
  for (std::string line; std::getline(text, line);) {
    const size_t equals = line.find(" = ");
    const size_t start = line.find_first_not_of(' ');
    if (equals != std::string::npos) keys.insert(line.substr(start, equals - start));
  }
  return keys;
}

bool HasNoDefault(const TPropInfo& prop) {
  switch (prop.kind) {
    case TPropKind::Integer:
    case TPropKind::Enum:
    case TPropKind::Set:
      return !prop.ordDefault;
    case TPropKind::Float:
      return !prop.floatDefault;
    case TPropKind::Collection:
      return true;  // written even when empty
    default:
      return false;
  }
}

// The keys written whatever their value, sub-objects' keys qualified by prefix.
TKeys KeysWithoutDefault(TPersistent& object, const std::string& prefix = "") {
  TKeys keys;
  for (const TPropInfo* prop : object.ClassType().AllProperties()) {
    if (prop->stored && !prop->stored(object)) continue;
    if (HasNoDefault(*prop)) keys.insert(prefix + prop->name);
    if (prop->kind == TPropKind::Object)
      if (TPersistent* sub = prop->getObject(object))
        keys.merge(KeysWithoutDefault(*sub, prefix + prop->name + "."));
  }
  return keys;
}

// Keys a new object writes by design although they have a default: a new medium's
// installation language, a new region's rectangle, a new outline node's text of one space,
// and the grid keys of a new outline (one column, no rows, no fixed rows or columns, no
// default drawing, against the stored defaults 5, 5, 1, 1 and True).
const std::set<std::pair<std::string, std::string>> kWrittenByDesign = [] {
  std::set<std::pair<std::string, std::string>> keys = {{"TRunCDRom", "RunData.InstallLang"},
                                                        {"TMyNode", "Text"},
                                                        {"TJumpNode", "Text"},
                                                        {"THTMLNode", "Text"},
                                                        {"TSelInstNode", "Text"}};
  for (const char* key : {"ColCount", "RowCount", "FixedRows", "FixedCols", "DefaultDrawing"})
    keys.insert({"TObjectOutline", key});
  // A region's rectangle declares -9999 as its default and holds 0: a new one writes all four.
  for (const char* region : {"TRectRegion", "TCircleRegion", "TRoundedRectRegion", "TPolyRegion"})
    for (const char* side : {"Rect.Left", "Rect.Top", "Rect.Right", "Rect.Bottom"})
      keys.insert({region, side});
  return keys;
}();

TEST(ClassDefaults, ANewObjectOfEveryClassWritesOnlyKeysWithoutADefault) {
  RegisterAllClasses();
  int checked = 0;
  for (const TClassInfo* cls : RegisteredClasses()) {
    if (!cls->create) continue;
    SCOPED_TRACE(cls->name);
    std::unique_ptr<TPersistent> object(cls->create(nullptr));
    TKeys expected = KeysWithoutDefault(*object);
    for (const auto& [className, key] : kWrittenByDesign)
      if (className == cls->name) expected.insert(key);
    EXPECT_EQ(KeysWritten(*object), expected);
    for (const TPropInfo* prop : cls->AllProperties()) {
      if (prop->kind != TPropKind::Collection) continue;
      SCOPED_TRACE(prop->name);
      TCollection* collection = prop->getCollection(*object);
      if (!collection) continue;  // made on demand (a form data's items of a chosen class)
      TCollectionItem* item = collection->Add();
      EXPECT_EQ(KeysWritten(*item), KeysWithoutDefault(*item));
    }
    if (cls->isComponent) {
      auto& component = static_cast<TComponent&>(*object);
      component.SetName("New");
      const std::string text = ObjectToString(&component);
      EXPECT_EQ(ObjectToString(StringToObject(text).get()), text);
    }
    ++checked;
  }
  EXPECT_GT(checked, 20);
}

}  // namespace
}  // namespace cd

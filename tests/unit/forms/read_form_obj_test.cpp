// Reading the class name of a stored form and creating the form from it, each class level
// from its own stored file.
#include "forms/read_form_obj.h"

#include <gtest/gtest.h>

#include "config/object_text.h"
#include "forms/label.h"
#include "streams/memory_stream.h"
#include "support/bytes.h"
#include "support/message_of.h"
#include "unit/forms/test_forms.h"

namespace cd {
namespace {

using test::Bytes;

class ReadFormObj : public ::testing::Test {
 protected:
  void SetUp() override { test::RegisterTestForms(); }
};

TEST_F(ReadFormObj, ClassNameAfterTheSignatureAndAnyPrefixStreamLeftWhereItWas) {
  const std::string name = Bytes({5}) + "TForm";
  const struct {
    const char* what;
    std::string data;
  } cases[] = {
      {"no prefix", "TPF0" + name},
      {"inherited prefix", "TPF0" + Bytes({0xF1}) + name},
      {"position prefix", "TPF0" + Bytes({0xF2, 2, 1, 0, 0, 0}) + name},
      {"all flags", "TPF0" + Bytes({0xF7, 2, 1, 0, 0, 0}) + name},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TMemoryStream stream("xx" + c.data + "rest");
    stream.SetPosition(2);
    TReadFormObj reader;
    reader.SetStream(&stream);
    EXPECT_EQ(reader.GetClassName(), "TForm");
    EXPECT_EQ(stream.Position(), 2);
    stream.SetPosition(0);
    EXPECT_EQ(reader.GetClassName(), "TForm");  // cached: not read again
  }
}

TEST_F(ReadFormObj, MalformedHeadersAreRefused) {
  const struct {
    std::string data;
    const char* message;
  } cases[] = {
      {"TPF1" + Bytes({1}) + "T", "TReadFormObj.GetClassName: Wrong file signature"},
      {"TP", "TReadFormObj.GetClassName: Wrong file signature"},
      {"TPF0", "Stream read error"},
      {"TPF0" + Bytes({0xF2, 2, 1}), "Stream read error"},
      {"TPF0" + Bytes({9}) + "TFo", "Stream read error"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.data);
    TMemoryStream stream(c.data);
    TReadFormObj reader;
    reader.SetStream(&stream);
    EXPECT_EQ(test::MessageOf([&] { reader.GetClassName(); }), c.message);
    EXPECT_EQ(stream.Position(), 0);
  }
}

TEST_F(ReadFormObj, AWrongSignatureCreatesNothing) {
  TMemoryStream stream("PK\3\4 not a form");
  TComponent owner(nullptr);
  TReadFormObj reader;
  reader.SetStream(&stream);
  reader.SetOwner(&owner);
  EXPECT_EQ(test::MessageOf([&] { reader.CreateForm(); }),
            "TReadFormObj.GetClassName: Wrong file signature");
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST_F(ReadFormObj, CreatesTheNamedClassEachLevelFromTheFileTheCallbackChooses) {
  TMemoryStream own(
      ObjectTextToBinaryAll("inherited Child: TTestChildForm\n  Caption = 'own'\n"
                            "  object Note: TLabel\n    Caption = 'child label'\n  end\nend\n"));
  TMemoryStream base(ObjectTextToBinaryAll("object Base: TQXForm\n  ClientWidth = 77\nend\n"));
  std::vector<std::string> levels;
  TComponent owner(nullptr);
  TReadFormObj reader;
  reader.SetFileName("child.dfm");
  reader.SetStream(&own);
  reader.SetOwner(&owner);
  reader.SetOnAncestor([&](TReadFormObj& level, const std::string& className) {
    levels.push_back(className);
    EXPECT_EQ(TReadFormObj::Active(), &reader);
    if (className == "TQXForm") level.SetStream(&base);
  });
  TQXForm* form = reader.CreateForm();
  EXPECT_EQ(levels, (std::vector<std::string>{"TQXForm", "TTestForm"}));
  EXPECT_EQ(TReadFormObj::Active(), nullptr);
  EXPECT_EQ(form, reader.Form());
  EXPECT_EQ(form->Owner(), &owner);
  EXPECT_EQ(form->ClassName(), "TTestChildForm");
  EXPECT_EQ(form->ClientWidth(), 77);
  EXPECT_EQ(form->Caption(), "own");
  EXPECT_EQ(static_cast<TLabel*>(form->FindComponent("Note"))->Caption(), "child label");
}

TEST_F(ReadFormObj, AnUnregisteredClassIsNotFound) {
  TMemoryStream stream("TPF0" + Bytes({7}) + "TNoSuch");
  TReadFormObj reader;
  reader.SetStream(&stream);
  EXPECT_EQ(test::MessageOf([&] { reader.CreateForm(); }), "Class TNoSuch not found");
}

}  // namespace
}  // namespace cd

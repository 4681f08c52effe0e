// Creating forms from their stored layouts: the program's own layout of the base form, class
// levels read from the most basic up, and the message when no level has a layout.
#include <gtest/gtest.h>

#include <map>

#include "config/object_text.h"
#include "forms/form_hooks.h"
#include "forms/label.h"
#include "outline/colors.h"
#include "support/hook_guard.h"
#include "support/message_of.h"
#include "unit/forms/test_forms.h"

namespace cd {
namespace {

class FormLayout : public ::testing::Test {
 protected:
  void SetUp() override { test::RegisterTestForms(); }
};

TEST_F(FormLayout, TheBaseFormComesWithItsBuiltInLayout) {
  std::unique_ptr<TQXForm> form(TQXForm::Create(TQXForm::StaticClass(), nullptr));
  EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsNone);
  EXPECT_EQ(form->ClientWidth(), 536);
  EXPECT_EQ(form->ClientHeight(), 348);
  EXPECT_EQ(form->Color(), kClBtnFace);
  EXPECT_EQ(form->Font().Name(), "MS Sans Serif");
  EXPECT_EQ(form->Font().Height(), -11);
  EXPECT_FALSE(form->Scaled());
  EXPECT_EQ(form->OnShowName(), "FormShow");
}

TEST_F(FormLayout, LevelsAreReadFromTheBaseUpAndALevelWithoutLayoutAddsNothing) {
  // The base form's level sets the caption and a label; the middle level has no layout; the
  // form's own level changes the label and adds one.
  const std::map<std::string, std::string> layouts = {
      {"TQXForm",
       ObjectTextToBinaryAll("object QXForm: TQXForm\n  Caption = 'base'\n"
                             "  ClientWidth = 100\n"
                             "  object Title: TLabel\n    Caption = 'from base'\n  end\nend\n")},
      {"TTestChildForm",
       ObjectTextToBinaryAll("inherited Child: TTestChildForm\n  Caption = 'child'\n"
                             "  inherited Title: TLabel\n    Caption = 'from child'\n  end\n"
                             "  object Extra: TLabel\n    Left = 5\n  end\nend\n")}};
  std::vector<std::string> asked;
  test::HookGuard source(FormResourceSource(),
                         [&](const std::string& name) -> std::optional<std::string_view> {
                           asked.push_back(name);
                           auto it = layouts.find(name);
                           if (it == layouts.end()) return std::nullopt;
                           return it->second;
                         });
  std::unique_ptr<TQXForm> form(TQXForm::Create(test::TTestChildForm::StaticClass(), nullptr));
  EXPECT_EQ(asked, (std::vector<std::string>{"TQXForm", "TTestForm", "TTestChildForm"}));
  EXPECT_EQ(form->Caption(), "child");
  EXPECT_EQ(form->ClientWidth(), 100);
  ASSERT_EQ(form->Controls().Items().size(), 2u);
  EXPECT_EQ(static_cast<TLabel*>(form->FindComponent("Title"))->Caption(), "from child");
  EXPECT_EQ(form->FindComponent("Extra")->Name(), "Extra");
}

TEST_F(FormLayout, AFormOfAClassWithoutOwnLayoutIsBuiltFromTheBuiltInOne) {
  std::unique_ptr<TQXForm> form(TQXForm::Create(test::TTestChildForm::StaticClass(), nullptr));
  EXPECT_EQ(form->ClientWidth(), 536);
  EXPECT_EQ(form->BorderStyle(), TFormBorderStyle::bsNone);
}

TEST_F(FormLayout, NoLayoutAtAnyLevelIsRefusedAndLeavesNoForm) {
  test::HookGuard source(
      FormResourceSource(),
      [](const std::string&) -> std::optional<std::string_view> { return std::nullopt; });
  TComponent owner(nullptr);
  EXPECT_EQ(test::MessageOf([&] { TQXForm::Create(test::TTestChildForm::StaticClass(), &owner); }),
            "Resource TTestChildForm not found");
  EXPECT_EQ(owner.ComponentCount(), 0);
}

}  // namespace
}  // namespace cd

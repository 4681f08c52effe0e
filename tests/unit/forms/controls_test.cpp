// Controls read from a layout: their stored keys, their nesting in panels, writing back, and
// what each tells the form's view.
#include <gtest/gtest.h>

#include "config/config_io.h"
#include "config/object_text.h"
#include "forms/bit_btn.h"
#include "forms/edit.h"
#include "forms/form_hooks.h"
#include "forms/label.h"
#include "forms/panel.h"
#include "outline/object_outline.h"
#include "support/hook_guard.h"
#include "unit/forms/test_forms.h"

namespace cd {
namespace {

const char kLayout[] =
    "object Sample: TTestForm\n"
    "  Caption = 'Sample'\n"
    "  object Prompt: TLabel\n"
    "    Left = 8\n"
    "    Top = 8\n"
    "    Width = 120\n"
    "    Height = 13\n"
    "    Alignment = taRightJustify\n"
    "    Caption = 'Name:'\n"
    "  end\n"
    "  object NameEdit: TEdit\n"
    "    Left = 8\n"
    "    Top = 24\n"
    "    Width = 200\n"
    "    Height = 21\n"
    "    Hint = 'Your name'\n"
    "    ShowHint = True\n"
    "    TabOrder = 0\n"
    "    Text = 'nobody'\n"
    "  end\n"
    "  object Buttons: TPanel\n"
    "    Top = 60\n"
    "    Width = 300\n"
    "    Height = 40\n"
    "    Caption = 'panel'\n"
    "    object OkButton: TBitBtn\n"
    "      Left = 200\n"
    "      Top = 8\n"
    "      Font.Charset = 238\n"
    "      Font.Name = 'MS Sans Serif'\n"
    "      Font.Style = [fsBold]\n"
    "      TabOrder = 1\n"
    "      Kind = bkOK\n"
    "    end\n"
    "    object Apply: TButton\n"
    "      Left = 100\n"
    "      Top = 8\n"
    "      Caption = 'Apply'\n"
    "      ModalResult = 7\n"
    "      OnClick = ApplyClick\n"
    "    end\n"
    "  end\n"
    "end\n";

// A view that keeps what the controls describe.
class RecordingView : public os::FormView {
 public:
  int AddControl(const os::ControlLook& look, int parent) override {
    controls.push_back({look, parent});
    return static_cast<int>(controls.size()) - 1;
  }
  void Show() override {}
  void Hide() override {}
  void Invalidate() override {}
  void SetControlText(int control, const std::string& text) override {
    controls.at(control).look.text = text;
    if (controls.at(control).look.onChange) controls.at(control).look.onChange(text);
  }
  std::string ControlText(int control) const override { return controls.at(control).look.text; }
  void SetControlBounds(int, int, int, int, int) override {}
  void ProcessMessages() override {}
  void* Handle() override { return nullptr; }
  void RunModal(const bool&) override {}
  void EndModal(bool&) override {}
  std::vector<os::ListedControl> controls;
};

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    test::RegisterTestForms();
    form.reset(static_cast<TQXForm*>(StringToObject(kLayout).release()));
    for (TControl* control : form->Controls().Items()) control->CreateView(view, -1);
  }
  template <class T>
  T& Get(const char* name) {
    return *dynamic_cast<T*>(form->FindComponent(name));
  }
  std::unique_ptr<TQXForm> form;
  RecordingView view;
};

TEST_F(Controls, KeysAndNestingReadFromTheLayoutAndWriteBackTheSame) {
  EXPECT_EQ(Get<TLabel>("Prompt").Alignment(), TAlignment::taRightJustify);
  EXPECT_EQ(Get<TEdit>("NameEdit").Hint(), "Your name");
  EXPECT_TRUE(Get<TEdit>("NameEdit").ShowHint());
  EXPECT_EQ(Get<TBitBtn>("OkButton").Kind(), TBitBtnKind::bkOK);
  EXPECT_EQ(Get<TBitBtn>("OkButton").Font().Charset(), 238);
  EXPECT_EQ(Get<TPanel>("Buttons").Controls().Items().size(), 2u);
  EXPECT_EQ(form->Controls().Items().size(), 3u);
  EXPECT_EQ(Get<TButton>("Apply").Owner(), form.get());
  EXPECT_EQ(test::WithLf(ObjectToString(form.get())), kLayout);
}

TEST_F(Controls, EachControlDescribesItselfToTheViewInsideItsPanel) {
  ASSERT_EQ(view.controls.size(), 5u);
  const struct {
    os::ControlKind kind;
    const char* text;
    int parent;
  } expected[] = {{os::ControlKind::Label, "Name:", -1},
                  {os::ControlKind::Edit, "nobody", -1},
                  {os::ControlKind::Panel, "panel", -1},
                  {os::ControlKind::BitButton, "OK", 2},
                  {os::ControlKind::Button, "Apply", 2}};
  for (size_t i = 0; i < view.controls.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(view.controls[i].look.kind, expected[i].kind);
    EXPECT_EQ(view.controls[i].look.text, expected[i].text);
    EXPECT_EQ(view.controls[i].parent, expected[i].parent);
  }
  EXPECT_EQ(view.controls[0].look.alignment, os::TextAlignment::Right);
  EXPECT_TRUE(view.controls[3].look.fontBold);
  EXPECT_EQ(view.controls[1].look.tabOrder, 0);
}

TEST_F(Controls, TheViewsEditsAndClicksReachTheModel) {
  std::vector<std::string> seen;
  Get<TEdit>("NameEdit").SetOnChange([&](TEdit& e) { seen.push_back("changed " + e.Text()); });
  Get<TButton>("Apply").SetOnClick([&](TButton& b) { seen.push_back("clicked " + b.Name()); });
  view.controls[1].look.onChange("typed");
  view.controls[1].look.onChange("typed");  // no change, no notice
  view.controls[4].look.onClick();
  Get<TEdit>("NameEdit").SetText("set");
  EXPECT_EQ(view.ControlText(1), "set");
  EXPECT_EQ(seen, (std::vector<std::string>{"changed typed", "clicked Apply", "changed set"}));
}

// A form and a panel are windowed controls: an outline made with either as owner is shown in
// it; a button is not.
TEST_F(Controls, AnOutlineTakesAFormOrAPanelAsItsParent) {
  for (TComponent* owner :
       {static_cast<TComponent*>(form.get()), static_cast<TComponent*>(&Get<TPanel>("Buttons"))})
    EXPECT_EQ((new TObjectOutline(owner))->Parent(), owner);
  EXPECT_EQ((new TObjectOutline(&Get<TButton>("Apply")))->Parent(), nullptr);
}

TEST_F(Controls, ABitButtonsKindGivesItsResultUnlessCustom) {
  EXPECT_EQ(Get<TBitBtn>("OkButton").ModalResult(), 1);
  EXPECT_EQ(Get<TButton>("Apply").ModalResult(), 7);
  TBitBtn custom(nullptr);
  EXPECT_EQ(custom.ModalResult(), 0);
}

os::ListedControl Listed(os::ControlKind kind, const char* text, int left, int top, int parent) {
  os::ListedControl c;
  c.look.kind = kind;
  c.look.text = text;
  c.look.left = left;
  c.look.top = top;
  c.parent = parent;
  return c;
}

TEST(FormListing, CaptionThenControlsByPositionWithPanelsIndented) {
  const std::vector<os::ListedControl> controls = {
      Listed(os::ControlKind::Button, "Later", 50, 30, -1),
      Listed(os::ControlKind::Panel, "Box", 0, 10, -1),
      Listed(os::ControlKind::Edit, "inside", 5, 5, 1),
      Listed(os::ControlKind::Label, "First", 90, 10, -1)};
  os::FormLook form;
  form.caption = "Title";
  EXPECT_EQ(os::FormListing(form, controls),
            "Title\n  [panel] Box\n    [edit] inside\n  [label] First\n  [button] Later\n");
}

}  // namespace
}  // namespace cd

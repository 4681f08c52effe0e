// The component selection: its layout, the resize and show rules, the moves with their two
// messages, the console commands and what acceptance and Cancel leave in the caller's names.
#include "runner/sel_inst_form.h"

#include <gtest/gtest.h>

#include <deque>

#include "base/exceptions.h"
#include "config/string_list.h"
#include "forms/form_hooks.h"
#include "outline/object_outline.h"
#include "outline/sel_inst_node.h"
#include "runner/all_classes.h"
#include "support/hook_guard.h"
#include "support/message_of.h"

namespace cd::test {
namespace {

// Answers the chooser from a script and keeps each listing it was shown.
class ScriptedSelection : public os::SelectionView {
 public:
  ScriptedSelection(std::deque<std::string> answers, std::vector<std::string>& listings)
      : answers_(std::move(answers)), listings_(listings) {}
  std::optional<std::string> Ask(const std::string& listing) override {
    listings_.push_back(listing);
    if (answers_.empty()) return std::nullopt;
    std::string answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

 private:
  std::deque<std::string> answers_;
  std::vector<std::string>& listings_;
};

class SelInstFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAllClasses();
    // Program {prog.exe}; Courses: English {en.dat, shared.dat}, German {de.dat, shared.dat}
    Add(source_.RootNode(), "Program", {"prog.exe"});
    TOutlineNode& courses = Add(source_.RootNode(), "Courses", {});
    Add(courses, "English", {"en.dat", "shared.dat"});
    Add(courses, "German", {"de.dat", "shared.dat"});
    names_.SetSorted(true);
    names_.Add("earlier.txt");
  }
  TOutlineNode& Add(TOutlineNode& parent, const std::string& text,
                    const std::vector<std::string>& files) {
    auto node = std::make_unique<TSelInstNode>(nullptr);
    node->SetText(text);
    for (const std::string& file : files) node->FileList().Add(file);
    return parent.AddChild(std::move(node));
  }
  std::unique_ptr<TSelInstForm> Form(std::deque<std::string> answers) {
    return TSelInstForm::New(std::make_unique<ScriptedSelection>(std::move(answers), listings_));
  }

  TObjectOutline source_{nullptr};
  TStringList names_;
  std::vector<std::string> listings_;
  std::vector<std::string> shown_;
  HookGuard<TFormMessageHook> messages_{
      OnFormMessage(), [this](const std::string& text) { shown_.push_back(text); }};
};

TEST_F(SelInstFormTest, LayoutAndResizeRule) {
  auto form = Form({});
  EXPECT_EQ(form->Caption(), "Select components to install or upgrade");
  EXPECT_EQ(form->ClientWidth(), 520);
  EXPECT_EQ(form->Options(), so_ReportParents);
  EXPECT_EQ(form->FromOln().Hint(), "Click on component to select it");
  EXPECT_EQ(form->ToOln().Hint(), "Click on component to deselect it");
  form->FormResize(520, 331);
  EXPECT_EQ(form->FromOln().Width(), 241);
  EXPECT_EQ(form->ToOln().Left(), 279);
  EXPECT_EQ(form->ToOln().Width(), 241);
  form->FormResize(521, 331);
  EXPECT_EQ(form->FromOln().Width(), 241);
  EXPECT_EQ(form->ToOln().Width(), 242);
  // The bottom panel keeps to the lower edge, the sides take the height between the panels.
  form->FormResize(600, 400);
  const auto& buttons = *dynamic_cast<TControl*>(form->FindComponent("ModalPanel"));
  EXPECT_EQ(buttons.Top(), 363);
  EXPECT_EQ(buttons.Width(), 600);
  EXPECT_EQ(form->ToOln().Height(), 344);
  // A minimised window (client 0 x 0) leaves no negative size behind.
  form->FormResize(0, 0);
  EXPECT_EQ(form->FromOln().Width(), 0);
  EXPECT_EQ(form->ToOln().Width(), 0);
  EXPECT_EQ(form->ToOln().Height(), 0);
}

// Moves both ways by command, then Enter: the chosen components' files, a shared one once.
TEST_F(SelInstFormTest, AcceptedChoiceFillsTheNames) {
  auto form = Form({"> 2", "> 1", "< 1", ""});
  form->Select(source_, names_);
  EXPECT_EQ(names_.Items(), (std::vector<std::string>{"de.dat", "en.dat", "shared.dat"}));
  ASSERT_EQ(listings_.size(), 4u);
  EXPECT_NE(listings_[0].find("Available Components:\n1   Program\n2 - Courses\n3     English\n"),
            std::string::npos);
  EXPECT_NE(listings_[3].find("Selected Components:\n1 - Courses\n2     English\n3     German\n"),
            std::string::npos);
  EXPECT_TRUE(shown_.empty());
}

TEST_F(SelInstFormTest, MoveWithoutARowIsToldAndTheDialogStays) {
  auto form = Form({"< 1", "> 9", ">", "> 1", ""});
  form->Select(source_, names_);
  EXPECT_EQ(shown_, (std::vector<std::string>{"Choose selected component first!",
                                              "Choose available component first!",
                                              "Choose available component first!"}));
  EXPECT_EQ(names_.Items(), std::vector<std::string>{"prog.exe"});
}

TEST_F(SelInstFormTest, ButtonsOnAnEmptySideFail) {
  auto form = Form({});
  form->DoEditStart([this](uint8_t code, TNodeEventPar* par) {
    if (code == ne_GetSourceData) par->SourceData = &source_;
  });
  EXPECT_EQ(MessageOf([&] { form->MoveToClick(); }), "Choose selected component first!");
  form->FromOln().onNodeClick(form->FromOln(), *form->FromOln().NodeAtRow(0));
  form->MoveToClick();  // the first row of the selected side: Program goes back
  EXPECT_EQ(form->ToOln().ItemCount(), 0);
  EXPECT_EQ(form->FromOln().ItemCount(), 4);
  form->EndEdit();
}

TEST_F(SelInstFormTest, CancelAndEndOfInputAbortAndKeepTheNames) {
  for (const std::deque<std::string>& script :
       {std::deque<std::string>{"> 1", "q"}, std::deque<std::string>{"> 1"}}) {
    auto form = Form(script);
    EXPECT_THROW(form->Select(source_, names_), EAbort);
    EXPECT_EQ(names_.Items(), std::vector<std::string>{"earlier.txt"});
    EXPECT_EQ(form->FromOln().ItemCount() + form->ToOln().ItemCount(), 0);
  }
}

TEST_F(SelInstFormTest, ShowOpensTheUpperLevels) {
  Add(source_.RootNode().Child(1).Child(0), "Lessons", {"lessons.dat"});
  auto form = Form({});
  form->DoEditStart([this](uint8_t code, TNodeEventPar* par) {
    if (code == ne_GetSourceData) par->SourceData = &source_;
    if (code == ne_GetText) par->Text = par->Item->GetText();
  });
  form->FormShow();
  EXPECT_TRUE(form->FromOln().Items(2).Expanded());   // Courses
  EXPECT_FALSE(form->FromOln().Items(3).Expanded());  // English, with Lessons below
  form->EndEdit();
}

// The /COMPONENTS answer: exactly the named components, a branch with all its leaves, names in
// any letter case; an unknown name lists the names there are and changes nothing.
TEST_F(SelInstFormTest, NamedComponentsAreChosenWithoutAsking) {
  const struct {
    std::vector<std::string> components;
    std::vector<std::string> names;
  } cases[] = {
      {{"courses\\english"}, {"en.dat", "shared.dat"}},
      {{"Courses", "Courses\\German"}, {"de.dat", "en.dat", "shared.dat"}},
      {{"Courses\\German", "Program"}, {"de.dat", "prog.exe", "shared.dat"}},
  };
  auto form = Form({});
  for (const auto& each : cases) {
    form->SelectNamed(source_, names_, each.components);
    EXPECT_EQ(names_.Items(), each.names) << each.components[0];
  }
  EXPECT_TRUE(listings_.empty());
  EXPECT_EQ(MessageOf([&] {
              form->SelectNamed(source_, names_, {"Program", "Courses\\French"});
            }),
            "Unknown component \"Courses\\French\"; the components are: Program, Courses, "
            "Courses\\English, Courses\\German");
  EXPECT_EQ(names_.Items(), (std::vector<std::string>{"de.dat", "prog.exe", "shared.dat"}));
}

}  // namespace
}  // namespace cd::test

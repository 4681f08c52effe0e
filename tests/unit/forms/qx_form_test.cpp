// What a form tells the forms embedded in it, and its request handler.
#include <gtest/gtest.h>

#include "config/config_io.h"
#include "forms/form_hooks.h"
#include "support/hook_guard.h"
#include "support/message_of.h"
#include "unit/forms/test_forms.h"

namespace cd {
namespace {

using Events = std::vector<std::string>;

// outer embeds inner and second; inner embeds innermost.
class QXForm : public ::testing::Test {
 protected:
  void SetUp() override {
    test::RegisterTestForms();
    const char* names[] = {"outer", "inner", "innermost", "second"};
    for (int i = 0; i < 4; ++i) forms[i].SetName(names[i]);
    forms[0].Embed(&forms[1]);
    forms[1].Embed(&forms[2]);
    forms[0].Embed(&forms[3]);
    test::FormEvents().clear();
  }
  test::TTestForm forms[4] = {test::TTestForm(nullptr), test::TTestForm(nullptr),
                              test::TTestForm(nullptr), test::TTestForm(nullptr)};
};

TEST_F(QXForm, ShowHideAndCloseReachTheFormThenEachEmbeddedFormDepthFirst) {
  const struct {
    void (TQXForm::*action)();
    const char* message;
  } cases[] = {
      {&TQXForm::FormShow, "10795"}, {&TQXForm::FormHide, "10796"}, {&TQXForm::FormClose, "10794"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    test::FormEvents().clear();
    (forms[0].*c.action)();
    const std::string m = c.message;
    EXPECT_EQ(test::FormEvents(),
              (Events{"outer:" + m, "inner:" + m, "innermost:" + m, "second:" + m}));
  }
}

TEST_F(QXForm, ShowingCallsTheShownHookAfterTheNotifications) {
  Events shown;
  test::HookGuard hook(OnFormShown(), [&](TQXForm& form) {
    shown.push_back(form.Name() + " after " + std::to_string(test::FormEvents().size()));
  });
  forms[1].FormShow();
  forms[1].FormHide();
  EXPECT_EQ(shown, (Events{"inner after 2"}));
}

TEST_F(QXForm, CloseQueryAsksTheEmbeddedFormsFirst) {
  bool canClose = true;
  forms[0].FormCloseQuery(canClose);
  EXPECT_TRUE(canClose);
  EXPECT_EQ(test::FormEvents(), (Events{"innermost:request 10", "inner:request 10",
                                        "second:request 10", "outer:request 10"}));
}

TEST_F(QXForm, TheBindRequestNamesTheItemAndOtherRequestsSayNothing) {
  Events messages;
  test::HookGuard hook(OnFormMessage(), [&](const std::string& text) { messages.push_back(text); });
  TComponent item(nullptr);
  item.SetName("Address1");
  TQXForm form(nullptr);
  form.HandleRequest(TQXForm::kRequestBind, &item);
  form.HandleRequest(TQXForm::kRequestBind, nullptr);
  form.HandleRequest(TQXForm::kRequestCloseQuery, &item);
  form.HandleRequest(7, &item);
  EXPECT_EQ(messages,
            (Events{"Nothing to bind on AddrItem - Address1", "Nothing to bind on AddrItem - "}));
}

TEST_F(QXForm, EmbeddingIsOnceAndNeverItself) {
  forms[0].Embed(&forms[1]);
  forms[0].Embed(&forms[0]);
  forms[0].Unembed(&forms[3]);
  EXPECT_EQ(forms[0].EmbeddedForms(), (std::vector<TQXForm*>{&forms[1]}));
}

// The background bitmap is read-only: a form has none, even with embedded forms, never
// writes one, and a stored form that names one is refused.
TEST_F(QXForm, TheBackgroundBitmapIsReadOnlyAndNoneByDefault) {
  EXPECT_EQ(forms[0].BkgndBmp(), nullptr);
  EXPECT_EQ(ObjectToString(&forms[0]).find("BkgndBmp"), std::string::npos);
  const std::string refused =
      test::MessageOf([] { StringToObject("object F: TTestForm\n  BkgndBmp = F\nend\n"); });
  EXPECT_NE(refused.find("read-only"), std::string::npos) << refused;
}

}  // namespace
}  // namespace cd

// A form built from a stored layout gets real windows: found by class and caption, its edit
// and buttons driven from another thread through window messages, as a user would.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <chrono>
#include <thread>

#include "config/config_io.h"
#include "config/object_text.h"
#include "forms/button.h"
#include "forms/edit.h"
#include "forms/forms_classes.h"
#include "forms/qx_form.h"
#include "forms/read_form_obj.h"
#include "streams/memory_stream.h"
#include "window_driver.h"

namespace cd {
namespace {

const char kLayout[] =
    "object Sample: TQXForm\n"
    "  BorderStyle = bsSingle\n"
    "  Caption = 'Sample form'\n"
    "  ClientHeight = 160\n"
    "  ClientWidth = 320\n"
    "  object Prompt: TLabel\n"
    "    Left = 12\n    Top = 14\n    Width = 80\n    Height = 13\n"
    "    Caption = 'Your name:'\n"
    "  end\n"
    "  object NameEdit: TEdit\n"
    "    Left = 100\n    Top = 10\n    Width = 200\n    Height = 21\n"
    "    TabOrder = 0\n    Text = 'nobody'\n"
    "  end\n"
    "  object Note: TLabel\n"
    "    Left = 12\n    Top = 44\n    Width = 296\n    Height = 13\n"
    "    Alignment = taCenter\n    Caption = 'Built from a stored layout'\n"
    "  end\n"
    "  object Buttons: TPanel\n"
    "    Left = 12\n    Top = 70\n    Width = 296\n    Height = 76\n"
    "    Alignment = taLeftJustify\n    Caption = '  Buttons'\n"
    "    object OkButton: TBitBtn\n"
    "      Left = 120\n      Top = 40\n      Width = 80\n      Height = 25\n"
    "      TabOrder = 1\n      Kind = bkOK\n"
    "    end\n"
    "    object Apply: TButton\n"
    "      Left = 206\n      Top = 40\n      Width = 80\n      Height = 25\n"
    "      Caption = 'Apply'\n      TabOrder = 2\n"
    "    end\n"
    "  end\n"
    "end\n";

TEST(FormView, AStoredLayoutBecomesWindowsThatReportToTheModel) {
  RegisterFormsClasses();
  TMemoryStream stored(ObjectTextToBinaryAll(kLayout));
  TComponent owner(nullptr);
  TReadFormObj reader;
  reader.SetStream(&stored);
  reader.SetOwner(&owner);
  TQXForm* form = reader.CreateForm();
  auto& edit = *dynamic_cast<TEdit*>(form->FindComponent("NameEdit"));
  std::vector<std::string> clicks;
  for (const char* name : {"OkButton", "Apply"})
    dynamic_cast<TButton*>(form->FindComponent(name))->SetOnClick([&](TButton& b) {
      clicks.push_back(b.Name() + " with " + edit.Text());
    });
  std::unique_ptr<os::FormView> view = form->CreateView();
  form->FormShow();

  RECT editPlace{}, okPlace{};
  std::string okText, panelText;
  test::WindowDriver driver(
      "TQXForm",
      [&](HWND hwnd) {
        HWND editWindow = FindWindowExA(hwnd, nullptr, "EDIT", nullptr);
        HWND panel = FindWindowExA(hwnd, nullptr, "TPanel", nullptr);
        HWND ok = FindWindowExA(panel, nullptr, "BUTTON", "OK");
        HWND apply = FindWindowExA(panel, nullptr, "BUTTON", "Apply");
        if (!editWindow || !panel || !ok || !apply) return;
        editPlace = test::PlacementOf(editWindow);
        okPlace = test::PlacementOf(ok);
        panelText = test::WindowText(panel);
        SendMessageA(editWindow, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Ann"));
        test::Click(ok);
        SendMessageA(editWindow, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Bob"));
        test::Click(apply);
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
      },
      "Sample form");
  view->Show();
  // The form's own loop: it handles what the driver sends until the window is closed.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (IsWindowVisible(FindWindowA("TQXForm", "Sample form")) &&
         std::chrono::steady_clock::now() < deadline) {
    view->ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  view->ProcessMessages();

  EXPECT_EQ(edit.Text(), "Bob");
  EXPECT_EQ(clicks, (std::vector<std::string>{"OkButton with Ann", "Apply with Bob"}));
  EXPECT_EQ(editPlace.left, 100);
  EXPECT_EQ(editPlace.top, 10);
  EXPECT_EQ(okPlace.left, 120);  // inside the panel
  EXPECT_EQ(panelText, "  Buttons");
  edit.SetText("from the model");
  EXPECT_EQ(view->ControlText(1), "from the model");
}

// Controls listed out of their tab order: Tab goes by TabOrder (the windows' z-order), the
// label without one last; the controls that show their hints have tools in a tooltip.
const char kTabLayout[] =
    "object Tabs: TQXForm\n"
    "  Caption = 'Tab order'\n"
    "  ClientHeight = 100\n"
    "  ClientWidth = 300\n"
    "  object Third: TButton\n"
    "    Left = 200\n    Top = 10\n    Width = 80\n    Height = 25\n"
    "    Caption = 'Third'\n    TabOrder = 2\n"
    "  end\n"
    "  object Note: TLabel\n"
    "    Left = 10\n    Top = 50\n    Width = 80\n    Height = 13\n"
    "    Caption = 'Note'\n    Hint = 'About the note'\n    ShowHint = True\n"
    "  end\n"
    "  object First: TEdit\n"
    "    Left = 10\n    Top = 10\n    Width = 80\n    Height = 21\n"
    "    Hint = 'Type here'\n    ShowHint = True\n    TabOrder = 0\n"
    "  end\n"
    "  object Second: TButton\n"
    "    Left = 100\n    Top = 10\n    Width = 80\n    Height = 25\n"
    "    Caption = 'Second'\n    Hint = 'Not shown'\n    TabOrder = 1\n"
    "  end\n"
    "end\n";

BOOL CALLBACK FindTooltip(HWND window, LPARAM found) {
  char cls[64] = {};
  GetClassNameA(window, cls, sizeof cls);
  auto& result = *reinterpret_cast<std::pair<HWND, HWND>*>(found);
  if (std::string(cls) == TOOLTIPS_CLASSA && GetWindow(window, GW_OWNER) == result.first)
    result.second = window;
  return TRUE;
}

TEST(FormView, ChildrenLieInTabOrderAndHintsHaveTooltipTools) {
  RegisterFormsClasses();
  std::unique_ptr<TComponent> read = StringToObject(kTabLayout);
  auto& form = dynamic_cast<TQXForm&>(*read);
  std::unique_ptr<os::FormView> view = form.CreateView();
  view->Show();
  view->ProcessMessages();
  HWND hwnd = FindWindowA("TQXForm", "Tab order");
  ASSERT_NE(hwnd, nullptr);
  std::vector<std::string> zOrder;
  for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    zOrder.push_back(test::WindowText(child));
  EXPECT_EQ(zOrder, (std::vector<std::string>{"", "Second", "Third", "Note"}));  // the edit first
  HWND first = FindWindowExA(hwnd, nullptr, "EDIT", nullptr);
  HWND second = FindWindowExA(hwnd, nullptr, "BUTTON", "Second");
  HWND third = FindWindowExA(hwnd, nullptr, "BUTTON", "Third");
  EXPECT_EQ(GetNextDlgTabItem(hwnd, first, FALSE), second);
  EXPECT_EQ(GetNextDlgTabItem(hwnd, second, FALSE), third);
  EXPECT_EQ(GetNextDlgTabItem(hwnd, third, FALSE), first);

  std::pair<HWND, HWND> tooltip{hwnd, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&tooltip));
  ASSERT_NE(tooltip.second, nullptr);
  ASSERT_EQ(SendMessageW(tooltip.second, TTM_GETTOOLCOUNT, 0, 0), 2);
  std::vector<std::pair<HWND, std::string>> tools;
  for (int i = 0; i < 2; ++i) {
    char text[80] = {};
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.lpszText = text;
    SendMessageA(tooltip.second, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool));
    tools.emplace_back(reinterpret_cast<HWND>(tool.uId), text);
  }
  HWND note = FindWindowExA(hwnd, nullptr, "STATIC", "Note");
  EXPECT_EQ(tools, (std::vector<std::pair<HWND, std::string>>{{note, "About the note"},
                                                              {first, "Type here"}}));
}

}  // namespace
}  // namespace cd

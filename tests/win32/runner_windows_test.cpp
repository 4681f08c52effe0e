// The runner's windows as real Win32 windows: layout, captions, buttons and the answers they
// give when a second thread presses their buttons.
#include <gtest/gtest.h>
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <string>

#include "platform/views.h"
#include "window_driver.h"

namespace cd {
namespace {

using test::Click;
using test::PlacementOf;
using test::WindowDriver;
using test::WindowText;

void ExpectPlacement(HWND hwnd, int left, int top, int width, int height) {
  const RECT r = PlacementOf(hwnd);
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.right - r.left, width);
  EXPECT_EQ(r.bottom - r.top, height);
}

void ExpectFormFont(HWND control, LONG weight = FW_NORMAL) {
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(font.lfHeight, -11);
  EXPECT_EQ(font.lfWeight, weight);
}

TEST(ChoiceWindowTest, LayoutAndOkWithAnotherEntry) {
  auto view = os::CreateChoiceView();
  WindowDriver driver("TMultiRunForm", [](HWND form) {
    EXPECT_EQ(WindowText(form), "CD ROM with multiple VOK Applications:");
    ExpectPlacement(form, 353, 231, 321, 187);
    HWND ok = GetDlgItem(form, IDOK);
    HWND cancel = GetDlgItem(form, IDCANCEL);
    HWND apps = FindWindowExA(form, nullptr, "ListBox", nullptr);
    ASSERT_TRUE(ok && cancel && apps);
    ExpectPlacement(ok, 72, 120, 75, 25);
    ExpectPlacement(cancel, 168, 120, 75, 25);
    ExpectPlacement(apps, 16, 16, 281, 97);
    ExpectFormFont(apps);
    EXPECT_EQ(WindowText(ok), "OK");
    EXPECT_TRUE(GetWindowLongA(ok, GWL_STYLE) & BS_DEFPUSHBUTTON);
    // Tab order: OK, Cancel, the list.
    EXPECT_EQ(GetNextDlgTabItem(form, ok, FALSE), cancel);
    EXPECT_EQ(GetNextDlgTabItem(form, cancel, FALSE), apps);
    EXPECT_EQ(SendMessageA(apps, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(apps, LB_GETCURSEL, 0, 0), 0);
    SendMessageA(apps, LB_SETCURSEL, 2, 0);
    Click(ok);
    Sleep(300);
    EXPECT_FALSE(IsWindowVisible(form));
  });
  EXPECT_EQ(view->Choose({"First", "Second", "Third"}, 0), 2);
  EXPECT_TRUE(driver.Found());
}

TEST(ChoiceWindowTest, CancelEscapeAndCloseBoxGiveNoChoice) {
  auto view = os::CreateChoiceView();
  {
    WindowDriver driver("TMultiRunForm", [](HWND form) { Click(GetDlgItem(form, IDCANCEL)); });
    EXPECT_EQ(view->Choose({"A", "B"}, 0), -1);
  }
  {
    WindowDriver driver("TMultiRunForm", [](HWND form) {
      HWND apps = FindWindowExA(form, nullptr, "ListBox", nullptr);
      PostMessageA(apps, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(view->Choose({"A", "B"}, 0), -1);
  }
  {
    WindowDriver driver("TMultiRunForm", [](HWND form) { PostMessageA(form, WM_CLOSE, 0, 0); });
    EXPECT_EQ(view->Choose({"A", "B"}, 1), -1);
  }
}

TEST(ChoiceWindowTest, EnterTakesThePreselectedEntry) {
  auto view = os::CreateChoiceView();
  WindowDriver driver("TMultiRunForm", [](HWND form) {
    HWND apps = FindWindowExA(form, nullptr, "ListBox", nullptr);
    EXPECT_EQ(SendMessageA(apps, LB_GETCURSEL, 0, 0), 1);
    PostMessageA(apps, WM_KEYDOWN, VK_RETURN, 0);
  });
  EXPECT_EQ(view->Choose({"A", "B", "C"}, 1), 1);
}

// The face the system really uses for a font asked for by name.
std::string FaceUsedFor(const char* name, LONG height) {
  HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, name);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  char face[LF_FACESIZE] = {};
  GetTextFaceA(dc, sizeof face, face);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return face;
}

void ExpectTextFits(HWND label) {
  EXPECT_TRUE(test::TextFits(label)) << WindowText(label);
}

// Caption buttons are glyphs of Marlett, and the forms are laid out for "MS Sans Serif": with
// a stand-in for either, the buttons show letters and the texts are cut.
TEST(WindowFontsTest, CaptionAndFormFontsAreTheRealOnes) {
  EXPECT_EQ(FaceUsedFor("Marlett", -13), "Marlett");
  EXPECT_EQ(FaceUsedFor("MS Sans Serif", -11), "MS Sans Serif");
}

TEST(DestinationWindowTest, LayoutAndOkButtonFollowingTheField) {
  auto view = os::CreateDestinationView();
  WindowDriver driver("TAskMediumIdForm", [](HWND form) {
    EXPECT_EQ(WindowText(form), "Choose destination directory");
    ExpectPlacement(form, 347, 201, 340, 161);
    EXPECT_TRUE(GetWindowLongA(form, GWL_STYLE) & WS_SYSMENU);  // the close box
    HWND edit = FindWindowExA(form, nullptr, "Edit", nullptr);
    HWND ok = GetDlgItem(form, IDOK);
    HWND prompt = FindWindowExA(form, nullptr, "Static", nullptr);
    HWND hint = FindWindowExA(form, prompt, "Static", nullptr);
    ASSERT_TRUE(edit && ok && prompt && hint);
    ExpectPlacement(prompt, 8, 8, 313, 13);
    ExpectPlacement(hint, 3, 31, 326, 13);
    ExpectPlacement(edit, 8, 64, 313, 21);
    ExpectPlacement(ok, 247, 96, 75, 25);
    ExpectFormFont(prompt, FW_BOLD);
    ExpectFormFont(edit);
    EXPECT_EQ(WindowText(prompt), "Where shall the course go?");
    EXPECT_EQ(WindowText(hint),
              "Please enter then directory where you would like to install then data.");
    ExpectTextFits(prompt);
    ExpectTextFits(hint);
    EXPECT_EQ(WindowText(edit), "c:\\VokData");
    EXPECT_EQ(GetNextDlgTabItem(form, edit, FALSE), ok);
    EXPECT_TRUE(IsWindowVisible(ok));
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    EXPECT_FALSE(IsWindowVisible(ok));
    // Enter does nothing while the button is hidden; the dialog stays open.
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    Sleep(200);
    EXPECT_TRUE(IsWindowVisible(form));
    SetWindowTextA(edit, "d:\\courses");
    EXPECT_TRUE(IsWindowVisible(ok));
    Click(ok);
    Sleep(300);
    EXPECT_FALSE(IsWindowVisible(form));
  });
  EXPECT_EQ(view->Ask("Where shall the course go?", "c:\\VokData", {}), "d:\\courses");
  EXPECT_TRUE(driver.Found());
}

TEST(DestinationWindowTest, CloseBoxStillGivesTheText) {
  auto view = os::CreateDestinationView();
  {
    WindowDriver driver("TAskMediumIdForm", [](HWND form) {
      SetWindowTextA(FindWindowExA(form, nullptr, "Edit", nullptr), "");
      PostMessageA(form, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(view->Ask("p", "c:\\VokData", {}), "");
  }
  {
    WindowDriver driver("TAskMediumIdForm", [](HWND form) {
      HWND edit = FindWindowExA(form, nullptr, "Edit", nullptr);
      EXPECT_FALSE(IsWindowVisible(GetDlgItem(form, IDOK)));  // shown with an empty field
      SetWindowTextA(edit, "e:\\x");
      PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);  // Escape does not close it
      Sleep(200);
      EXPECT_TRUE(IsWindowVisible(form));
      PostMessageA(form, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(view->Ask("p", "", {}), "e:\\x");
  }
}

// A refused text is told in a box; the dialog stays open with it.
TEST(DestinationWindowTest, RefusedTextIsToldAndTheDialogStaysOpen) {
  auto view = os::CreateDestinationView();
  WindowDriver driver("TAskMediumIdForm", [](HWND form) {
    HWND edit = FindWindowExA(form, nullptr, "Edit", nullptr);
    SetWindowTextA(edit, "reldir\\sub");
    PostMessageA(form, WM_CLOSE, 0, 0);  // posted: the box runs inside the handler
    HWND box = test::WaitForWindow("#32770", "Choose destination directory");
    ASSERT_TRUE(box);
    EXPECT_NE(test::StaticTexts(box).find("Refused: reldir\\sub"), std::string::npos);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(form));
    SetWindowTextA(edit, "d:\\courses");
    Click(GetDlgItem(form, IDOK));
  });
  EXPECT_EQ(view->Ask("p", "c:\\VokData",
                      [](const std::string& text) {
                        return text.rfind("d:", 0) == 0 ? std::string() : "Refused: " + text;
                      }),
            "d:\\courses");
}

TEST(ProgressWindowTest, UpdateRunsInsideTheShownWindow) {
  auto view = os::CreateProgressView();
  view->SetMessage("Updating files ...");
  HWND form = FindWindowA("TQXMainSetupForm", nullptr);
  ASSERT_TRUE(form);
  EXPECT_FALSE(IsWindowVisible(form));  // made on first use, shown only modally
  bool ran = false;
  view->RunModal([&] {
    ran = true;
    EXPECT_TRUE(IsWindowVisible(form));
    EXPECT_EQ(WindowText(form), "Installer");
    const LONG style = GetWindowLongA(form, GWL_STYLE);
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    RECT r;
    GetWindowRect(form, &r);
    EXPECT_EQ(r.right - r.left, 283);
    EXPECT_EQ(r.bottom - r.top, 151);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);

    HWND message = FindWindowExA(form, nullptr, "Static", nullptr);
    HWND file = FindWindowExA(form, message, "Static", nullptr);
    HWND total = FindWindowExA(form, file, "Static", nullptr);
    HWND copied = FindWindowExA(form, total, "Static", nullptr);
    HWND bar = FindWindowExA(form, nullptr, PROGRESS_CLASSA, nullptr);
    ASSERT_TRUE(message && file && total && copied && bar);
    ExpectPlacement(message, 5, 32, 260, 13);
    ExpectPlacement(file, 6, 48, 265, 13);
    ExpectPlacement(bar, 16, 72, 241, 16);
    ExpectPlacement(total, 16, 96, 113, 13);
    ExpectPlacement(copied, 136, 96, 121, 13);
    ExpectFormFont(message);
    EXPECT_EQ(WindowText(message), "Updating files ...");
    EXPECT_EQ(WindowText(total), "Total:");

    view->SetFileName("VOK\\PLAYER.EXE");
    view->SetTotalText("Total: 20000");
    view->SetBar(0, 20, 12);
    view->ProcessMessages();
    EXPECT_EQ(WindowText(file), "VOK\\PLAYER.EXE");
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 12);
    EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, FALSE, 0), 20);
    // The window has no way to be closed while the update runs.
    SendMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(form));
  });
  EXPECT_TRUE(ran);
  EXPECT_FALSE(IsWindowVisible(form));
}

TEST(ProgressWindowTest, FailureClosesTheWindowAndIsRaisedAfterwards) {
  auto view = os::CreateProgressView();
  EXPECT_THROW(view->RunModal([] { throw std::runtime_error("copy failed"); }), std::runtime_error);
  EXPECT_FALSE(IsWindowVisible(FindWindowA("TQXMainSetupForm", nullptr)));
}

TEST(ProgressWindowTest, RestartNoticeIsAnInformationBox) {
  auto view = os::CreateProgressView();
  WindowDriver driver("#32770", [](HWND box) {
    EXPECT_EQ(WindowText(box), "Course (Setup)");
    HWND text = FindWindowExA(box, nullptr, "Static", nullptr);
    std::string shown;
    for (; text; text = FindWindowExA(box, text, "Static", nullptr)) shown += WindowText(text);
    EXPECT_NE(shown.find("please restart Windows"), std::string::npos);
    test::CloseMessageBox(box);
  });
  view->ShowInformation("Course (Setup)", "Before using 'Course', please restart Windows.");
  EXPECT_TRUE(driver.Found());
}

}  // namespace
}  // namespace cd

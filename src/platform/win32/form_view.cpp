// The Win32 view of a form: a top-level window of the form's class with a child window for
// each control (STATIC, EDIT, BUTTON, and a raised panel window that holds controls of its
// own). Clicks and edits come back as WM_COMMAND and go to the controls' callbacks. The
// children of a window lie in the z-order of their tab order, so Tab moves in that order, and
// a control that shows its hint has a tool in the form's tooltip control.
#include "platform/form_view.h"

#include <algorithm>
#include <climits>
#include <map>
#include <tuple>
#include <vector>

#include "platform/win32/control_hints.h"
#include "platform/win32/form_window.h"

namespace cd::os {
namespace {

// Control numbers start here as child window ids, clear of IDOK and IDCANCEL.
constexpr int kFirstId = 100;
const wchar_t kPanelClass[] = L"TPanel";

// A panel window's extra bytes: its caption's alignment (DT_ flags), its font, its edge
// (BDR_ flags, 0 for none).
constexpr int kPanelAlignment = 0;
constexpr int kPanelFont = sizeof(LONG_PTR);
constexpr int kPanelEdge = 2 * sizeof(LONG_PTR);

// Draws a panel, keeps its font, and passes its commands and label colours up to the form.
LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETFONT:
      SetWindowLongPtrW(hwnd, kPanelFont, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrW(hwnd, kPanelFont);
    case WM_COMMAND:
      return SendMessageW(GetAncestor(hwnd, GA_ROOT), msg, wParam, lParam);
    case WM_CTLCOLORSTATIC:
      return win32::LabelColours(wParam);
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
      if (const UINT edge = static_cast<UINT>(GetWindowLongPtrW(hwnd, kPanelEdge)))
        DrawEdge(dc, &r, edge, BF_RECT);
      const std::wstring text = win32::ToWide(win32::TextOf(hwnd));
      SetBkMode(dc, TRANSPARENT);
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
      const UINT align = static_cast<UINT>(GetWindowLongPtrW(hwnd, kPanelAlignment));
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                align | DT_VCENTER | DT_SINGLELINE);
      EndPaint(hwnd, &ps);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

void RegisterPanelClass() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(instance, kPanelClass, &wc)) return;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = PanelProc;
  wc.cbWndExtra = 3 * sizeof(LONG_PTR);
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = kPanelClass;
  RegisterClassExW(&wc);
}

UINT DrawAlignment(TextAlignment a) {
  return a == TextAlignment::Right ? DT_RIGHT : a == TextAlignment::Center ? DT_CENTER : DT_LEFT;
}

UINT PanelEdge(PanelBevel bevel) {
  return bevel == PanelBevel::Raised    ? BDR_RAISEDOUTER
         : bevel == PanelBevel::Lowered ? BDR_SUNKENOUTER
                                        : 0;
}

// The width a label's text takes in font.
int TextWidth(const std::string& text, HFONT font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  const std::wstring wide = win32::ToWide(text);
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return size.cx;
}

DWORD StaticAlignment(TextAlignment a) {
  return a == TextAlignment::Right ? SS_RIGHT : a == TextAlignment::Center ? SS_CENTER : SS_LEFT;
}

// Where a control comes in its parent's tab order: by TabOrder, those without one last.
int TabPlace(const ControlLook& look) {
  return look.tabOrder >= 0 ? look.tabOrder : INT_MAX;
}

class Win32FormView : public FormView {
 public:
  explicit Win32FormView(const FormLook& form) : form_(form) {
    const DWORD style = form.borderless ? WS_POPUP : WS_OVERLAPPEDWINDOW;
    RECT r{0, 0, form.clientWidth, form.clientHeight};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    className_ = win32::ToWide(form.className.empty() ? "TForm" : form.className);
    hwnd_ =
        win32::CreateForm(className_.c_str(), Proc, form.caption, style | WS_CLIPCHILDREN, 0,
                          CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, this);
    if (hwnd_) win32::CenterOnScreen(hwnd_);
    hints_ = std::make_unique<win32::ControlHints>(hwnd_);
  }
  ~Win32FormView() override {
    hints_.reset();
    if (hwnd_) DestroyWindow(hwnd_);
    for (auto& [key, font] : fonts_) DeleteObject(font);
  }

  int AddControl(const ControlLook& look, int parent) override {
    const int number = static_cast<int>(controls_.size());
    HWND parentWindow = parent >= 0 && parent < number ? controls_[parent].hwnd : hwnd_;
    const wchar_t* cls = L"STATIC";
    DWORD style = 0;
    switch (look.kind) {
      case ControlKind::Label:
        // A label sees the mouse only with SS_NOTIFY, which its hint needs.
        style = StaticAlignment(look.alignment) | SS_NOPREFIX | (look.showHint ? SS_NOTIFY : 0);
        break;
      case ControlKind::Edit:
        cls = L"EDIT";
        style = ES_AUTOHSCROLL | WS_TABSTOP;
        break;
      case ControlKind::Button:
      case ControlKind::BitButton:
        cls = L"BUTTON";
        style = BS_PUSHBUTTON | WS_TABSTOP;
        break;
      case ControlKind::Panel:
        RegisterPanelClass();
        cls = kPanelClass;
        style = WS_CLIPCHILDREN;
        break;
    }
    HFONT font = FontFor(look);
    int width = look.width;
    if (look.kind == ControlKind::Label && !look.wordWrap && look.alignment == TextAlignment::Left)
      width = std::max(width, TextWidth(look.text, font));
    HWND control = win32::AddControl(parentWindow, cls, look.text, style, look.left, look.top,
                                     width, look.height, kFirstId + number, font);
    if (look.kind == ControlKind::Panel) {
      SetWindowLongPtrW(control, kPanelAlignment, DrawAlignment(look.alignment));
      SetWindowLongPtrW(control, kPanelEdge, PanelEdge(look.bevel));
    }
    controls_.push_back({look, control, parent >= 0 && parent < number ? parent : -1});
    PlaceInTabOrder(static_cast<size_t>(number));
    if (look.showHint && !look.hint.empty()) hints_->Add(control, look.hint);
    return number;
  }
  void Show() override {
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
  }
  void Hide() override { ShowWindow(hwnd_, SW_HIDE); }
  void Invalidate() override {
    InvalidateRect(hwnd_, nullptr, TRUE);
    SendMessageW(hwnd_, WM_NCPAINT, 1, 0);  // the frame is not part of the client area
  }
  void SetControlText(int control, const std::string& text) override {
    SetWindowTextW(controls_.at(static_cast<size_t>(control)).hwnd, win32::ToWide(text).c_str());
  }
  std::string ControlText(int control) const override {
    return win32::TextOf(controls_.at(static_cast<size_t>(control)).hwnd);
  }
  void SetControlBounds(int control, int left, int top, int width, int height) override {
    MoveWindow(controls_.at(static_cast<size_t>(control)).hwnd, left, top, width, height, TRUE);
  }
  void* Handle() override { return hwnd_; }
  void RunModal(const bool& done) override {
    Show();
    SetForegroundWindow(hwnd_);
    win32::RunModalLoop(hwnd_, done);
    Hide();
  }
  void EndModal(bool& done) override { win32::EndModal(hwnd_, done); }
  void ProcessMessages() override {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      // Tab and the arrow keys move the focus among this form's controls.
      if (hwnd_ && IsDialogMessageW(hwnd_, &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

 private:
  struct Control {
    ControlLook look;
    HWND hwnd;
    int parent;
  };

  // Puts the control after the last of its earlier siblings that comes before it in tab
  // order, or first; the siblings stay sorted by tab order, equal ones in the order they came.
  void PlaceInTabOrder(size_t number) {
    const Control& added = controls_[number];
    HWND after = HWND_TOP;
    int afterPlace = -1;
    for (size_t i = 0; i < number; ++i) {
      const Control& c = controls_[i];
      const int place = TabPlace(c.look);
      if (c.parent == added.parent && place <= TabPlace(added.look) && place >= afterPlace) {
        after = c.hwnd;
        afterPlace = place;
      }
    }
    SetWindowPos(added.hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    win32::RememberForm(hwnd, msg, lParam);
    auto* self = win32::FormOf<Win32FormView>(hwnd);
    switch (msg) {
      case WM_COMMAND:
        if (self) self->Command(LOWORD(wParam), HIWORD(wParam));
        return 0;
      case WM_CTLCOLORSTATIC:
        return win32::LabelColours(wParam);
      case WM_ERASEBKGND:
        if (self) self->EraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;  // always reported as erased
      case WM_SIZE:
        if (self && self->form_.onResize) self->form_.onResize(LOWORD(lParam), HIWORD(lParam));
        return 0;
      case WM_CLOSE:
        if (self && self->form_.onClose) self->form_.onClose();
        ShowWindow(hwnd, SW_HIDE);
        return 0;
      default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
  }

  void Command(int id, int code) {
    const int number = id - kFirstId;
    if (number < 0 || number >= static_cast<int>(controls_.size())) return;
    const Control& c = controls_[static_cast<size_t>(number)];
    if (code == BN_CLICKED && c.look.onClick)
      c.look.onClick();
    else if (code == EN_CHANGE && c.look.onChange)
      c.look.onChange(win32::TextOf(c.hwnd));
  }

  // Fills the client area with the form colour; a form of no colour stays unpainted.
  void EraseBackground(HDC dc) const {
    if (!form_.paintBackground) return;
    const uint32_t color = static_cast<uint32_t>(form_.color);
    const COLORREF rgb = (color & 0x80000000u) ? GetSysColor(static_cast<int>(color & 0xFF))
                                               : static_cast<COLORREF>(color & 0xFFFFFF);
    HBRUSH brush = CreateSolidBrush(rgb);
    RECT r;
    GetClientRect(hwnd_, &r);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }

  // The form font for the usual face and height; others are made once per view.
  HFONT FontFor(const ControlLook& look) {
    if ((look.fontName.empty() || look.fontName == "MS Sans Serif") &&
        (look.fontHeight == 0 || look.fontHeight == -11))
      return win32::FormFont(look.fontBold);
    const auto key = std::make_tuple(look.fontName, look.fontHeight, look.fontBold);
    HFONT& font = fonts_[key];
    if (!font)
      font = CreateFontW(look.fontHeight, 0, 0, 0, look.fontBold ? FW_BOLD : FW_NORMAL, FALSE,
                         FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                         DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                         win32::ToWide(look.fontName).c_str());
    return font;
  }

  FormLook form_;
  std::wstring className_;
  HWND hwnd_ = nullptr;
  std::vector<Control> controls_;
  std::unique_ptr<win32::ControlHints> hints_;
  std::map<std::tuple<std::string, int, bool>, HFONT> fonts_;
};

}  // namespace

std::unique_ptr<FormView> CreateFormView(const FormLook& form) {
  return std::make_unique<Win32FormView>(form);
}

}  // namespace cd::os

// The Win32 view of an outline (window class "TObjectOutline"): one owner-drawn row for each
// visible node, tree lines with the plus and minus pictures, the node's picture and its text,
// the focus rectangle on the current row, and the long-node hint in a "TMyHintWindow".
#include "platform/outline_view.h"

#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <array>

#include "platform/win32/form_window.h"
#include "platform/win32/gdi_row_painter.h"

namespace cd::os {
namespace {

using namespace win32;

constexpr wchar_t kOutlineClass[] = L"TObjectOutline";
constexpr wchar_t kHintClass[] = L"TMyHintWindow";
constexpr UINT_PTR kHideTimer = 1;
// The transparent colour of the pictures.
constexpr COLORREF kPictureKey = RGB(255, 0, 255);

COLORREF ToColorRef(int32_t color) {
  return StoredColorRef(color);
}

uint32_t ShiftState() {
  uint32_t shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= kViewShift;
  if (GetKeyState(VK_MENU) < 0) shift |= kViewAlt;
  if (GetKeyState(VK_CONTROL) < 0) shift |= kViewCtrl;
  return shift;
}

uint32_t MouseShift(WPARAM wParam) {
  uint32_t shift = 0;
  if (wParam & MK_SHIFT) shift |= kViewShift;
  if (wParam & MK_CONTROL) shift |= kViewCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= kViewAlt;
  return shift;
}

// "PLUS", "MINUS", "OPEN", "CLOSED", "LEAF" of the program's resources, loaded once.
const std::array<HBITMAP, 5>& Pictures() {
  static const std::array<HBITMAP, 5> pictures = [] {
    std::array<HBITMAP, 5> loaded{};
    const char* names[] = {"PLUS", "MINUS", "OPEN", "CLOSED", "LEAF"};
    for (size_t i = 0; i < loaded.size(); ++i)
      loaded[i] = static_cast<HBITMAP>(
          LoadImageA(GetModuleHandleA(nullptr), names[i], IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    return loaded;
  }();
  return pictures;
}

// Draws picture centred in the square cell (or stretched to it), its key colour left out.
void DrawPicture(HDC dc, OutlinePicture picture, const RECT& cell, bool stretch) {
  HBITMAP bitmap = Pictures()[static_cast<size_t>(picture)];
  if (!bitmap) return;
  BITMAP info;
  GetObjectW(bitmap, sizeof info, &info);
  const int cellW = cell.right - cell.left, cellH = cell.bottom - cell.top;
  const int w = stretch ? cellW : std::min<int>(info.bmWidth, cellW);
  const int h = stretch ? cellH : std::min<int>(info.bmHeight, cellH);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap);
  TransparentBlt(dc, cell.left + (cellW - w) / 2, cell.top + (cellH - h) / 2, w, h, source, 0, 0,
                 info.bmWidth, info.bmHeight, kPictureKey);
  SelectObject(source, old);
  DeleteDC(source);
}

// The hint window: the text 2 pixels in from the left, 4 pixels taller than the text needs.
class HintWindow {
 public:
  ~HintWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  bool Shown() const { return hwnd_ && IsWindowVisible(hwnd_); }
  void Show(HWND owner, const OutlineHintLook& look) {
    look_ = look;
    if (!hwnd_) Create();
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, FormFont());
    SIZE size{};
    const std::wstring text = ToWide(look.text);
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    POINT at{look.left, look.top};
    ClientToScreen(owner, &at);
    SetWindowPos(hwnd_, HWND_TOPMOST, at.x, at.y, size.cx + 6, size.cy + 2 + 4,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd_, nullptr, TRUE);
    SetTimer(hwnd_, kHideTimer, static_cast<UINT>(look.hideTimeout), nullptr);
  }
  void Hide() {
    if (!Shown()) return;
    KillTimer(hwnd_, kHideTimer);
    ShowWindow(hwnd_, SW_HIDE);
  }
  // Whether the hint belongs to the row at y (client pixels of the outline).
  bool Covers(int y) const { return y >= look_.rowTop && y < look_.rowBottom; }

 private:
  void Create() {
    static const ATOM atom = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
      wc.lpszClassName = kHintClass;
      return RegisterClassW(&wc);
    }();
    (void)atom;
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kHintClass, L"",
                            WS_POPUP | WS_BORDER, 0, 0, 10, 10, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<HintWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
      case WM_NCHITTEST:
        return HTTRANSPARENT;  // the mouse stays with the outline below
      case WM_TIMER:
        if (self) self->Hide();
        return 0;
      case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rect;
        GetClientRect(hwnd, &rect);
        if (self) {
          HBRUSH brush = CreateSolidBrush(ToColorRef(self->look_.background));
          FillRect(dc, &rect, brush);
          DeleteObject(brush);
          SetBkMode(dc, TRANSPARENT);
          SetTextColor(dc, ToColorRef(self->look_.textColor));
          HGDIOBJ old = SelectObject(dc, FormFont());
          rect.left += 2;
          const std::wstring text = ToWide(self->look_.text);
          DrawTextW(dc, text.c_str(), -1, &rect,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
          SelectObject(dc, old);
        }
        EndPaint(hwnd, &ps);
        return 0;
      }
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }

  HWND hwnd_ = nullptr;
  OutlineHintLook look_;
};

class Win32OutlineWindow : public OutlineWindow {
 public:
  Win32OutlineWindow(OutlineViewSource& source, HWND parent, int left, int top, int width,
                     int height)
      : source_(source) {
    static const ATOM atom = [] {
      WNDCLASSW wc{};
      wc.style = CS_DBLCLKS;
      wc.lpfnWndProc = &Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
      wc.lpszClassName = kOutlineClass;
      return RegisterClassW(&wc);
    }();
    (void)atom;
    const DWORD style =
        (parent ? WS_CHILD | WS_TABSTOP : WS_OVERLAPPED | WS_CAPTION) | WS_VISIBLE | WS_VSCROLL;
    RECT outer{left, top, left + width, top + height};
    if (!parent) AdjustWindowRectEx(&outer, style, FALSE, WS_EX_CLIENTEDGE);
    hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, kOutlineClass, L"Outline", style, outer.left,
                            outer.top, outer.right - outer.left, outer.bottom - outer.top, parent,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    UpdateScrollBar();
  }
  ~Win32OutlineWindow() override {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }

  void Refresh() override {
    UpdateScrollBar();
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
  void RefreshRow(int row) override {
    RECT rect = RowRect(row);
    InvalidateRect(hwnd_, &rect, FALSE);
  }
  void* Handle() override { return hwnd_; }
  void SetBounds(int left, int top, int width, int height) override {
    MoveWindow(hwnd_, left, top, width, height, TRUE);
  }
  bool HintShown() override { return hint_.Shown(); }
  int TextWidth(const std::string& text) override {
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, FormFont());
    SIZE size{};
    const std::wstring wide = ToWide(text);
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    return size.cx;
  }

 private:
  RECT RowRect(int row) const {
    RECT client;
    GetClientRect(hwnd_, &client);
    const int h = source_.RowHeight();
    const int top = (row - source_.TopRow()) * h;
    return RECT{0, top, client.right, top + h};
  }

  int PageRows() const {
    RECT client;
    GetClientRect(hwnd_, &client);
    return std::max(1, static_cast<int>(client.bottom) / std::max(1, source_.RowHeight()));
  }

  void UpdateScrollBar() {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = std::max(0, source_.RowCount() - 1);
    info.nPage = static_cast<UINT>(PageRows());
    info.nPos = source_.TopRow();
    SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
  }

  void Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    HGDIOBJ oldFont = SelectObject(dc, FormFont());
    SetBkMode(dc, TRANSPARENT);
    const int h = source_.RowHeight();
    GdiRowPainter painter(dc);
    int y = 0;
    for (int row = source_.TopRow(); row < source_.RowCount() && y < client.bottom; ++row, y += h)
      if (!source_.DrawRow(row, ViewRect{0, y, static_cast<int>(client.right), y + h}, painter))
        DrawRow(dc, source_.Row(row), RECT{0, y, client.right, y + h});
    if (y < client.bottom) {
      RECT rest{0, y, client.right, client.bottom};
      HBRUSH brush = CreateSolidBrush(ToColorRef(source_.Background()));
      FillRect(dc, &rest, brush);
      DeleteObject(brush);
    }
    SelectObject(dc, oldFont);
    EndPaint(hwnd_, &ps);
  }

  void DrawRow(HDC dc, const OutlineRowLook& look, const RECT& rect) {
    const int unit = source_.RowHeight();
    HBRUSH back = CreateSolidBrush(ToColorRef(look.background));
    FillRect(dc, &rect, back);
    DeleteObject(back);
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    const int midY = (rect.top + rect.bottom) / 2;
    for (int u = 0; u < look.indentUnits; ++u) {
      const int midX = u * unit + unit / 2;
      const bool junction = u + 1 == look.indentUnits;
      if (!junction && !look.lines[static_cast<size_t>(u)]) continue;
      MoveToEx(dc, midX, rect.top, nullptr);
      LineTo(dc, midX, junction && look.lastSibling ? midY : rect.bottom);
      if (junction) {
        MoveToEx(dc, midX, midY, nullptr);
        LineTo(dc, (u + 1) * unit, midY);
        if (look.hasChildren)
          DrawPicture(dc, look.expanded ? OutlinePicture::Minus : OutlinePicture::Plus,
                      RECT{u * unit, rect.top, (u + 1) * unit, rect.bottom}, false);
      }
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    const int pictureLeft = look.indentUnits * unit;
    DrawPicture(dc, look.picture, RECT{pictureLeft, rect.top, pictureLeft + unit, rect.bottom},
                source_.StretchPictures());
    RECT text{pictureLeft + unit + 2, rect.top, rect.right, rect.bottom};
    SetTextColor(dc, ToColorRef(look.textColor));
    const std::wstring wide = ToWide(look.text);
    DrawTextW(dc, wide.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (look.current && source_.DrawFocusRect()) {
      RECT focus{pictureLeft + unit, rect.top, rect.right, rect.bottom};
      DrawFocusRect(dc, &focus);
    }
  }

  void Scroll(int request) {
    int top = source_.TopRow();
    switch (request) {
      case SB_LINEUP:
        --top;
        break;
      case SB_LINEDOWN:
        ++top;
        break;
      case SB_PAGEUP:
        top -= PageRows();
        break;
      case SB_PAGEDOWN:
        top += PageRows();
        break;
      default: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(hwnd_, SB_VERT, &info);
        top = info.nTrackPos;
      }
    }
    source_.SetTopRow(std::clamp(top, 0, std::max(0, source_.RowCount() - PageRows())));
    Refresh();
  }

  void MouseMoved(WPARAM wParam, int x, int y) {
    if (!tracking_) {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
      TrackMouseEvent(&track);
      tracking_ = true;
      source_.MouseEnter();
    }
    source_.MouseMove(MouseShift(wParam), x, y);
    if (hint_.Shown() && hint_.Covers(y)) return;
    hint_.Hide();
    RECT client;
    GetClientRect(hwnd_, &client);
    if (const auto look = source_.HintAt(x, y, client.right)) hint_.Show(hwnd_, *look);
  }

  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (msg) {
      case WM_PAINT:
        Paint();
        return 0;
      case WM_ERASEBKGND:
        return 1;  // every pixel is painted by the rows
      case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTALLKEYS;
      // The left button's messages (513, 514, 515) leave a hint shown.
      case WM_LBUTTONDOWN:
        SetFocus(hwnd_);
        source_.MouseDown(true, MouseShift(wParam), x, y);
        return 0;
      case WM_LBUTTONUP:
        return 0;
      case WM_LBUTTONDBLCLK:
        source_.DblClick(x);
        return 0;
      case WM_RBUTTONDOWN:
        hint_.Hide();
        source_.MouseDown(false, MouseShift(wParam), x, y);
        return 0;
      case WM_KEYDOWN:
        hint_.Hide();
        source_.KeyDown(static_cast<uint16_t>(wParam), ShiftState());
        return 0;
      case WM_MOUSEMOVE:
        MouseMoved(wParam, x, y);
        return 0;
      case WM_MOUSELEAVE:
        tracking_ = false;
        hint_.Hide();
        source_.MouseLeave();
        return 0;
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        source_.FocusChanged(msg == WM_SETFOCUS);
        Refresh();
        return 0;
      case WM_VSCROLL:
        Scroll(LOWORD(wParam));
        return 0;
      case WM_MOUSEWHEEL:
        Scroll(GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
        return 0;
      case WM_SIZE:
        UpdateScrollBar();
        return 0;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
  }

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32OutlineWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->Handle(msg, wParam, lParam) : DefWindowProcW(hwnd, msg, wParam, lParam);
  }

  OutlineViewSource& source_;
  HWND hwnd_ = nullptr;
  HintWindow hint_;
  bool tracking_ = false;
};

}  // namespace

std::unique_ptr<OutlineWindow> CreateOutlineWindow(OutlineViewSource& source, void* parent,
                                                   int left, int top, int width, int height) {
  return std::make_unique<Win32OutlineWindow>(source, static_cast<HWND>(parent), left, top, width,
                                              height);
}

}  // namespace cd::os

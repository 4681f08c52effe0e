// The rows of the model as the views draw them, and the views' input passed on.
#include "outline/outline_view_source.h"

#include "outline/long_node_hint.h"
#include "outline/my_node.h"
#include "outline/object_outline.h"
#include "outline/outline_layout.h"
#include "outline/outline_rows.h"

namespace cd {
namespace {

bool HasLaterSibling(const TOutlineNode& node) {
  const TOutlineNode* parent = node.Parent();
  return parent && &parent->Child(parent->ChildCount() - 1) != &node;
}

std::string DisplayText(const TOutlineNode& node) {
  const auto* myNode = dynamic_cast<const TMyNode*>(&node);
  return myNode ? myNode->GetText() : node.Text();
}

}  // namespace

TOutlineViewSource::TOutlineViewSource(TObjectOutline& outline) : outline_(outline) {
  ownDrawInfo_ = !outline_.onGetDrawOutlineInfo && !outline_.onGetDrawOutlineInfoEx;
  if (ownDrawInfo_)
    outline_.onGetDrawOutlineInfo = [this](TOutlineNode& node, TDrawOutlineInfo& info) {
      const std::string text = DisplayText(node);
      info = DefaultDrawInfo(outline_, node, window_ ? window_->TextWidth(text) : 0);
    };
}

TOutlineViewSource::~TOutlineViewSource() {
  outline_.onInvalidate = nullptr;
  outline_.onInvalidateRow = nullptr;
  if (ownDrawInfo_) outline_.onGetDrawOutlineInfo = nullptr;
  window_.reset();
}

void TOutlineViewSource::Show(void* parent) {
  window_ = os::CreateOutlineWindow(*this, parent, outline_.Left(), outline_.Top(),
                                    outline_.Width(), outline_.Height());
  outline_.onInvalidate = [this] { window_->Refresh(); };
  outline_.onInvalidateRow = [this](int row) { window_->RefreshRow(row); };
}

void TOutlineViewSource::Place() {
  if (window_)
    window_->SetBounds(outline_.Left(), outline_.Top(), outline_.Width(), outline_.Height());
}

int TOutlineViewSource::RowCount() {
  return outline_.RowCount();
}
int TOutlineViewSource::TopRow() {
  return outline_.TopRow();
}
void TOutlineViewSource::SetTopRow(int row) {
  outline_.SetTopRow(row);
}
int TOutlineViewSource::RowHeight() {
  return outline_.DefaultRowHeight();
}
bool TOutlineViewSource::DrawFocusRect() {
  return focused_ && InSet(outline_.Options(), TOutlineOption::ooDrawFocusRect);
}
bool TOutlineViewSource::StretchPictures() {
  return InSet(outline_.Options(), TOutlineOption::ooStretchBitmaps);
}
int32_t TOutlineViewSource::Background() {
  return outline_.Color();
}
std::string TOutlineViewSource::Listing() {
  return OutlineRows(outline_);
}

os::OutlineRowLook TOutlineViewSource::Row(int row) {
  os::OutlineRowLook look;
  TOutlineNode* node = outline_.NodeAtRow(row);
  if (!node) return look;
  look.text = DisplayText(*node);
  look.indentUnits = IndentUnits(outline_, *node);
  // Unit u before the junction carries the line of the ancestor that many levels up.
  for (int u = 0; u + 1 < look.indentUnits; ++u) {
    const TOutlineNode* ancestor = node;
    for (int up = look.indentUnits - 1 - u; up > 0 && ancestor; --up) ancestor = ancestor->Parent();
    look.lines.push_back(ancestor && HasLaterSibling(*ancestor));
  }
  look.lastSibling = !HasLaterSibling(*node);
  look.hasChildren = node->HasChildren();
  look.expanded = node->Expanded();
  look.picture = !node->HasChildren() ? os::OutlinePicture::Leaf
                 : node->Expanded()   ? os::OutlinePicture::Open
                                      : os::OutlinePicture::Closed;
  const uint32_t state = outline_.DrawState(*node, focused_);
  TDrawOutlineInfo info;
  outline_.GetDrawInfo(*node, info);
  look.current = (state & kDrawCurrent) != 0;
  look.background = look.current ? info.currentColor : info.normalColor;
  look.textColor = look.current ? kClHighlightText : outline_.Font().Color();
  return look;
}

bool TOutlineViewSource::DrawRow(int row, const os::ViewRect& rect, os::RowPainter& painter) {
  TOutlineNode* node = outline_.NodeAtRow(row);
  return node && outline_.DrawNode(*node, rect, focused_, painter);
}

void TOutlineViewSource::MouseDown(bool leftButton, uint32_t shift, int x, int y) {
  outline_.MouseDown(leftButton ? TMouseButton::mbLeft : TMouseButton::mbRight, shift, x, y);
}
void TOutlineViewSource::DblClick(int x) {
  outline_.DblClick(x);
}
void TOutlineViewSource::KeyDown(uint16_t key, uint32_t shift) {
  outline_.KeyDown(key, shift);
}
void TOutlineViewSource::MouseMove(uint32_t shift, int x, int y) {
  outline_.MouseMove(shift, x, y);
}
void TOutlineViewSource::MouseEnter() {
  outline_.MouseEnter();
}
void TOutlineViewSource::MouseLeave() {
  outline_.MouseLeave();
}

std::optional<os::OutlineHintLook> TOutlineViewSource::HintAt(int x, int y, int clientWidth) {
  const std::optional<TNodeHint> hint = LongNodeHint(outline_, x, y, clientWidth);
  if (!hint) return std::nullopt;
  return os::OutlineHintLook{
      hint->text,      hint->left,       hint->top,       hint->rowTop,
      hint->rowBottom, hint->background, hint->textColor, TNodeHint::kHideTimeout};
}

}  // namespace cd

// TObjectOutline: stored keys, construction, loading, numbering, and the mouse and key rules.
#include "outline/object_outline.h"

#include <algorithm>

#include "base/exceptions.h"
#include "config/config_io.h"
#include "config/string_list.h"
#include "outline/file_list_carrier.h"
#include "outline/node_message.h"
#include "outline/outline_feedback.h"
#include "outline/outline_node.h"
#include "outline/windowed_control.h"
#include "util/format.h"

namespace cd {
namespace {

using T = TObjectOutline;

// The owner unless it answers the creation message with a non-zero result.
TComponent* OwnerAfterAsking(TComponent* owner, TObjectOutline& control) {
  auto* receiver = dynamic_cast<INodeMessageReceiver*>(owner);
  if (!receiver) return owner;
  TNodeMessage message;
  message.msg = kOutlineCreatedMessage;
  message.control = &control;
  receiver->NodeMessage(message);
  return message.result == 0 ? owner : nullptr;
}

bool Has(uint32_t styles, TOutlineStyle style) {
  return InSet(styles, style);
}

}  // namespace

TOutlineFileType OutlineFileType(const std::string& fileName) {
  if (fileName.empty()) throw Exception("TObjectOutline.GetFileType: aFileName='");
  const size_t dot = fileName.find_last_of(".\\/:");
  const std::string ext =
      dot == std::string::npos || fileName[dot] != '.' ? "" : fileName.substr(dot, 4);
  if (SameText(ext, ".dfm") || SameText(ext, ".otx")) return TOutlineFileType::ObjectText;
  if (SameText(ext, ".oty")) return TOutlineFileType::BinaryObjects;
  throw Exception("TObjectOutline.GetFileType: Unknown File Type - " + fileName);
}

// The keys from DefaultRowHeight to OutlineStyles belong to the binary node storage mode,
// which is the mode of this program. RowCount is the number of visible rows: written for
// people to read, ignored when read (the nodes read decide the rows).
const TClassInfo& TObjectOutline::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<T>("TObjectOutline", &TNewCustomOutline::StaticClass())
          .Int(
              "DefaultRowHeight", [](const T& o) { return o.DefaultRowHeight(); },
              [](T& o, int32_t v) { o.SetDefaultRowHeight(v); })
          .Int("ColCount", &T::colCount_, 5)
          .Int(
              "RowCount", [](const T& o) { return const_cast<T&>(o).RowCount(); },
              [](T&, int32_t) {}, 5)
          .Int("FixedRows", &T::fixedRows_, 1)
          .Int("FixedCols", &T::fixedCols_, 1)
          .Bool("DefaultDrawing", &T::defaultDrawing_, true)
          .Set("OutlineStyles", &T::outlineStyles_, OutlineStyleType())
          .Int(
              "Tag", [](const T& o) { return o.Tag(); }, [](T& o, int32_t v) { o.SetTag(v); })
          .Object("Font", [](T& o) { return &o.font_; })
          .Int(
              "Color", [](const T& o) { return o.color_; }, [](T& o, int32_t v) { o.color_ = v; },
              {}, &ColorIdents())
          .Enum("Align", &T::align_, AlignType())
          .Reference(
              "PopupMenu", [](const T& o) { return o.popupMenu_; },
              [](T& o, TComponent* c) { o.popupMenu_ = c; })
          .Set(
              "Options", [](const T& o) { return o.options_; },
              [](T& o, uint32_t v) { o.SetOptions(v); }, OutlineOptionType())
          .Event("OnDblClick", &T::onDblClickName_)
          .Enum("BorderStyle", &T::borderStyle_, BorderStyleType())
          .Bool("CTL3D", &T::ctl3D_)
          .Str(
              "FileName", [](const T& o) { return o.FileName(); },
              [](T& o, const std::string& v) { o.SetFileName(v); })
          .Event("OnMouseLeave", &T::onMouseLeaveName_)
          .Event("OnMouseEnter", &T::onMouseEnterName_)
          .Event("OnNodeClick", &T::onNodeClickName_)
          .Event("OnDrawNode", &T::onDrawNodeName_)
          .Event("OnGetDrawOutlineInfo", &T::onGetDrawOutlineInfoName_)
          .Event("OnGetDrawOutlineInfoEx", &T::onGetDrawOutlineInfoExName_)
          .Event("OnSelectedItemChange", &T::onSelectedItemChangeName_)
          .Event("OnKeyDown", &T::onKeyDownName_)
          .Event("OnKeyUp", &T::onKeyUpName_)
          .Event("OnMouseUp", &T::onMouseUpName_)
          .Bool("ShowHint", &T::showHint_)
          .Event("OnExpand", &T::onExpandName_)
          .Event("OnCollapse", &T::onCollapseName_)
          .Object("FileSourcer", [](T& o) { return &o.fileSourcer_; })
          .Int("AutoIncrementCount", &T::autoIncrementCount_)
          .Build();
  return info;
}

TObjectOutline::TObjectOutline(TComponent* owner)
    : TNewCustomOutline(nullptr), fileSourcer_(this), savedHintPause_(HintPause()) {
  fileSourcer_.SetOnLoad([this](TStream* stream, const std::string& fileName) {
    if (stream)
      LoadFromStream(*stream, fileName);
    else
      Clear();
  });
  TComponent* kept = OwnerAfterAsking(owner, *this);
  if (!kept) return;
  kept->InsertComponent(std::unique_ptr<TComponent>(this));
  if (!dynamic_cast<IWindowedControl*>(kept)) return;
  parent_ = kept;
  options_ = 0;
  font_.SetSize(9);
  scrollBars_ = TScrollStyle::ssVertical;
}

TObjectOutline::~TObjectOutline() {
  HintPause() = savedHintPause_;
}

void TObjectOutline::CollectFileLists(TStringList& names) const {
  auto& self = const_cast<TObjectOutline&>(*this);
  for (int i = 1; i <= self.ItemCount(); ++i)
    if (const auto* carrier = dynamic_cast<const IFileListCarrier*>(&self.Items(i)))
      for (const std::string& name : carrier->FileList().Items()) names.Add(name);
}

void TObjectOutline::LoadFromStream(TStream& stream, const std::string& fileName) {
  Clear();
  if (OutlineFileType(fileName) == TOutlineFileType::BinaryObjects)
    throw Exception(Format("TObjectOutline.LoadFromFile: Wrong File Type (\"%s\")", {fileName}));
  const std::string name = Name();
  ReadObject(stream, *this);
  if (!SameText(Name(), name)) SetName(name);
}

void TObjectOutline::Loaded() {
  TNewCustomOutline::Loaded();
  // A file read by the sourcer is read into this control and comes here again.
  if (!fileSourcer_.Loading()) fileSourcer_.Loaded();
  NumberNodes(0);
  NumberNodes(1);
}

void TObjectOutline::NumberNodes(int pass) {
  for (int i = 1; i <= ItemCount(); ++i) {
    TNodeMessage message;
    message.msg = kNumberNodesMessage;
    message.wParam = pass;
    message.counter = &autoIncrementCount_;
    Items(i).NodeMessage(message);
  }
}

bool TObjectOutline::GetDrawInfo(TOutlineNode& node, TDrawOutlineInfo& info) const {
  if (onGetDrawOutlineInfoEx)
    onGetDrawOutlineInfoEx(node, info);
  else if (onGetDrawOutlineInfo)
    onGetDrawOutlineInfo(node, info);
  else
    return false;
  return true;
}

bool TObjectOutline::InExpander(TOutlineNode& node, int x) const {
  TDrawOutlineInfo info;
  return GetDrawInfo(node, info) && x >= info.expanderLeft && x <= info.expanderRight;
}

// A press outside every row leaves the tree alone: the current node is not under the mouse.
void TObjectOutline::MouseDown(TMouseButton button, uint32_t shift, int x, int y) {
  if (button != TMouseButton::mbLeft || (shift & kShiftKey)) return;
  TOutlineNode* node = NodeAtRow(RowAt(y));
  if (!node) return;
  SelectNode(*node);
  TOutlineNode& current = CurrentNode();
  if (current.HasChildren() && InExpander(current, x)) {
    current.SetExpanded(!current.Expanded());
    return;
  }
  if (onNodeClick) onNodeClick(*this, current);
}

// A double click in the expander area was a press there first, which toggled already.
void TObjectOutline::DblClick(int x) {
  if (onDblClick) onDblClick(*this);
  TOutlineNode& current = CurrentNode();
  if (current.IsRoot() || !current.HasChildren()) return;
  if (!InExpander(current, x)) current.SetExpanded(!current.Expanded());
}

void TObjectOutline::KeyDown(uint16_t key, uint32_t shift) {
  if (key != kKeyReturn) {
    TNewCustomOutline::KeyDown(key, shift);
    return;
  }
  if (ItemCount() == 0) return;
  TOutlineNode* node = NodeAtRow(Row());
  if (!node) return;
  if (node->HasChildren())
    node->SetExpanded(!node->Expanded());
  else if (onNodeClick)
    onNodeClick(*this, *node);
}

void TObjectOutline::MouseMove(uint32_t shift, int, int y) {
  if (!Has(outlineStyles_, TOutlineStyle::os_MouseMoveSensitive) || (shift & kShiftKey)) return;
  const int row = RowAt(y);
  if (row < TopRow() || row >= TopRow() + VisibleRowCount()) return;
  TOutlineNode* node = NodeAtRow(row);
  const int hoverRow = hover_ ? RowOfNode(*hover_) : -1;
  if (!node || row == hoverRow) return;
  if (hover_) {
    if (onMouseLeave) onMouseLeave(*this, *hover_);
    InvalidateRow(hoverRow);
  }
  hover_ = node;
  if (onMouseEnter) onMouseEnter(*this, *node);
  InvalidateRow(row);
}

void TObjectOutline::MouseEnter() {
  if (Has(outlineStyles_, TOutlineStyle::os_LongNodeHint)) HintPause() = 0;
}

void TObjectOutline::MouseLeave() {
  if (Has(outlineStyles_, TOutlineStyle::os_LongNodeHint)) HintPause() = savedHintPause_;
  if (Has(outlineStyles_, TOutlineStyle::os_MouseMoveSensitive) && hover_) {
    InvalidateRow(RowOfNode(*hover_));
    hover_ = nullptr;
  }
}

uint32_t TObjectOutline::DrawState(TOutlineNode& node, bool focused) {
  uint32_t state = 0;
  if (RowOfNode(node) == Row() && ItemCount() > 0) state |= kDrawCurrent;
  if (&node == hover_) state |= kDrawHover;
  if (focused) state |= kDrawFocused;
  return state;
}

bool TObjectOutline::DrawNode(TOutlineNode& node, const os::ViewRect& rect, bool focused,
                              os::RowPainter& painter) {
  if (!onDrawNode || ItemCount() == 0) return false;
  onDrawNode(*this, node, rect, DrawState(node, focused), painter);
  return true;
}

void TObjectOutline::Clear() {
  TNewCustomOutline::Clear();
  hover_ = nullptr;
}

void TObjectOutline::NodeRemoving(TOutlineNode& node) {
  TNewCustomOutline::NodeRemoving(node);
  if (Within(hover_, node)) hover_ = nullptr;
}

}  // namespace cd

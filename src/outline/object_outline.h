// TObjectOutline: the outline control the dialogs place on their forms. It adds hover
// tracking, clicks and keys on nodes, owner drawing, hints for nodes too long for their row,
// and nodes loaded from FileName through its file sourcer. A configuration carries one as the
// files manager's selection outline; the engine only asks it for the file names of its
// selection nodes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "config/file_sourcer.h"
#include "outline/draw_outline_info.h"
#include "outline/font.h"
#include "outline/new_custom_outline.h"
#include "outline/outline_input.h"
#include "platform/outline_view.h"

namespace cd {

class TStringList;

// The kind of an outline file, by the first four characters of its extension.
enum class TOutlineFileType { ObjectText, BinaryObjects };
// ".dfm" and ".otx" are object text, ".oty" binary objects; fails with
// "TObjectOutline.GetFileType: aFileName='" for an empty name and "TObjectOutline.GetFileType:
// Unknown File Type - <name>" for any other extension.
TOutlineFileType OutlineFileType(const std::string& fileName);

class TObjectOutline : public TNewCustomOutline {
 public:
  // The owner is first sent the message 12318 with the new control (when it answers node
  // messages); a non-zero answer leaves the control without owner. A windowed control kept
  // as owner also becomes the parent, and the control then starts plain: no Options, a font
  // of 9 points and only the vertical scroll bar. (The program has no design mode, in which
  // a control would keep its defaults.)
  explicit TObjectOutline(TComponent* owner);
  ~TObjectOutline() override;

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Adds the file names of every selection node (a node that carries a file list) to names.
  virtual void CollectFileLists(TStringList& names) const;

  uint32_t OutlineStyles() const { return outlineStyles_; }
  void SetOutlineStyles(uint32_t styles) { outlineStyles_ = styles; }
  int32_t AutoIncrementCount() const { return autoIncrementCount_; }
  TFont& Font() { return font_; }
  // The windowed control this one is shown in; nullptr when it has none.
  TComponent* Parent() const { return parent_; }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  TFileSourcer& FileSourcer() { return fileSourcer_; }
  const std::string& FileName() const { return fileSourcer_.FileName(); }
  void SetFileName(const std::string& name) { fileSourcer_.SetFileName(name); }
  bool ShowHint() const { return showHint_; }
  TOutlineNode* HoverNode() const { return hover_; }

  // Clears the nodes, then reads the file's object text into this control (its Name stays).
  // ".oty" fails with "TObjectOutline.LoadFromFile: Wrong File Type ("<name>")".
  void LoadFromStream(TStream& stream, const std::string& fileName);

  // Input from the view, in pixels from the control's top left corner.
  void MouseDown(TMouseButton button, uint32_t shift, int x, int y);
  void DblClick(int x);
  void KeyDown(uint16_t key, uint32_t shift) override;
  void MouseMove(uint32_t shift, int x, int y);
  void MouseEnter();
  void MouseLeave();

  // The drawing information of node through the handler (the Ex one preferred); false when
  // no handler is assigned.
  bool GetDrawInfo(TOutlineNode& node, TDrawOutlineInfo& info) const;
  // The draw state bits of node's row.
  uint32_t DrawState(TOutlineNode& node, bool focused);
  // Draws node's row through onDrawNode, with its draw state, when nodes exist and a handler
  // is assigned; false otherwise, and the view's default drawing shows the row.
  bool DrawNode(TOutlineNode& node, const os::ViewRect& rect, bool focused,
                os::RowPainter& painter);

  void Clear() override;
  void NodeRemoving(TOutlineNode& node) override;
  // Loads the stored file name, then numbers the nodes: every node is sent 47823 with pass 0
  // and then with pass 1, counting in AutoIncrementCount.
  void Loaded() override;

  std::function<void(TObjectOutline&, TOutlineNode&)> onNodeClick;
  std::function<void(TObjectOutline&, TOutlineNode&)> onMouseEnter;
  std::function<void(TObjectOutline&, TOutlineNode&)> onMouseLeave;
  std::function<void(TObjectOutline&)> onDblClick;
  std::function<void(TOutlineNode&, TDrawOutlineInfo&)> onGetDrawOutlineInfo;
  std::function<void(TObjectOutline&, TOutlineNode&, const os::ViewRect&, uint32_t state,
                     os::RowPainter&)>
      onDrawNode;
  std::function<void(TOutlineNode&, TDrawOutlineInfo&)> onGetDrawOutlineInfoEx;

 private:
  bool InExpander(TOutlineNode& node, int x) const;
  void NumberNodes(int pass);

  uint32_t outlineStyles_ = 0;
  TFont font_;
  TComponent* parent_ = nullptr;
  TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
  TAlign align_ = TAlign::alNone;
  TComponent* popupMenu_ = nullptr;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  bool ctl3D_ = true;
  bool showHint_ = false;
  TFileSourcer fileSourcer_;
  int32_t autoIncrementCount_ = 0;
  TOutlineNode* hover_ = nullptr;
  int savedHintPause_;

  // The names of the event handlers a stored form binds; kept and written back.
  std::string onDblClickName_, onMouseLeaveName_, onMouseEnterName_, onNodeClickName_,
      onDrawNodeName_, onGetDrawOutlineInfoName_, onGetDrawOutlineInfoExName_,
      onSelectedItemChangeName_, onKeyDownName_, onKeyUpName_, onMouseUpName_, onExpandName_,
      onCollapseName_;
};

}  // namespace cd

// TQXForm: the base of the publisher's content windows and of the selection dialogs. A form
// is made by Create, which loads its stored layout class level by class level; it tells the
// forms embedded in it when it is shown, hidden or closed, and passes requests down to them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "config/component.h"
#include "forms/control_list.h"
#include "outline/font.h"
#include "outline/windowed_control.h"
#include "platform/form_view.h"

namespace cd {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

class TQXForm : public TComponent, public IWindowedControl {
 public:
  // Notifications a form and its embedded forms receive.
  static constexpr int kFormCloseMessage = 10794;
  static constexpr int kFormShowMessage = 10795;
  static constexpr int kFormHideMessage = 10796;
  // Requests of the request handler: the close query, and binding an address item.
  static constexpr int kRequestCloseQuery = 10;
  static constexpr int kRequestBind = 5;

  // A form without its layout: what the registry's factory and the stored defaults use.
  explicit TQXForm(TComponent* owner);
  ~TQXForm() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Creates a form of class cls (TQXForm or a class derived from it), owned by owner (the
  // caller owns it without one), and loads its stored layout level by level; fails with
  // "Resource %s not found" when no level has one, and then no form is left behind.
  static TQXForm* Create(const TClassInfo& cls, TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v) { caption_ = v; }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
  int32_t ClientWidth() const { return clientWidth_; }
  int32_t ClientHeight() const { return clientHeight_; }
  int32_t Color() const { return color_; }
  TFont& Font() { return font_; }
  bool Scaled() const { return scaled_; }
  // The background bitmap switcher, read-only: the one of the form's first embedded
  // navigation window. The forms of this program embed no navigation window, so a form has
  // none, and its background is erased in the form colour.
  TComponent* BkgndBmp() const { return nullptr; }
  // The names of the handlers the layout attaches ("FormShow").
  const std::string& OnShowName() const { return onShow_; }
  const TControlList& Controls() const { return controls_; }
  // The window a stored form was created in; 0 for a top-level form.
  uintptr_t ParentWindow() const { return parentWindow_; }
  void SetParentWindow(uintptr_t window) { parentWindow_ = window; }

  // Forms shown inside this one (not owned); a form leaves before it is destroyed.
  void Embed(TQXForm* form);
  void Unembed(TQXForm* form);
  const std::vector<TQXForm*>& EmbeddedForms() const { return embedded_; }

  // Send kFormShowMessage, kFormHideMessage and kFormCloseMessage to this form and,
  // depth first, to every embedded form; FormShow then calls OnFormShown.
  void FormShow();
  void FormHide();
  void FormClose();
  // Passes kRequestCloseQuery to the embedded forms, depth first, then to this form.
  void FormCloseQuery(bool& canClose);
  void FormCreate() {}
  // The view's window took a new client size; the base form keeps its controls where they are.
  virtual void FormResize(int /*clientWidth*/, int /*clientHeight*/) {}

  // A notification sent to this form; the base does nothing with it.
  virtual void Notify(int /*message*/) {}
  // A request of the form framework: kRequestBind shows "Nothing to bind on AddrItem - "
  // with the name of item when it is a component; others are ignored.
  virtual void HandleRequest(int request, TPersistent* item);

  // The view of this form with a view of each of its controls, not yet shown.
  std::unique_ptr<os::FormView> CreateView();

  void GetChildren(const std::function<void(TComponent*)>& proc) const override;
  void ReadChild(TComponent* child) override { controls_.Add(child); }

 private:
  void Broadcast(int message);
  void PassRequest(int request, TPersistent* item);

  std::string caption_;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  int32_t left_ = 0;
  int32_t top_ = 0;
  int32_t clientWidth_ = 0;
  int32_t clientHeight_ = 0;
  int32_t color_;
  TFont font_;
  bool scaled_ = true;
  std::string onClose_, onCloseQuery_, onCreate_, onHide_, onShow_;
  TControlList controls_;
  std::vector<TQXForm*> embedded_;
  uintptr_t parentWindow_ = 0;
};

}  // namespace cd

// TQXForm: stored keys, creation with the stored layout, notifications and requests.
#include "forms/qx_form.h"

#include <algorithm>

#include "base/exceptions.h"
#include "forms/form_hooks.h"
#include "forms/form_layout.h"
#include "outline/colors.h"
#include "util/format.h"

namespace cd {

const TEnumTypeInfo& FormBorderStyleType() {
  static const TEnumTypeInfo type{
      "TFormBorderStyle",
      {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
  return type;
}

const TClassInfo& TQXForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TQXForm>("TQXForm", &TComponent::StaticClass())
          .Int("Left", &TQXForm::left_)
          .Int("Top", &TQXForm::top_)
          .Enum("BorderStyle", &TQXForm::borderStyle_, FormBorderStyleType())
          .Str("Caption", &TQXForm::caption_)
          .Int("ClientHeight", &TQXForm::clientHeight_)
          .Int("ClientWidth", &TQXForm::clientWidth_)
          .Int(
              "Color", [](const TQXForm& f) { return f.color_; },
              [](TQXForm& f, int32_t v) { f.color_ = v; }, {}, &ColorIdents())
          .Object("Font", [](TQXForm& f) { return &f.font_; })
          .Bool("Scaled", &TQXForm::scaled_)
          .Event("OnClose", &TQXForm::onClose_)
          .Event("OnCloseQuery", &TQXForm::onCloseQuery_)
          .Event("OnCreate", &TQXForm::onCreate_)
          .Event("OnHide", &TQXForm::onHide_)
          .Event("OnShow", &TQXForm::onShow_)
          .Reference(
              "BkgndBmp", [](const TQXForm& f) { return f.BkgndBmp(); }, nullptr)
          .Build();
  return info;
}

TQXForm::TQXForm(TComponent* owner) : TComponent(owner), color_(kClBtnFace) {}

TQXForm::~TQXForm() = default;

TQXForm* TQXForm::Create(const TClassInfo& cls, TComponent* owner) {
  if (!cls.InheritsFrom(StaticClass()) || !cls.create)
    throw Exception(Format("Class %s is not a form", {cls.name}));
  std::unique_ptr<TQXForm> form(static_cast<TQXForm*>(cls.create(owner)));
  if (!ReadFormLayout(*form)) throw Exception(Format("Resource %s not found", {cls.name}));
  return form.release();  // the owner's list holds it when there is one
}

void TQXForm::Embed(TQXForm* form) {
  if (form && form != this &&
      std::find(embedded_.begin(), embedded_.end(), form) == embedded_.end())
    embedded_.push_back(form);
}

void TQXForm::Unembed(TQXForm* form) {
  std::erase(embedded_, form);
}

void TQXForm::Broadcast(int message) {
  Notify(message);
  for (TQXForm* form : embedded_) form->Broadcast(message);
}

void TQXForm::FormShow() {
  Broadcast(kFormShowMessage);
  if (OnFormShown()) OnFormShown()(*this);
}

void TQXForm::FormHide() {
  Broadcast(kFormHideMessage);
}

void TQXForm::FormClose() {
  Broadcast(kFormCloseMessage);
}

void TQXForm::PassRequest(int request, TPersistent* item) {
  for (TQXForm* form : embedded_) form->PassRequest(request, item);
  HandleRequest(request, item);
}

void TQXForm::FormCloseQuery(bool& /*canClose*/) {
  PassRequest(kRequestCloseQuery, nullptr);
}

void TQXForm::HandleRequest(int request, TPersistent* item) {
  if (request != kRequestBind) return;
  auto* component = dynamic_cast<TComponent*>(item);
  ShowFormMessage("Nothing to bind on AddrItem - " +
                  (component ? component->Name() : std::string()));
}

std::unique_ptr<os::FormView> TQXForm::CreateView() {
  os::FormLook look;
  look.className = ClassName();
  look.caption = caption_;
  look.clientWidth = clientWidth_;
  look.clientHeight = clientHeight_;
  look.borderless = borderStyle_ == TFormBorderStyle::bsNone;
  look.fontName = font_.Name();
  look.fontHeight = font_.Height();
  look.color = color_;
  look.paintBackground = color_ != kClNone;
  look.onClose = [this] { FormClose(); };
  look.onResize = [this](int width, int height) { FormResize(width, height); };
  std::unique_ptr<os::FormView> view = os::CreateFormView(look);
  for (TControl* control : controls_.Items()) control->CreateView(*view, -1);
  return view;
}

void TQXForm::GetChildren(const std::function<void(TComponent*)>& proc) const {
  controls_.ForEach(proc);
}

}  // namespace cd

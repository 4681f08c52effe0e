// TSelInstForm: the layout's controls, the show and resize rules, the moves, the console loop
// and the event answers of the component selection.
#include "runner/sel_inst_form.h"

#include <algorithm>
#include <charconv>

#include "base/exceptions.h"
#include "config/component.h"
#include "config/string_list.h"
#include "forms/button.h"
#include "forms/form_hooks.h"
#include "forms/label.h"
#include "install/hooks.h"
#include "outline/file_list_carrier.h"
#include "outline/lookup_item.h"
#include "outline/object_outline.h"
#include "outline/outline_rows.h"
#include "outline/outline_view_source.h"
#include "util/format.h"

namespace cd {
namespace {

constexpr int kTopPanelHeight = 19;
constexpr int kModalPanelHeight = 37;
constexpr const char* kNoSelection[2] = {"Choose available component first!",
                                         "Choose selected component first!"};

template <typename T>
T& Control(const TComponent& form, const char* name) {
  auto* control = dynamic_cast<T*>(form.FindComponent(name));
  if (!control) throw Exception(Format("TSelInstForm: The layout has no %s", {name}));
  return *control;
}

std::string LabelText(const TComponent& form, const char* name) {
  return Control<TLabel>(form, name).Caption();
}

// The silent run's answer: the preselection, accepted at once.
class TAcceptAtOnce : public os::SelectionView {
 public:
  std::optional<std::string> Ask(const std::string&) override { return std::string(); }
};

// The path of node texts of every node below node, in row order.
void CollectPaths(TOutlineNode& node, const std::string& prefix, std::vector<std::string>& paths) {
  for (int i = 0; i < node.ChildCount(); ++i) {
    TOutlineNode& child = node.Child(i);
    paths.push_back(prefix + child.Text());
    CollectPaths(child, paths.back() + "\\", paths);
  }
}

TOutlineNode* FindPath(TOutlineNode& root, const std::string& path) {
  TOutlineNode* node = &root;
  size_t from = 0;
  while (node) {
    const size_t end = std::min(path.find('\\', from), path.size());
    const std::string text = path.substr(from, end - from);
    TOutlineNode* found = nullptr;
    for (int i = 0; i < node->ChildCount() && !found; ++i)
      if (SameText(node->Child(i).Text(), text)) found = &node->Child(i);
    node = found;
    if (end == path.size()) break;
    from = end + 1;
  }
  return node;
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Rows(TObjectOutline& side) {
  return side.RowCount() ? OutlineRows(side) : "  (none)\n";
}

// Runs a handler of the window: its failure is shown and the dialog stays open.
template <typename F>
void Reported(F&& handler) {
  try {
    handler();
  } catch (const Exception& failure) {
    ShowFormMessage(failure.Message());
  }
}

}  // namespace

const TClassInfo& TSelInstForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSelInstForm>("TSelInstForm", &TEOlnMultiSelector::StaticClass()).Build();
  return info;
}

TSelInstForm::TSelInstForm(TComponent* owner) : TEOlnMultiSelector(owner) {
  SetOptions(so_ReportParents);
}

TSelInstForm::~TSelInstForm() = default;

std::unique_ptr<TSelInstForm> TSelInstForm::New(std::unique_ptr<os::SelectionView> view) {
  std::unique_ptr<TSelInstForm> form(
      static_cast<TSelInstForm*>(TQXForm::Create(StaticClass(), nullptr)));
  form->view_ = std::move(view);
  form->Bind();
  return form;
}

void TSelInstForm::Bind() {
  fromOln_ = &Control<TObjectOutline>(*this, "FromOln");
  toOln_ = &Control<TObjectOutline>(*this, "ToOln");
  topPanel_ = &Control<TControl>(*this, "Panel1");
  middlePane_ = &Control<TControl>(*this, "MiddlePane");
  modalPanel_ = &Control<TControl>(*this, "ModalPanel");
  Control<TButton>(*this, "MoveFrom").SetOnClick([this](TButton&) {
    Reported([this] { MoveFromClick(); });
  });
  Control<TButton>(*this, "MoveTo").SetOnClick([this](TButton&) {
    Reported([this] { MoveToClick(); });
  });
  for (const char* name : {"BitBtn1", "BitBtn2"})
    Control<TButton>(*this, name).SetOnClick([this](TButton& button) {
      EndModal(button.ModalResult());
    });
  fromOln_->onNodeClick = [this](TObjectOutline&, TOutlineNode& node) {
    Reported([&] { RequestMove(0, node); });
  };
  toOln_->onNodeClick = [this](TObjectOutline&, TOutlineNode& node) {
    Reported([&] { RequestMove(1, node); });
  };
}

TObjectOutline* TSelInstForm::CreateSideOutline(int side) {
  if (side == 0) return fromOln_;
  if (side == 1) return toOln_;
  return nullptr;
}

void TSelInstForm::FormShow() {
  TQXForm::FormShow();
  fromOln_->CollapseLevel(2);
}

// The top and bottom panels span the width; the sides and the middle pane share the height
// between them. A window made smaller than its panels (or minimised) leaves sizes of 0.
void TSelInstForm::FormResize(int clientWidth, int clientHeight) {
  TControl& middle = *middlePane_;
  const int width = std::max(0, (clientWidth - middle.Width()) / 2);
  const int height = std::max(0, clientHeight - kTopPanelHeight - kModalPanelHeight);
  topPanel_->SetBounds(0, 0, clientWidth, kTopPanelHeight);
  fromOln_->SetBounds(0, kTopPanelHeight, width, height);
  middle.SetBounds(width, kTopPanelHeight, middle.Width(), height);
  const int toLeft = width + middle.Width();
  toOln_->SetBounds(toLeft, kTopPanelHeight, std::max(0, clientWidth - toLeft), height);
  modalPanel_->SetBounds(0, kTopPanelHeight + height, clientWidth, kModalPanelHeight);
  for (TControl* control : {topPanel_, middlePane_, modalPanel_}) control->PlaceView();
  if (fromView_) fromView_->Place();
  if (toView_) toView_->Place();
}

void TSelInstForm::MoveSelected(int side) {
  TObjectOutline& outline = *CreateSideOutline(side);
  const int selected = outline.SelectedItem();
  if (selected < 1) throw Exception(kNoSelection[side]);
  RequestMove(side, outline.Items(selected));
}

bool TSelInstForm::Command(const std::string& line) {
  const size_t first = line.find_first_not_of(' ');
  if (first == std::string::npos || (line[first] != '>' && line[first] != '<')) return false;
  const int side = line[first] == '>' ? 0 : 1;
  const size_t digits = line.find_first_not_of(' ', first + 1);
  int row = 0;
  if (digits != std::string::npos) {
    const char* end = line.data() + line.size();
    const auto [rest, error] = std::from_chars(line.data() + digits, end, row);
    if (error != std::errc() ||
        std::string_view(rest, end - rest).find_first_not_of(' ') != std::string_view::npos)
      row = 0;
  }
  TObjectOutline& outline = *CreateSideOutline(side);
  TOutlineNode* node = row >= 1 ? outline.NodeAtRow(row - 1) : nullptr;
  if (!node) throw Exception(kNoSelection[side]);
  outline.SelectNode(*node);
  MoveSelected(side);
  return true;
}

std::string TSelInstForm::Listing() {
  return Caption() + "\n" + LabelText(*this, "Label1") + "\n" + Rows(*fromOln_) +
         LabelText(*this, "Label2") + "\n" + Rows(*toOln_) + LabelText(*this, "Label3") + "\n";
}

int TSelInstForm::ShowModal() {
  if (named_) {
    ChooseNamed(*named_);
    return kModalOk;
  }
  if (!view_) return ShowInWindow();
  FormShow();
  while (true) {
    const std::optional<std::string> answer = view_->Ask(Listing());
    if (!answer || *answer == "q" || *answer == "Q") return kModalCancel;
    if (answer->empty()) return kModalOk;
    try {
      Command(*answer);
    } catch (const Exception& failure) {
      ShowFormMessage(failure.Message());
    }
  }
}

int TSelInstForm::ShowInWindow() {
  if (!window_) {
    window_ = CreateView();
    fromView_ = std::make_unique<TOutlineViewSource>(*fromOln_);
    toView_ = std::make_unique<TOutlineViewSource>(*toOln_);
    fromView_->Show(window_->Handle());
    toView_->Show(window_->Handle());
    FormResize(ClientWidth(), ClientHeight());
  }
  modalResult_ = kModalCancel;
  done_ = false;
  FormShow();
  window_->RunModal(done_);
  done_ = true;
  return modalResult_;
}

void TSelInstForm::EndModal(int result) {
  if (done_ || !window_) return;
  modalResult_ = result;
  window_->EndModal(done_);
}

void TSelInstForm::Notify(int message) {
  if (message == kFormCloseMessage) EndModal(kModalCancel);
}

void TSelInstForm::Select(TObjectOutline& outline, TStringList& names) {
  outline_ = &outline;
  names_ = &names;
  Edit([this](uint8_t code, TNodeEventPar* par) { Event(code, par); });
}

void TSelInstForm::SelectNamed(TObjectOutline& outline, TStringList& names,
                               const std::vector<std::string>& components) {
  named_ = &components;
  try {
    Select(outline, names);
  } catch (...) {
    named_ = nullptr;
    throw;
  }
  named_ = nullptr;
}

// The chooser starts with nothing selected (it answers no preselection), so the available
// side holds the whole tree: each named component goes from there to the selected side.
void TSelInstForm::ChooseNamed(const std::vector<std::string>& components) {
  std::vector<std::string> known;
  CollectPaths(fromOln_->RootNode(), "", known);
  for (const std::string& name : components) {
    if (!FindPath(fromOln_->RootNode(), name)) {
      std::string list;
      for (const std::string& each : known) list += (list.empty() ? "" : ", ") + each;
      throw Exception(Format("Unknown component \"%s\"; the components are: %s", {name, list}));
    }
  }
  // A name below a branch named earlier has gone with it.
  for (const std::string& name : components)
    if (TOutlineNode* node = FindPath(fromOln_->RootNode(), name)) RequestMove(0, *node);
}

void TSelInstForm::Event(uint8_t code, TNodeEventPar* par) {
  switch (code) {
    case ne_GetSourceData:
      par->SourceData = outline_;
      break;
    case ne_BeginReport:
      names_->Clear();
      break;
    case ne_Report:
      if (const auto* carrier =
              par->Item ? dynamic_cast<const IFileListCarrier*>(par->Item->ItemObject()) : nullptr)
        for (const std::string& name : carrier->FileList().Items()) names_->Add(name);
      break;
    case ne_GetText:
      par->Text = par->Item ? par->Item->GetText() : std::string();
      break;
    default:
      break;
  }
}

void InstallSelectComponents() {
  OnSelectComponents() = [](TObjectOutline& outline, TStringList& names) {
    static const std::unique_ptr<TSelInstForm> form = TSelInstForm::New(os::CreateSelectionView());
    form->Select(outline, names);
  };
}

void InstallUnattendedSelection() {
  OnSelectComponents() = [](TObjectOutline& outline, TStringList& names) {
    static const std::unique_ptr<TSelInstForm> form =
        TSelInstForm::New(std::make_unique<TAcceptAtOnce>());
    form->Select(outline, names);
  };
}

void InstallNamedSelection(const std::string& components) {
  std::vector<std::string> names;
  size_t from = 0;
  while (from <= components.size()) {
    const size_t comma = std::min(components.find(',', from), components.size());
    const std::string name = Trimmed(components.substr(from, comma - from));
    if (!name.empty()) names.push_back(name);
    from = comma + 1;
  }
  OnSelectComponents() = [names](TObjectOutline& outline, TStringList& chosen) {
    static const std::unique_ptr<TSelInstForm> form =
        TSelInstForm::New(std::make_unique<TAcceptAtOnce>());
    form->SelectNamed(outline, chosen, names);
  };
}

}  // namespace cd

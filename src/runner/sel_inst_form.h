// TSelInstForm: "Select components to install or upgrade", the two-pane chooser of the
// components a selection outline offers, behind the OnSelectComponents hook. Side 0 is
// FromOln (available), side 1 ToOln (selected); acceptance fills the caller's names with the
// file lists of the chosen components.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "forms/e_oln_multi_selector.h"
#include "platform/views.h"

namespace cd {

class TButton;
class TOutlineViewSource;
class TStringList;

class TSelInstForm : public TEOlnMultiSelector {
 public:
  static constexpr int kModalOk = 1;

  explicit TSelInstForm(TComponent* owner);
  ~TSelInstForm() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The form with its stored layout; view answers its modal loop (a console view lists the
  // sides and reads commands). Without a view the form is shown in its own window, built
  // from the layout, with the two sides as outline windows.
  static std::unique_ptr<TSelInstForm> New(std::unique_ptr<os::SelectionView> view);

  // Lets the user choose among outline's components: names is cleared and filled with the
  // chosen components' file names; Cancel raises EAbort.
  void Select(TObjectOutline& outline, TStringList& names);
  // The same without asking: exactly the components named, each by the path of its node texts
  // joined with "\" ("Courses\German", letter case ignored); a branch brings all its leaves.
  // An unknown name fails with a message that lists the names there are.
  void SelectNamed(TObjectOutline& outline, TStringList& names,
                   const std::vector<std::string>& components);

  TObjectOutline& FromOln() const { return *fromOln_; }
  TObjectOutline& ToOln() const { return *toOln_; }
  TObjectOutline* CreateSideOutline(int side) override;

  // The handlers: show (the upper levels of the available side open), resize, the two move
  // buttons. A move button with no row selected on its side fails with "Choose available
  // component first!" or "Choose selected component first!".
  void FormShow();
  void FormResize(int clientWidth, int clientHeight) override;
  void MoveFromClick() { MoveSelected(0); }
  void MoveToClick() { MoveSelected(1); }

  // One command line of the console chooser: "> N" or "< N" moves the node of row N, with the
  // button's failure when that side has no row N. False for a line that is no command.
  bool Command(const std::string& line);
  // Both sides as numbered rows, with the dialog's texts.
  std::string Listing();

  int ShowModal() override;
  // The close box of the window cancels.
  void Notify(int message) override;

 private:
  void Bind();
  int ShowInWindow();
  void EndModal(int result);
  void MoveSelected(int side);
  void Event(uint8_t code, TNodeEventPar* par);
  void ChooseNamed(const std::vector<std::string>& components);

  std::unique_ptr<os::SelectionView> view_;
  TObjectOutline* fromOln_ = nullptr;
  TObjectOutline* toOln_ = nullptr;
  TControl* topPanel_ = nullptr;
  TControl* middlePane_ = nullptr;
  TControl* modalPanel_ = nullptr;
  // The window and its two outline windows, made on the first show and kept.
  std::unique_ptr<os::FormView> window_;
  std::unique_ptr<TOutlineViewSource> fromView_, toView_;
  int modalResult_ = 0;
  bool done_ = true;
  TObjectOutline* outline_ = nullptr;
  TStringList* names_ = nullptr;
  const std::vector<std::string>* named_ = nullptr;
};

// Sets OnSelectComponents to the chooser: on this platform's line view where it has one, else
// in the chooser's window.
void InstallSelectComponents();
// Sets OnSelectComponents to take the preselected components without asking.
void InstallUnattendedSelection();
// Sets OnSelectComponents to take the components named in a comma-separated list (the
// /COMPONENTS switch) without asking.
void InstallNamedSelection(const std::string& components);

}  // namespace cd

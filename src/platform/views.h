// View interfaces of the runner's windows. The portable models in runner/ keep the state and
// rules; a view only shows it: real windows on Windows, a console front end on POSIX.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cd::os {

// The update window ("Installer"): message line, file-name line, bar and two total labels.
class ProgressView {
 public:
  virtual ~ProgressView() = default;
  // Shows the view modally. Once it is on screen, start runs inside the modal loop (on
  // Windows through the start message the window posts to itself); the view closes when start
  // returns or throws, and an exception from start is raised again after it has closed.
  virtual void RunModal(const std::function<void()>& start) = 0;
  // Each setter shows its text at once.
  virtual void SetMessage(const std::string& text) = 0;
  virtual void SetFileName(const std::string& text) = 0;
  virtual void SetTotalText(const std::string& text) = 0;
  virtual void SetCopiedText(const std::string& text) = 0;
  virtual void SetBar(int32_t min, int32_t max, int32_t position) = 0;
  // Handles every pending message of the process, so the view is painted and responsive.
  virtual void ProcessMessages() = 0;
  // A modal notice with the information icon and one OK button.
  virtual void ShowInformation(const std::string& title, const std::string& text) = 0;
};

// The application choice ("CD ROM with multiple VOK Applications:").
class ChoiceView {
 public:
  virtual ~ChoiceView() = default;
  // Shows entries with entry `selected` preselected, modally. The index of the entry chosen
  // with OK, or -1 for any other way of closing (Cancel, Escape, the close box).
  virtual int Choose(const std::vector<std::string>& entries, int selected) = 0;
};

// The destination dialog shows its OK button exactly while the edit field is not empty.
inline bool DestinationOkVisible(const std::string& fieldText) {
  return !fieldText.empty();
}

// Why a destination text cannot be taken; empty when it can.
using DestinationCheck = std::function<std::string(const std::string& text)>;

// The destination question ("Choose destination directory").
class DestinationView {
 public:
  virtual ~DestinationView() = default;
  // Shows prompt above an edit field holding text, modally; the OK button is shown only
  // while the field is not empty. However the dialog is closed, check judges the field's
  // text: a refused text is shown with check's message and the question stays open. Where
  // no one can answer again (answers read from a script, or the end of the input), the
  // message is raised as an Exception. Returns the text taken.
  virtual std::string Ask(const std::string& prompt, const std::string& text,
                          const DestinationCheck& check) = 0;
};

// The component selection ("Select components to install or upgrade") where it is answered
// line by line: the model lists both sides, the view shows the listing and reads one command.
class SelectionView {
 public:
  virtual ~SelectionView() = default;
  // Shows listing and returns the user's command line; nothing at the end of the input.
  virtual std::optional<std::string> Ask(const std::string& listing) = 0;
};

// The views of this platform. Each call creates a new view; windows are made on first show.
std::unique_ptr<ProgressView> CreateProgressView();
std::unique_ptr<ChoiceView> CreateChoiceView();
std::unique_ptr<DestinationView> CreateDestinationView();
// nullptr where the selection is not answered line by line (Windows shows its dialog).
std::unique_ptr<SelectionView> CreateSelectionView();

}  // namespace cd::os

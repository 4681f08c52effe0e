// TELookupForm: a modal form that edits a choice made from data its caller supplies through
// one callback. An edit asks the callback for the source data, fills the form (Populate),
// shows it modally and, unless it was cancelled, reports the choice (Apply).
#pragma once

#include <cstdint>

#include "forms/node_event_par.h"
#include "forms/qx_form.h"

namespace cd {

class TELookupForm : public TQXForm {
 public:
  static constexpr int kModalCancel = 2;
  static constexpr uint8_t kEditModeEdit = 2;

  explicit TELookupForm(TComponent* owner) : TQXForm(owner) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Runs one edit: edit mode 2, DoEditStart, the modal loop; a result other than Cancel is
  // applied, Cancel raises EAbort. EndEdit runs last in every case.
  void Edit(const TNodeEvent& callback);

  uint8_t EditMode() const { return editMode_; }
  // A change makes the border sizeable for mode 2 and none otherwise, then EditModeChanged.
  void SetEditMode(uint8_t mode);
  TPersistent* SourceData() const { return sourceData_; }
  const TNodeEvent& Callback() const { return callback_; }

  // Ends any earlier edit, stores the callback and the source data it answers, then fills the
  // form. Fails with "TELookupForm.DoEditStart: Missing Event" without a callback and
  // "TELookupForm.DoEditStart: Missing SourceData" when it answers none.
  void DoEditStart(const TNodeEvent& callback);

  virtual void Populate() = 0;
  // Forgets the edit's state.
  virtual void EndEdit();
  virtual void Apply(int modalResult) = 0;
  virtual void EditModeChanged() {}
  // Shows the form until the user closes it; the modal result.
  virtual int ShowModal() = 0;

 private:
  uint8_t editMode_ = 0;
  TNodeEvent callback_;
  TPersistent* sourceData_ = nullptr;
};

}  // namespace cd

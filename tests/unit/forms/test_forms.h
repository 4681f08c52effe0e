// Form classes of the form tests: TTestForm records what reaches it; TTestChildForm derives
// from it and has no layout of its own. Both are registered with the form classes.
#pragma once

#include <string>
#include <vector>

#include "config/class_registry.h"
#include "forms/forms_classes.h"
#include "forms/qx_form.h"

namespace cd::test {

// Notifications and requests as "<form name>:<number>", in the order they came.
inline std::vector<std::string>& FormEvents() {
  static std::vector<std::string> events;
  return events;
}

class TTestForm : public TQXForm {
 public:
  explicit TTestForm(TComponent* owner) : TQXForm(owner) {}
  static const TClassInfo& StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TTestForm>("TTestForm", &TQXForm::StaticClass()).Build();
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
  void Notify(int message) override {
    FormEvents().push_back(Name() + ":" + std::to_string(message));
  }
  void HandleRequest(int request, TPersistent* item) override {
    FormEvents().push_back(Name() + ":request " + std::to_string(request));
    TQXForm::HandleRequest(request, item);
  }
};

class TTestChildForm : public TTestForm {
 public:
  explicit TTestChildForm(TComponent* owner) : TTestForm(owner) {}
  static const TClassInfo& StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TTestChildForm>("TTestChildForm", &TTestForm::StaticClass()).Build();
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
};

// Object text as written, with the writer's CR LF line ends as LF.
inline std::string WithLf(std::string text) {
  std::erase(text, '\r');
  return text;
}

inline void RegisterTestForms() {
  RegisterFormsClasses();
  RegisterClass(TTestChildForm::StaticClass());
  FormEvents().clear();
}

}  // namespace cd::test

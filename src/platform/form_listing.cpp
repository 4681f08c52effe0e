// The console listing of a form, shared by the POSIX view and its tests.
#include <algorithm>
#include <sstream>

#include "platform/form_view.h"

namespace cd::os {
namespace {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return "label";
    case ControlKind::Edit:
      return "edit";
    case ControlKind::Button:
      return "button";
    case ControlKind::BitButton:
      return "bitbutton";
    case ControlKind::Panel:
      return "panel";
  }
  return "control";
}

void ListChildren(std::ostringstream& out, const std::vector<ListedControl>& controls, int parent,
                  int depth) {
  std::vector<int> order;
  for (int i = 0; i < static_cast<int>(controls.size()); ++i)
    if (controls[i].parent == parent) order.push_back(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const ControlLook& x = controls[a].look;
    const ControlLook& y = controls[b].look;
    return x.top != y.top ? x.top < y.top : x.left < y.left;
  });
  for (int i : order) {
    const ControlLook& c = controls[i].look;
    out << std::string(2 * depth, ' ') << '[' << KindName(c.kind) << "] " << c.text << '\n';
    // A control cannot be its own panel; the guard keeps a malformed list from looping.
    if (c.kind == ControlKind::Panel && i != parent) ListChildren(out, controls, i, depth + 1);
  }
}

}  // namespace

std::string FormListing(const FormLook& form, const std::vector<ListedControl>& controls) {
  std::ostringstream out;
  out << form.caption << '\n';
  ListChildren(out, controls, -1, 1);
  return out.str();
}

}  // namespace cd::os

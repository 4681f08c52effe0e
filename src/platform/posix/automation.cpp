// Automation servers on POSIX: the providers the host registered, by ProgID.
#include "platform/automation.h"

#include <map>

#include "base/exceptions.h"

namespace cd::os {
namespace {

std::map<std::string, AutomationFactory>& Providers() {
  static std::map<std::string, AutomationFactory> providers;
  return providers;
}

}  // namespace

std::unique_ptr<AutomationServer> CreateAutomationObject(const std::string& progId) {
  const auto found = Providers().find(progId);
  if (found == Providers().end())
    throw Exception("Class \"" + progId + "\" is not installed: no local provider stands for it");
  std::unique_ptr<AutomationServer> server = found->second();
  if (!server) throw Exception("The provider of \"" + progId + "\" made no object");
  return server;
}

void RegisterLocalAutomationServer(const std::string& progId, AutomationFactory factory) {
  if (factory)
    Providers()[progId] = std::move(factory);
  else
    Providers().erase(progId);
}

}  // namespace cd::os

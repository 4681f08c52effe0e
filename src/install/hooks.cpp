// Storage of the process-wide run values and hooks.
#include "install/hooks.h"

#include "install/log_event.h"
#include "platform/dialogs.h"

namespace cd {

TAskDestinationHook& OnAskDestination() {
  static TAskDestinationHook hook;
  return hook;
}

TSelectComponentsHook& OnSelectComponents() {
  static TSelectComponentsHook hook;
  return hook;
}

TTranslateHook& OnTranslate() {
  static TTranslateHook hook;
  return hook;
}

std::string& CurrentConfigName() {
  static std::string name;
  return name;
}

std::string& MessageTitle() {
  static std::string title;
  return title;
}

TShowMessageHook& OnShowMessage() {
  static TShowMessageHook hook;
  return hook;
}

namespace {
int messagesShown = 0;
}  // namespace

int EngineMessagesShown() {
  return messagesShown;
}

TLogEventHook& OnLogEvent() {
  static TLogEventHook hook;
  return hook;
}

void LogEvent(const TLogEvent& event) {
  if (OnLogEvent()) OnLogEvent()(event);
}

void ShowEngineMessage(const std::string& text) {
  ++messagesShown;
  LogEvent(TLogEvent("message").Str("text", text));
  if (OnShowMessage())
    OnShowMessage()(text);
  else
    os::ShowMessageBox(text, MessageTitle());
}

std::string TranslateText(const std::string& text) {
  const TTranslateHook& translate = OnTranslate();
  return translate ? translate(text) : text;
}

}  // namespace cd

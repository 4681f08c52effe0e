// Process-wide values and hooks of a run: the configuration name and translation set by the
// runner, and the destination and component questions set by the runner's dialogs at start.
// The installation engine calls them without knowing who answers.
#pragma once

#include <functional>
#include <string>

namespace cd {

class TLogEvent;
class TObjectOutline;
class TStringList;

// Why an answer to the destination question cannot be taken; empty when it can.
using TDestinationCheck = std::function<std::string(const std::string& answer)>;
// Asks for a directory with Prompt as its caption; the answer ends with "\" or is empty. An
// answer that check refuses is shown with check's message and asked again; where no one can
// answer again, the message is raised as the failure.
using TAskDestinationHook = std::function<void(const std::string& prompt,
                                               const TDestinationCheck& check, std::string& path)>;
// Lets the user choose components of Outline; clears Names and fills it with the file names of
// the chosen components. A cancel raises EAbort.
using TSelectComponentsHook = std::function<void(TObjectOutline& outline, TStringList& names)>;
// Translates a multilingual string into the installation language.
using TTranslateHook = std::function<std::string(const std::string& text)>;

// Each accessor returns the one process-wide slot; an empty function means "not set".
TAskDestinationHook& OnAskDestination();
TSelectComponentsHook& OnSelectComponents();
TTranslateHook& OnTranslate();
// The name (file or URL) of the configuration being run.
std::string& CurrentConfigName();

// The caption of the engine's own message boxes: the runner keeps it equal to the
// application title.
std::string& MessageTitle();
// Shows a message of the engine to the user; when unset, a message box titled MessageTitle.
using TShowMessageHook = std::function<void(const std::string& text)>;
TShowMessageHook& OnShowMessage();
void ShowEngineMessage(const std::string& text);
// How many engine messages this process has shown: each tells of a failure, so a silent abort
// that follows one ends a run that failed, not one the user cancelled.
int EngineMessagesShown();

// Receives the events of the install log; unset while no log is written.
using TLogEventHook = std::function<void(const TLogEvent& event)>;
TLogEventHook& OnLogEvent();
// Passes event to OnLogEvent when set. The log never makes a run fail: the writer reports its
// own failures.
void LogEvent(const TLogEvent& event);

// OnTranslate applied to text, or text itself while no translation is set.
std::string TranslateText(const std::string& text);

}  // namespace cd

// The record a selection dialog exchanges with its caller's callback, and the request codes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace cd {

class ILookupItem;
class TPersistent;

struct TNodeEventPar {
  ILookupItem* Item = nullptr;        // the item concerned
  std::string Text;                   // answered to ne_GetText
  bool Selected = false;              // answered to ne_GetSelected: the item starts selected
  TPersistent* SourceData = nullptr;  // answered to ne_GetSourceData: the source outline
  uint8_t Command = 0;
  uint8_t Side = 0;
};

// The request codes: when the dialog asks, and what the callback answers.
enum TNodeEventCode : uint8_t {
  ne_GetSelected = 0,    // once per source node while the dialog is filled: set Selected
  ne_GetSourceData = 1,  // at the start of an edit: set SourceData
  ne_Report = 2,         // once per reported node on acceptance: take Item as chosen
  ne_BeginReport = 3,    // before the reports of an acceptance, without a record
  ne_GetText = 4,        // whenever a side node is made: set Text to Item's caption
};

// The callback; par is nullptr for ne_BeginReport.
using TNodeEvent = std::function<void(uint8_t code, TNodeEventPar* par)>;

}  // namespace cd

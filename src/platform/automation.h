// The course player's automation server (ProgID "pgt2.Pagenter"): its application interface,
// and its library manager, which knows the course data sets, their server folders and cards.
//
// Windows: a COM object made with CoCreateInstance, called through its dual interfaces
// IPlayerApp, IPagenter, ILibraryManager and IReadySignal. POSIX has no COM: a server is a
// local provider that the host registers for its ProgID before the first use.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/book_card_intf.h"

namespace cd::os {

class LibraryManager {
 public:
  virtual ~LibraryManager() = default;
  // The server folder of the named data set.
  virtual std::string ServerPathOf(const std::string& dataName) = 0;
  virtual void SetDataName(const std::string& dataName) = 0;
  // The card of the current data set; nullptr when the player has none.
  virtual std::shared_ptr<IBookCard> BookCard() = 0;
  // The server folder of the current data set.
  virtual std::string ServerPath() = 0;
};

class AutomationServer {
 public:
  virtual ~AutomationServer() = default;
  virtual bool Ready() = 0;
  virtual void Start() = 0;
  virtual void SetStartParameter(const std::string& parameter) = 0;
  // Whether the server announces its readiness by the named event "2002" instead of the
  // ready flag.
  virtual bool HasReadySignal() = 0;
  // The server's library manager; fails when it has none.
  virtual std::unique_ptr<LibraryManager> GetLibraryManager() = 0;
};

// Creates an object of the server and takes its application interface; fails naming the
// ProgID and the cause (not installed, no application interface).
std::unique_ptr<AutomationServer> CreateAutomationObject(const std::string& progId);

// POSIX: the provider that stands for the server of progId from now on (an empty function
// removes it). Windows takes its servers from the registry and has no such list.
using AutomationFactory = std::function<std::unique_ptr<AutomationServer>()>;
void RegisterLocalAutomationServer(const std::string& progId, AutomationFactory factory);

}  // namespace cd::os

// TContext: where the course data of this process lie, and who says so. The one context of
// the process answers from the course player (by automation), from win.ini, or from the local
// card index, depending on the kind of host the running program is.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/automation.h"
#include "platform/book_card_intf.h"
#include "streams/stream.h"

namespace cd {

class TStringList;
class TTimerManager;

// The kinds of host; the values are stored, and the allowed sets use them as bit positions.
enum TUsageContext : uint8_t { uc_Automation, uc_WinIni, uc_NamedData, uc_Manager };

// The usage context of a program: its file name (without folder, letter case ignored) is
// "KALDER32.EXE" for uc_WinIni, "RVTOOL.EXE" for uc_NamedData, "VOKMNGER.EXE" for uc_Manager;
// anything else is uc_Automation.
TUsageContext UsageContextOf(const std::string& programPath);

// The course data location kinds of ServerType.
enum TServerType { st_Relative = 0, st_Drive = 1, st_Url = 2 };

class TContext {
 public:
  // How the context reaches the rest of the process; GetContext() uses the running program,
  // the process's timer manager, message boxes and the end of the process.
  struct TSetup {
    std::string programPath;
    TTimerManager* timers = nullptr;
    std::function<void(const std::string& text)> showMessage;
    std::function<void()> terminate;
  };
  using TCardLookup = std::function<std::shared_ptr<IBookCard>(const std::string& name)>;

  explicit TContext(TSetup setup);
  ~TContext();
  TContext(const TContext&) = delete;
  TContext& operator=(const TContext&) = delete;

  TUsageContext UsageContext() const { return usageContext_; }
  // The card index switches the process to uc_Manager for good when it loads.
  void SetUsageContext(TUsageContext value) { usageContext_ = value; }

  // Fails with "TContext.CheckUsageContext - <operation>" when the usage context is not in
  // allowed (a set of TUsageContext bits).
  void CheckUsageContext(uint32_t allowed, const std::string& operation) const;

  std::string GetServerPath();
  std::string GetDataName();
  // A different name (letter case ignored) clears the server path and is passed on to the
  // player's library manager when it is held already.
  void SetDataName(const std::string& name);
  std::string GetDiscPath();
  // The card of the current data set, asked once and kept.
  std::shared_ptr<IBookCard> BookCard();
  TServerType ServerType();

  TStringList& GetAnces();
  void SetAnces(const TStringList& list);
  std::string AncesValue(const std::string& name);

  // A name longer than two characters with a colon second stays as it is; any other name gets
  // the server path in front.
  std::string ExpandServerName(const std::string& name);

  // The course data file for reading. When it cannot be opened the user is told that the
  // application will be closed, a timer ends the process, and the operation is abandoned
  // silently (EAbort).
  std::unique_ptr<TStream> OpenDataStream(const std::string& fileName);

  os::AutomationServer& GetPagenter();
  os::LibraryManager& GetLibraryManager();
  // Starts the automation server of progId, hands it the start parameter when there is one,
  // and waits, handling messages, until it is ready: by the event "2002" when it announces
  // itself so, otherwise by asking its ready flag. The event "2001" is kept unsignalled while
  // the server is being made.
  static std::unique_ptr<os::AutomationServer> CreateAutomationServer(const std::string& progId,
                                                                      const std::string& parameter);

  // How the manager's context finds a card by name (the card index, installed at start).
  void SetCardLookup(TCardLookup lookup) { cardLookup_ = std::move(lookup); }

 private:
  std::string ProgramFolder() const;
  std::string ProgramFileName() const;

  TSetup setup_;
  TUsageContext usageContext_;
  std::string serverPath_;
  std::string dataName_;
  std::string discPath_;
  std::shared_ptr<IBookCard> bookCard_;
  std::unique_ptr<TStringList> ances_;
  std::unique_ptr<os::AutomationServer> pagenter_;
  std::unique_ptr<os::LibraryManager> libraryManager_;
  TCardLookup cardLookup_;
};

// The context of the process, made on first request.
TContext& GetContext();

}  // namespace cd

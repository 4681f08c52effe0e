// TContext: the usage rules, the server folder and data name, the card, and the course
// player's automation server.
#include "library/context.h"

#include <cstdlib>

#include "base/exceptions.h"
#include "config/my_timer.h"
#include "config/prop_info.h"
#include "config/string_list.h"
#include "config/timer_manager.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "streams/virt_stream.h"
#include "util/url_loader.h"
#include "util/wait_message_loop.h"
#include "util/whole_file.h"

namespace cd {
namespace {

constexpr const char* kPlayerProgId = "pgt2.Pagenter";
constexpr const char* kWinIniSection = "Tarnwell Technology";

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return text;
}

bool HasDriveColon(const std::string& name) {
  return name.size() >= 2 && name[1] == ':';
}

constexpr uint32_t kAll =
    SetBit(uc_Automation) | SetBit(uc_WinIni) | SetBit(uc_NamedData) | SetBit(uc_Manager);
constexpr uint32_t kAllButWinIni = kAll & ~SetBit(uc_WinIni);

}  // namespace

TUsageContext UsageContextOf(const std::string& programPath) {
  const std::string name = UpperAscii(os::ExtractFileName(programPath));
  if (name == "KALDER32.EXE") return uc_WinIni;
  if (name == "RVTOOL.EXE") return uc_NamedData;
  if (name == "VOKMNGER.EXE") return uc_Manager;
  return uc_Automation;
}

TContext::TContext(TSetup setup)
    : setup_(std::move(setup)), usageContext_(UsageContextOf(setup_.programPath)) {}

TContext::~TContext() = default;

std::string TContext::ProgramFolder() const {
  return os::IncludeTrailingBackslash(os::ExtractFilePath(setup_.programPath));
}

std::string TContext::ProgramFileName() const {
  return UpperAscii(os::ExtractFileName(setup_.programPath));
}

void TContext::CheckUsageContext(uint32_t allowed, const std::string& operation) const {
  if (!InSet(allowed, usageContext_)) throw Exception("TContext.CheckUsageContext - " + operation);
}

std::string TContext::GetServerPath() {
  CheckUsageContext(kAll, "GetServerPath");
  if (usageContext_ == uc_WinIni) serverPath_ = os::ProfileString(kWinIniSection, "ServerPath", "");
  if (serverPath_.empty()) {
    switch (usageContext_) {
      case uc_Automation:
        serverPath_ = GetLibraryManager().ServerPath();
        break;
      case uc_WinIni:
        serverPath_ = os::ProfileString(kWinIniSection, "ServerPath", "");
        if (serverPath_.empty())
          throw Exception(
              "TContext.GetServerPath: Missing ServerPath=c:\\data\\... item in [Tarnwell "
              "Technology] section in win.ini");
        break;
      case uc_NamedData:
        serverPath_ = GetLibraryManager().ServerPathOf(GetDataName());
        break;
      case uc_Manager:
        serverPath_ = ProgramFolder() + "VokMnger\\";
        break;
    }
  }
  return serverPath_;
}

std::string TContext::GetDataName() {
  CheckUsageContext(kAllButWinIni, "GetDataName");
  if (usageContext_ == uc_Manager) dataName_ = "Pagent";
  if (dataName_.empty()) throw Exception("TContext.GetDataName: Missing DataName");
  return dataName_;
}

void TContext::SetDataName(const std::string& name) {
  if (os::SameTextAscii(name, dataName_)) return;
  dataName_ = name;
  serverPath_.clear();
  if (libraryManager_) libraryManager_->SetDataName(name);
}

std::string TContext::GetDiscPath() {
  CheckUsageContext(SetBit(uc_Manager), "GetDiscPath");
  if (discPath_.empty()) discPath_ = ProgramFolder();
  return discPath_;
}

std::shared_ptr<IBookCard> TContext::BookCard() {
  CheckUsageContext(SetBit(uc_Automation) | SetBit(uc_Manager), "BookCard");
  if (!bookCard_) {
    if (usageContext_ == uc_Automation)
      bookCard_ = GetLibraryManager().BookCard();
    else if (cardLookup_)
      bookCard_ = cardLookup_(GetDataName());
  }
  if (!bookCard_) throw Exception("TContext.BookCard: FBookCard=nil");
  return bookCard_;
}

TServerType TContext::ServerType() {
  CheckUsageContext(kAllButWinIni, "ServerType");
  if (usageContext_ != uc_Automation) return st_Drive;
  const std::string medium = BookCard()->GetMediumId();
  if (HasDriveColon(medium)) return st_Drive;
  if (os::SameTextAscii(medium.substr(0, 7), "http://")) return st_Url;
  return st_Relative;
}

TStringList& TContext::GetAnces() {
  if (!ances_) {
    ances_ = std::make_unique<TStringList>();
    if (usageContext_ == uc_NamedData) ances_->SetText(FileToString(GetServerPath() + "Ances.otx"));
  }
  return *ances_;
}

void TContext::SetAnces(const TStringList& list) {
  GetAnces().Assign(list);
}

std::string TContext::AncesValue(const std::string& name) {
  return GetAnces().Values(UpperAscii(name));
}

std::string TContext::ExpandServerName(const std::string& name) {
  if (name.size() > 2 && name[1] == ':') return name;
  return GetServerPath() + name;
}

std::unique_ptr<TStream> TContext::OpenDataStream(const std::string& fileName) {
  std::string path = fileName;
  try {
    switch (ServerType()) {
      case st_Relative: {
        const std::shared_ptr<IBookCard> card = BookCard();
        path =
            ProgramFolder() + card->GetMediumId() + "\\" + card->GetMediumPath() + "\\" + fileName;
        if (!os::FileExists(path)) path = GetServerPath() + fileName;
        break;
      }
      case st_Drive:
        path = GetServerPath() + fileName;
        break;
      case st_Url: {
        std::string url = GetServerPath() + fileName;
        for (char& c : url)
          if (c == '\\') c = '/';
        path = url;  // the name the message gives when the download fails
        path = DownloadUrlToCache(url, 0, {});
        break;
      }
    }
    return OpenVirtualFile(path);
  } catch (const EAbort&) {
    throw;
  } catch (const std::exception&) {
    if (setup_.showMessage)
      setup_.showMessage("Cannot open file \"" + path + "\". Application will be closed.");
    auto* timer = new TMyTimer(nullptr, setup_.timers ? *setup_.timers : TTimerManager::Process());
    timer->SetInterval(1);
    timer->SetOnTimer([terminate = setup_.terminate](TMyTimer* sender) {
      delete sender;
      if (terminate) terminate();
    });
    timer->SetEnabled(true);
    throw EAbort();
  }
}

os::AutomationServer& TContext::GetPagenter() {
  if (ProgramFileName() == "VOKMNGER.EXE")
    throw Exception("Pagent:IPagenter: Cannot call self as automat");
  if (!pagenter_) pagenter_ = CreateAutomationServer(kPlayerProgId, "");
  return *pagenter_;
}

os::LibraryManager& TContext::GetLibraryManager() {
  if (!libraryManager_) {
    std::unique_ptr<os::LibraryManager> manager = GetPagenter().GetLibraryManager();
    manager->SetDataName(GetDataName());
    libraryManager_ = std::move(manager);
  }
  return *libraryManager_;
}

std::unique_ptr<os::AutomationServer> TContext::CreateAutomationServer(
    const std::string& progId, const std::string& parameter) {
  std::unique_ptr<os::AutomationServer> server;
  {
    std::unique_ptr<os::NamedEvent> starting = os::NamedEvent::Create("2001", true, false);
    try {
      server = os::CreateAutomationObject(progId);
      if (!parameter.empty()) server->SetStartParameter(parameter);
    } catch (...) {
      starting->Set();
      throw;
    }
    starting->Set();
  }
  if (server->HasReadySignal()) {
    std::unique_ptr<os::NamedEvent> ready = os::NamedEvent::Create("2002", true, true);
    cd::WaitWithMessageLoop(*ready);
  } else {
    server->Start();
    while (!server->Ready()) os::ProcessMessages();
  }
  return server;
}

TContext& GetContext() {
  static TContext context(TContext::TSetup{
      os::ProgramPath(), &TTimerManager::Process(),
      [](const std::string& text) {
        os::ShowMessageBox(text, os::ChangeFileExt(os::ExtractFileName(os::ProgramPath()), ""),
                           os::MessageButtons::Ok, os::MessageIcon::Error);
      },
      [] { std::exit(1); }});
  return context;
}

}  // namespace cd

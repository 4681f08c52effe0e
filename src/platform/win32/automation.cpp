// The player's automation server as a COM object: IPlayerApp called by its method table
// (positions 11, 12 and 14), IReadySignal only asked for, IPagenter converted to
// ILibraryManager.
#include "platform/automation.h"

#include "base/exceptions.h"
#include "platform/com.h"
#include "platform/win32/com_library_manager.h"
#include "platform/win32/com_text.h"
#include "platform/win32/player_interfaces.h"

namespace cd::os {
namespace {

constexpr const char* kPlayerAppIid = "{F12653F4-DCFA-11D0-B700-00A024947600}";
constexpr const char* kPagenterIid = "{548F8601-55C7-11D1-8185-00A024947600}";
constexpr const char* kLibraryManagerIid = "{EB02BAA1-DD93-11D0-B700-00A024947600}";
constexpr const char* kReadySignalIid = "{11C21800-E438-11D2-B708-006008BA0FAF}";

class ComAutomationServer : public AutomationServer {
 public:
  explicit ComAutomationServer(std::unique_ptr<ComObject> app) : app_(std::move(app)) {}

  bool Ready() override {
    VARIANT_BOOL ready = VARIANT_FALSE;
    win32::CheckResult(App().GetReady(&ready), "IPlayerApp.Ready");
    return ready != 0;
  }
  void Start() override { win32::CheckResult(App().Start(), "IPlayerApp.Start"); }
  void SetStartParameter(const std::string& parameter) override {
    BSTR text = win32::NewBstr(parameter);
    const HRESULT result = App().PutStartParameter(text);
    SysFreeString(text);
    win32::CheckResult(result, "IPlayerApp.StartParameter");
  }
  bool HasReadySignal() override { return app_->Query(kReadySignalIid) != nullptr; }
  std::unique_ptr<LibraryManager> GetLibraryManager() override {
    std::unique_ptr<ComObject> pagenter = app_->Query(kPagenterIid);
    if (!pagenter) throw Exception("Interface not supported: the player has no IPagenter");
    std::unique_ptr<ComObject> manager = pagenter->Query(kLibraryManagerIid);
    if (!manager) throw Exception("Interface not supported: the player has no ILibraryManager");
    return win32::WrapComLibraryManager(std::move(manager));
  }

 private:
  win32::IPlayerApp& App() { return *static_cast<win32::IPlayerApp*>(app_->Interface()); }

  std::unique_ptr<ComObject> app_;
};

}  // namespace

std::unique_ptr<AutomationServer> CreateAutomationObject(const std::string& progId) {
  std::string error;
  std::unique_ptr<ComObject> object = CreateComObjectFromProgId(progId, &error);
  if (!object) throw Exception(error);
  std::unique_ptr<ComObject> app = object->Query(kPlayerAppIid);
  if (!app) throw Exception("Interface not supported: \"" + progId + "\" has no IPlayerApp");
  return std::make_unique<ComAutomationServer>(std::move(app));
}

}  // namespace cd::os

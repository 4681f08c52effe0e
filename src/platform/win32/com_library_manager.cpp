// ILibraryManager called by its method table: positions 9, 18, 19 and 21.
#include "platform/win32/com_library_manager.h"

#include "platform/win32/com_book_card.h"
#include "platform/win32/com_text.h"
#include "platform/win32/player_interfaces.h"

namespace cd::os::win32 {
namespace {

class ComLibraryManager : public LibraryManager {
 public:
  explicit ComLibraryManager(std::unique_ptr<ComObject> object) : object_(std::move(object)) {}

  std::string ServerPathOf(const std::string& dataName) override {
    BSTR name = NewBstr(dataName);
    BSTR path = nullptr;
    const HRESULT result = Manager().GetServerPathOf(name, &path);
    SysFreeString(name);
    CheckResult(result, "ILibraryManager.ServerPath of \"" + dataName + "\"");
    return TakeBstr(path);
  }
  void SetDataName(const std::string& dataName) override {
    BSTR name = NewBstr(dataName);
    const HRESULT result = Manager().PutDataName(name);
    SysFreeString(name);
    CheckResult(result, "ILibraryManager.DataName");
  }
  std::shared_ptr<cd::IBookCard> BookCard() override {
    IUnknown* card = nullptr;
    CheckResult(Manager().GetBookCard(&card), "ILibraryManager.BookCard");
    struct Release {
      IUnknown* object;
      ~Release() {
        if (object) object->Release();
      }
    } release{card};
    return WrapComBookCard(card);
  }
  std::string ServerPath() override {
    BSTR path = nullptr;
    CheckResult(Manager().GetServerPath(&path), "ILibraryManager.ServerPath");
    return TakeBstr(path);
  }

 private:
  ILibraryManager& Manager() { return *static_cast<ILibraryManager*>(object_->Interface()); }

  std::unique_ptr<ComObject> object_;
};

}  // namespace

std::unique_ptr<LibraryManager> WrapComLibraryManager(std::unique_ptr<ComObject> manager) {
  return std::make_unique<ComLibraryManager>(std::move(manager));
}

}  // namespace cd::os::win32

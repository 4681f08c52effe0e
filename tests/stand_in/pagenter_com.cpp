// The stand-in player's COM object over StandInPlayer and its library manager. Failures
// become E_FAIL; no exception crosses the COM boundary.
#include "stand_in/pagenter_com.h"

#include <atomic>
#include <functional>
#include <memory>

#include "platform/win32/com_book_card.h"
#include "platform/win32/com_text.h"
#include "platform/win32/dispatch_stub.h"
#include "platform/win32/player_interfaces.h"
#include "stand_in/stand_in_player.h"

namespace cd::test {
namespace {

using namespace os::win32;

HRESULT Guarded(const std::function<void()>& call) {
  try {
    call();
    return S_OK;
  } catch (...) {
    return E_FAIL;
  }
}

class StandInPagenter final : public DispatchStub<IPlayerApp>,
                              public DispatchStub<IPagenter>,
                              public DispatchStub<ILibraryManager>,
                              public DispatchStub<IReadySignal> {
 public:
  explicit StandInPagenter(const StandInSetup& setup)
      : readySignal_(setup.readySignal), player_(setup), manager_(player_.GetLibraryManager()) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, kIID_IPlayerApp))
      *out = static_cast<IPlayerApp*>(this);
    else if (IsEqualIID(iid, kIID_IPagenter))
      *out = static_cast<IPagenter*>(this);
    else if (IsEqualIID(iid, kIID_ILibraryManager))
      *out = static_cast<ILibraryManager*>(this);
    else if (readySignal_ && IsEqualIID(iid, kIID_IReadySignal))
      *out = static_cast<IReadySignal*>(this);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IPlayerApp
  HRESULT STDMETHODCALLTYPE Reserved7() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reserved8() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reserved9() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reserved10() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetReady(VARIANT_BOOL* ready) override {
    if (!ready) return E_POINTER;
    return Guarded([&] { *ready = player_.Ready() ? VARIANT_TRUE : VARIANT_FALSE; });
  }
  HRESULT STDMETHODCALLTYPE Start() override {
    return Guarded([&] { player_.Start(); });
  }
  HRESULT STDMETHODCALLTYPE Reserved13() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE PutStartParameter(BSTR parameter) override {
    return Guarded([&] { player_.SetStartParameter(BstrText(parameter)); });
  }

  // ILibraryManager (its reserved positions 7 and 8 are those of IPlayerApp, same signature)
  HRESULT STDMETHODCALLTYPE GetServerPathOf(BSTR dataName, BSTR* path) override {
    if (!path) return E_POINTER;
    *path = nullptr;
    return Guarded([&] { *path = NewBstr(manager_->ServerPathOf(BstrText(dataName))); });
  }
  HRESULT STDMETHODCALLTYPE Reserved11() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reserved12() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reserved14() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reserved15() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reserved16() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reserved17() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE PutDataName(BSTR dataName) override {
    return Guarded([&] { manager_->SetDataName(BstrText(dataName)); });
  }
  HRESULT STDMETHODCALLTYPE GetBookCard(IUnknown** card) override {
    if (!card) return E_POINTER;
    *card = nullptr;
    return Guarded([&] {
      if (std::shared_ptr<IBookCard> found = manager_->BookCard())
        *card = NewComBookCard(std::move(found));
    });
  }
  HRESULT STDMETHODCALLTYPE Reserved20() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetServerPath(BSTR* path) override {
    if (!path) return E_POINTER;
    *path = nullptr;
    return Guarded([&] { *path = NewBstr(manager_->ServerPath()); });
  }

 private:
  bool readySignal_;
  StandInPlayer player_;
  std::unique_ptr<os::LibraryManager> manager_;
  std::atomic<ULONG> references_{1};
};

}  // namespace

IUnknown* NewStandInPagenter(const StandInSetup& setup) {
  return static_cast<IPlayerApp*>(new StandInPagenter(setup));
}

}  // namespace cd::test

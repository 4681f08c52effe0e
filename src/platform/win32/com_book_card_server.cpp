// A card of ours as a COM IBookCard object. Failures of the card become E_FAIL: no exception
// crosses the COM boundary.
#include <atomic>
#include <functional>

#include "platform/win32/com_book_card.h"
#include "platform/win32/com_text.h"
#include "platform/win32/dispatch_stub.h"
#include "platform/win32/player_interfaces.h"

namespace cd::os::win32 {
namespace {

class ComBookCardServer final : public DispatchStub<IBookCardCom> {
 public:
  explicit ComBookCardServer(std::shared_ptr<cd::IBookCard> card) : card_(std::move(card)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, kIID_IBookCard)) {
      *out = static_cast<IBookCardCom*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetName(BSTR* out) override {
    return Text(out, [&] { return card_->GetName(); });
  }
  HRESULT STDMETHODCALLTYPE GetDescription(BSTR* out) override {
    return Text(out, [&] { return card_->GetDescription(); });
  }
  HRESULT STDMETHODCALLTYPE GetFileName(int kind, BSTR* out) override {
    return Text(out, [&] { return card_->GetFileName(kind); });
  }
  HRESULT STDMETHODCALLTYPE GetDataSource(int, IUnknown** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataSourceCount(int* out) override {
    if (!out) return E_POINTER;
    return Guarded([&] { *out = card_->DataSourceCount(); });
  }
  HRESULT STDMETHODCALLTYPE Save() override {
    return Guarded([&] { card_->Save(); });
  }
  HRESULT STDMETHODCALLTYPE GetLanguage(BSTR* out) override {
    return Text(out, [&] { return card_->GetLanguage(); });
  }
  HRESULT STDMETHODCALLTYPE PutLanguage(BSTR value) override {
    return Guarded([&] { card_->PutLanguage(BstrText(value)); });
  }
  HRESULT STDMETHODCALLTYPE GetPars(BSTR* out) override {
    return Text(out, [&] { return card_->GetPars(); });
  }
  HRESULT STDMETHODCALLTYPE PutPars(BSTR value) override {
    return Guarded([&] { card_->PutPars(BstrText(value)); });
  }
  HRESULT STDMETHODCALLTYPE GetMediumId(BSTR* out) override {
    return Text(out, [&] { return card_->GetMediumId(); });
  }
  HRESULT STDMETHODCALLTYPE GetMediumPath(BSTR* out) override {
    return Text(out, [&] { return card_->GetMediumPath(); });
  }
  HRESULT STDMETHODCALLTYPE GetTitleDescr(BSTR* out) override {
    return Text(out, [&] { return card_->GetTitleDescr(); });
  }
  HRESULT STDMETHODCALLTYPE GetTitleName(BSTR* out) override {
    return Text(out, [&] { return card_->GetTitleName(); });
  }

 private:
  static HRESULT Guarded(const std::function<void()>& call) {
    try {
      call();
      return S_OK;
    } catch (...) {
      return E_FAIL;
    }
  }
  static HRESULT Text(BSTR* out, const std::function<std::string()>& value) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return Guarded([&] { *out = NewBstr(value()); });
  }

  std::shared_ptr<cd::IBookCard> card_;
  std::atomic<ULONG> references_{1};
};

}  // namespace

IUnknown* NewComBookCard(std::shared_ptr<cd::IBookCard> card) {
  return static_cast<IBookCardCom*>(new ComBookCardServer(std::move(card)));
}

}  // namespace cd::os::win32

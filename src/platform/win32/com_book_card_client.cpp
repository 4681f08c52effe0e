// A COM IBookCard used through the portable card interface.
#include "base/exceptions.h"
#include "platform/win32/com_book_card.h"
#include "platform/win32/com_text.h"
#include "platform/win32/player_interfaces.h"

namespace cd::os::win32 {
namespace {

class ComBookCardClient final : public cd::IBookCard {
 public:
  explicit ComBookCardClient(IBookCardCom* card) : card_(card) {}
  ~ComBookCardClient() override { card_->Release(); }
  ComBookCardClient(const ComBookCardClient&) = delete;
  ComBookCardClient& operator=(const ComBookCardClient&) = delete;

  std::string GetName() override { return Text(&IBookCardCom::GetName, "IBookCard.Name"); }
  std::string GetDescription() override {
    return Text(&IBookCardCom::GetDescription, "IBookCard.Description");
  }
  std::string GetFileName(int kind) override {
    BSTR name = nullptr;
    CheckResult(card_->GetFileName(kind, &name), "IBookCard.FileName");
    return TakeBstr(name);
  }
  int DataSourceCount() override {
    int count = 0;
    CheckResult(card_->GetDataSourceCount(&count), "IBookCard.DataSourceCount");
    return count;
  }
  void Save() override { CheckResult(card_->Save(), "IBookCard.Save"); }
  std::string GetLanguage() override {
    return Text(&IBookCardCom::GetLanguage, "IBookCard.Language");
  }
  void PutLanguage(const std::string& language) override {
    Put(&IBookCardCom::PutLanguage, language, "IBookCard.Language");
  }
  std::string GetPars() override { return Text(&IBookCardCom::GetPars, "IBookCard.Pars"); }
  void PutPars(const std::string& pars) override {
    Put(&IBookCardCom::PutPars, pars, "IBookCard.Pars");
  }
  std::string GetMediumId() override {
    return Text(&IBookCardCom::GetMediumId, "IBookCard.MediumId");
  }
  std::string GetMediumPath() override {
    return Text(&IBookCardCom::GetMediumPath, "IBookCard.MediumPath");
  }
  std::string GetTitleDescr() override {
    return Text(&IBookCardCom::GetTitleDescr, "IBookCard.TitleDescr");
  }
  std::string GetTitleName() override {
    return Text(&IBookCardCom::GetTitleName, "IBookCard.TitleName");
  }

 private:
  std::string Text(HRESULT (STDMETHODCALLTYPE IBookCardCom::*get)(BSTR*), const char* what) {
    BSTR text = nullptr;
    CheckResult((card_->*get)(&text), what);
    return TakeBstr(text);
  }
  void Put(HRESULT (STDMETHODCALLTYPE IBookCardCom::*put)(BSTR), const std::string& value,
           const char* what) {
    BSTR text = NewBstr(value);
    const HRESULT result = (card_->*put)(text);
    SysFreeString(text);
    CheckResult(result, what);
  }

  IBookCardCom* card_;
};

}  // namespace

std::shared_ptr<cd::IBookCard> WrapComBookCard(IUnknown* object) {
  if (!object) return nullptr;
  void* card = nullptr;
  if (FAILED(object->QueryInterface(kIID_IBookCard, &card)) || !card)
    throw Exception("Interface not supported: the object is not a library card (IBookCard)");
  return std::make_shared<ComBookCardClient>(static_cast<IBookCardCom*>(card));
}

}  // namespace cd::os::win32

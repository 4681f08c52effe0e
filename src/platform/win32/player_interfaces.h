// The course player's dual interfaces and the library card interface as COM lays them out.
// Each method sits at the position of the player's method table (0 to 2 IUnknown, 3 to 6
// IDispatch); the positions nobody calls are held by Reserved entries so that the ones that
// are called land where the player has them. Internal to the Win32 layer and the stand-in
// player of the tests.
#pragma once

#include <oaidl.h>
#include <windows.h>

namespace cd::os::win32 {

// {F12653F4-DCFA-11D0-B700-00A024947600}
inline constexpr IID kIID_IPlayerApp = {
    0xF12653F4, 0xDCFA, 0x11D0, {0xB7, 0x00, 0x00, 0xA0, 0x24, 0x94, 0x76, 0x00}};
// {548F8601-55C7-11D1-8185-00A024947600}
inline constexpr IID kIID_IPagenter = {
    0x548F8601, 0x55C7, 0x11D1, {0x81, 0x85, 0x00, 0xA0, 0x24, 0x94, 0x76, 0x00}};
// {EB02BAA1-DD93-11D0-B700-00A024947600}
inline constexpr IID kIID_ILibraryManager = {
    0xEB02BAA1, 0xDD93, 0x11D0, {0xB7, 0x00, 0x00, 0xA0, 0x24, 0x94, 0x76, 0x00}};
// {11C21800-E438-11D2-B708-006008BA0FAF}
inline constexpr IID kIID_IReadySignal = {
    0x11C21800, 0xE438, 0x11D2, {0xB7, 0x08, 0x00, 0x60, 0x08, 0xBA, 0x0F, 0xAF}};
// {65045D46-DF10-11D0-B700-00A024947600}
inline constexpr IID kIID_IBookCard = {
    0x65045D46, 0xDF10, 0x11D0, {0xB7, 0x00, 0x00, 0xA0, 0x24, 0x94, 0x76, 0x00}};

struct IPlayerApp : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Reserved7() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved8() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved9() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved10() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetReady(VARIANT_BOOL* ready) = 0;  // 11
  virtual HRESULT STDMETHODCALLTYPE Start() = 0;                        // 12
  virtual HRESULT STDMETHODCALLTYPE Reserved13() = 0;
  virtual HRESULT STDMETHODCALLTYPE PutStartParameter(BSTR parameter) = 0;  // 14
};

struct IPagenter : IDispatch {};

struct ILibraryManager : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Reserved7() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved8() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetServerPathOf(BSTR dataName, BSTR* path) = 0;  // 9
  virtual HRESULT STDMETHODCALLTYPE Reserved10() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved11() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved12() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved13() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved14() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved15() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved16() = 0;
  virtual HRESULT STDMETHODCALLTYPE Reserved17() = 0;
  virtual HRESULT STDMETHODCALLTYPE PutDataName(BSTR dataName) = 0;    // 18
  virtual HRESULT STDMETHODCALLTYPE GetBookCard(IUnknown** card) = 0;  // 19
  virtual HRESULT STDMETHODCALLTYPE Reserved20() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetServerPath(BSTR* path) = 0;  // 21
};

struct IReadySignal : IDispatch {};

// IBookCard; named apart from the portable interface that the Win32 layer maps it to.
struct IBookCardCom : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE GetName(BSTR* name) = 0;                          // 7
  virtual HRESULT STDMETHODCALLTYPE GetDescription(BSTR* description) = 0;            // 8
  virtual HRESULT STDMETHODCALLTYPE GetFileName(int kind, BSTR* name) = 0;            // 9
  virtual HRESULT STDMETHODCALLTYPE GetDataSource(int index, IUnknown** source) = 0;  // 10
  virtual HRESULT STDMETHODCALLTYPE GetDataSourceCount(int* count) = 0;               // 11
  virtual HRESULT STDMETHODCALLTYPE Save() = 0;                                       // 12
  virtual HRESULT STDMETHODCALLTYPE GetLanguage(BSTR* language) = 0;                  // 13
  virtual HRESULT STDMETHODCALLTYPE PutLanguage(BSTR language) = 0;                   // 14
  virtual HRESULT STDMETHODCALLTYPE GetPars(BSTR* pars) = 0;                          // 15
  virtual HRESULT STDMETHODCALLTYPE PutPars(BSTR pars) = 0;                           // 16
  virtual HRESULT STDMETHODCALLTYPE GetMediumId(BSTR* id) = 0;                        // 17
  virtual HRESULT STDMETHODCALLTYPE GetMediumPath(BSTR* path) = 0;                    // 18
  virtual HRESULT STDMETHODCALLTYPE GetTitleDescr(BSTR* descr) = 0;                   // 19
  virtual HRESULT STDMETHODCALLTYPE GetTitleName(BSTR* name) = 0;                     // 20
};

}  // namespace cd::os::win32

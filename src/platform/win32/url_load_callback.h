// TUrlLoadCallback: the binding-status callback of one URL load, passing the system's progress
// reports to the caller's handler and noting an HTTP error answer. Internal to the Win32
// platform layer.
#pragma once

#include <urlmon.h>
#include <windows.h>

#include <exception>

#include "platform/url.h"

namespace cd::os {

// Reference-counted; created with one reference held by its creator. Without a handler it
// only watches the server's answer: the system would otherwise hand over an error page (404)
// as if it were the document.
class TUrlLoadCallback : public IBindStatusCallback, public IHttpNegotiate {
 public:
  TUrlLoadCallback(intptr_t userValue, UrlProgressEvent onProgress)
      : userValue_(userValue), onProgress_(std::move(onProgress)) {}
  virtual ~TUrlLoadCallback();

  // The exception the handler raised, which stopped the load; empty otherwise.
  const std::exception_ptr& Failure() const { return failure_; }
  // True when the server answered with an HTTP error status (400 or above).
  bool HttpFailed() const { return httpFailed_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD reserved, IBinding* binding) override;
  HRESULT STDMETHODCALLTYPE GetPriority(LONG* priority) override;
  HRESULT STDMETHODCALLTYPE OnLowResource(DWORD reserved) override;
  HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG progressMax, ULONG statusCode,
                                       LPCWSTR statusText) override;
  HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT result, LPCWSTR error) override;
  HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO* info) override;
  HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD flags, DWORD size, FORMATETC* format,
                                            STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID riid, IUnknown* object) override;

  HRESULT STDMETHODCALLTYPE BeginningTransaction(LPCWSTR url, LPCWSTR headers, DWORD reserved,
                                                 LPWSTR* additionalHeaders) override;
  HRESULT STDMETHODCALLTYPE OnResponse(DWORD code, LPCWSTR responseHeaders, LPCWSTR requestHeaders,
                                       LPWSTR* additionalRequestHeaders) override;

 private:
  void CheckHttpStatus();

  LONG references_ = 1;
  intptr_t userValue_;
  UrlProgressEvent onProgress_;
  std::exception_ptr failure_;
  bool httpFailed_ = false;
  IBinding* binding_ = nullptr;  // held from the start of the binding to its end
};

}  // namespace cd::os

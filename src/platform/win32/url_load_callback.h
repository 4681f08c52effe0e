// TUrlLoadCallback: the binding-status callback of one URL load, passing the system's progress
// reports to the caller's handler. Internal to the Win32 platform layer.
#pragma once

#include <windows.h>
#include <urlmon.h>

#include <exception>

#include "platform/url.h"

namespace cd::os {

// Reference-counted; created with one reference held by its creator.
class TUrlLoadCallback : public IBindStatusCallback {
 public:
  TUrlLoadCallback(intptr_t userValue, UrlProgressEvent onProgress)
      : userValue_(userValue), onProgress_(std::move(onProgress)) {}
  virtual ~TUrlLoadCallback() = default;

  // The exception the handler raised, which stopped the load; empty otherwise.
  const std::exception_ptr& Failure() const { return failure_; }

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

 private:
  LONG references_ = 1;
  intptr_t userValue_;
  UrlProgressEvent onProgress_;
  std::exception_ptr failure_;
};

}  // namespace cd::os

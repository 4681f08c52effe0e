// The binding-status callback: progress goes to the handler and HTTP error answers stop the
// load; the other notifications answer "not implemented", leaving the system's default.
#include "platform/win32/url_load_callback.h"

#include <wininet.h>

#include <cstring>

namespace cd::os {

HRESULT TUrlLoadCallback::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IBindStatusCallback)) {
    *object = static_cast<IBindStatusCallback*>(this);
    AddRef();
    return S_OK;
  }
  if (IsEqualIID(riid, IID_IHttpNegotiate)) {
    *object = static_cast<IHttpNegotiate*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG TUrlLoadCallback::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG TUrlLoadCallback::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

TUrlLoadCallback::~TUrlLoadCallback() {
  if (binding_) binding_->Release();
}

// Accepting the binding (an error answer here makes the system cancel the load) and keeping it
// until the first data, to read the server's status from it.
HRESULT TUrlLoadCallback::OnStartBinding(DWORD, IBinding* binding) {
  if (binding && !binding_) {
    binding_ = binding;
    binding_->AddRef();
  }
  return S_OK;
}

// Some loads (the blocking stream) never ask for the HTTP negotiation, so the status of the
// answer is also read from the binding when the data begins.
void TUrlLoadCallback::CheckHttpStatus() {
  if (!binding_) return;
  IWinInetHttpInfo* info = nullptr;
  if (SUCCEEDED(binding_->QueryInterface(IID_IWinInetHttpInfo, reinterpret_cast<void**>(&info))) &&
      info) {
    DWORD code = 0;
    DWORD size = sizeof code;
    if (info->QueryInfo(HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code, &size, nullptr,
                        nullptr) == S_OK &&
        code >= 400)
      httpFailed_ = true;
    info->Release();
  }
  binding_->Release();
  binding_ = nullptr;
}
HRESULT TUrlLoadCallback::GetPriority(LONG*) {
  return E_NOTIMPL;
}
HRESULT TUrlLoadCallback::OnLowResource(DWORD) {
  return E_NOTIMPL;
}

// A handler's exception must not unwind through the system's frames: it is kept, the load is
// stopped, and the caller raises it again once the system call has returned.
HRESULT TUrlLoadCallback::OnProgress(ULONG progress, ULONG progressMax, ULONG statusCode, LPCWSTR) {
  if (statusCode == BINDSTATUS_BEGINDOWNLOADDATA) CheckHttpStatus();
  if (httpFailed_ || failure_) return E_ABORT;
  if (!onProgress_) return E_NOTIMPL;
  try {
    onProgress_(progress, progressMax, userValue_);
    return S_OK;
  } catch (...) {
    failure_ = std::current_exception();
    return E_ABORT;
  }
}

HRESULT TUrlLoadCallback::OnStopBinding(HRESULT, LPCWSTR) {
  if (binding_) binding_->Release();
  binding_ = nullptr;
  return E_NOTIMPL;
}
// The default binding (a plain GET, the system's own flags): some URL libraries cancel the load
// when the callback has no answer here.
HRESULT TUrlLoadCallback::GetBindInfo(DWORD*, BINDINFO* info) {
  if (!info) return E_INVALIDARG;
  const DWORD size = info->cbSize;
  std::memset(info, 0, size < sizeof(BINDINFO) ? size : sizeof(BINDINFO));
  info->cbSize = size;
  return S_OK;
}
HRESULT TUrlLoadCallback::OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) {
  return E_NOTIMPL;
}
HRESULT TUrlLoadCallback::OnObjectAvailable(REFIID, IUnknown*) {
  return E_NOTIMPL;
}

HRESULT TUrlLoadCallback::BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* additionalHeaders) {
  if (additionalHeaders) *additionalHeaders = nullptr;
  return S_OK;
}

HRESULT TUrlLoadCallback::OnResponse(DWORD code, LPCWSTR, LPCWSTR,
                                     LPWSTR* additionalRequestHeaders) {
  if (additionalRequestHeaders) *additionalRequestHeaders = nullptr;
  if (code < 400) return S_OK;
  httpFailed_ = true;
  return E_ABORT;
}

}  // namespace cd::os

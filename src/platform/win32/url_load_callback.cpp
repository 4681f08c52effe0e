// The binding-status callback: only progress is handled; every other notification answers
// "not implemented", which leaves the system's default behaviour in place.
#include "platform/win32/url_load_callback.h"

namespace cd::os {

HRESULT TUrlLoadCallback::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IBindStatusCallback)) {
    *object = static_cast<IBindStatusCallback*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG TUrlLoadCallback::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG TUrlLoadCallback::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT TUrlLoadCallback::OnStartBinding(DWORD, IBinding*) { return E_NOTIMPL; }
HRESULT TUrlLoadCallback::GetPriority(LONG*) { return E_NOTIMPL; }
HRESULT TUrlLoadCallback::OnLowResource(DWORD) { return E_NOTIMPL; }

// A handler's exception must not unwind through the system's frames: it is kept, the load is
// stopped, and the caller raises it again once the system call has returned.
HRESULT TUrlLoadCallback::OnProgress(ULONG progress, ULONG progressMax, ULONG, LPCWSTR) {
  if (!onProgress_) return E_NOTIMPL;
  if (failure_) return E_ABORT;
  try {
    onProgress_(progress, progressMax, userValue_);
    return S_OK;
  } catch (...) {
    failure_ = std::current_exception();
    return E_ABORT;
  }
}

HRESULT TUrlLoadCallback::OnStopBinding(HRESULT, LPCWSTR) { return E_NOTIMPL; }
HRESULT TUrlLoadCallback::GetBindInfo(DWORD*, BINDINFO*) { return E_NOTIMPL; }
HRESULT TUrlLoadCallback::OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) {
  return E_NOTIMPL;
}
HRESULT TUrlLoadCallback::OnObjectAvailable(REFIID, IUnknown*) { return E_NOTIMPL; }

}  // namespace cd::os

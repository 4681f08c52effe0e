// COM objects created by class identity or ProgID (ole32). POSIX has no COM: every class
// counts as not installed and creation fails with that reason.
#pragma once

#include <memory>
#include <string>

namespace cd::os {

// One interface pointer of a COM object, released when destroyed.
class ComObject {
 public:
  ~ComObject();
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  // The raw interface pointer, for callers that call the interface's methods.
  void* Interface() const { return interface_; }
  // Another interface of the object by its IID ("{xxxxxxxx-xxxx-...}"); nothing when the
  // object does not support it.
  std::unique_ptr<ComObject> Query(const std::string& iid) const;

 private:
  friend struct ComAccess;
  explicit ComObject(void* pointer) : interface_(pointer) {}
  void* interface_;
};

// Creates an object of the class ({CLSID} text) on this thread (COM initialised on first
// use) and returns its IUnknown; nothing, with the reason in error when given, on failure.
std::unique_ptr<ComObject> CreateComObject(const std::string& classId,
                                           std::string* error = nullptr);
// The same for a ProgID ("pgt2.Pagenter"), looked up with CLSIDFromProgID.
std::unique_ptr<ComObject> CreateComObjectFromProgId(const std::string& progId,
                                                     std::string* error = nullptr);

// Whether an object of the class can be created here; the test object is released at once.
bool IsClassInstalled(const std::string& classId);

}  // namespace cd::os

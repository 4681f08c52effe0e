// TReadFormObj: reads the class name of a stored form file (the binary form) and creates the
// form from it. While it creates the form it is the active reader, so that each class level
// of the form's layout is read from stored files rather than the program's resources.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace cd {

class TClassInfo;
class TComponent;
class TQXForm;
class TStream;

class TReadFormObj {
 public:
  // Called for each class level other than the file's own with a fresh reader for that level,
  // which the callback points at the level's file (SetFileName or SetStream).
  using TAncestorCallback = std::function<void(TReadFormObj& reader, const std::string& className)>;

  TReadFormObj();
  ~TReadFormObj();
  TReadFormObj(const TReadFormObj&) = delete;
  TReadFormObj& operator=(const TReadFormObj&) = delete;

  const std::string& FileName() const { return fileName_; }
  // A new file forgets the class name read and the stream opened for the old one.
  void SetFileName(const std::string& fileName);
  // The caller's stream, read from its position; the caller keeps it.
  void SetStream(TStream* stream);
  TComponent* Owner() const { return owner_; }
  void SetOwner(TComponent* owner) { owner_ = owner; }
  uintptr_t ParentWindow() const { return parentWindow_; }
  void SetParentWindow(uintptr_t window) { parentWindow_ = window; }
  const TAncestorCallback& OnAncestor() const { return onAncestor_; }
  void SetOnAncestor(TAncestorCallback callback) { onAncestor_ = std::move(callback); }

  // Whether there is a stream to read: the caller's, or a file name to open.
  bool HasStream() const { return stream_ || !fileName_.empty(); }
  // The caller's stream, else the file opened through the course library context; fails with
  // "TReadFormObj.GetClassName: Cannot open stream: " and the server path and file name.
  TStream& Stream();
  // The class named by the stored form (read once, then cached); the stream's position is
  // left where it was. Fails with "TReadFormObj.GetClassName: Wrong file signature".
  const std::string& GetClassName();
  // The registered class of that name (cached); fails with "Class %s not found".
  const TClassInfo& GetClass();
  // Creates the form with this reader active, owned by Owner(); the form is also left in
  // Form(). The stream opened for the file is closed afterwards.
  TQXForm* CreateForm();
  TQXForm* Form() const { return form_; }

  // The reader creating a form right now; nullptr when none.
  static TReadFormObj* Active();

 private:
  std::string fileName_;
  TStream* stream_ = nullptr;
  std::unique_ptr<TStream> ownStream_;
  std::string className_;
  const TClassInfo* class_ = nullptr;
  TQXForm* form_ = nullptr;
  TComponent* owner_ = nullptr;
  uintptr_t parentWindow_ = 0;
  TAncestorCallback onAncestor_;
};

}  // namespace cd

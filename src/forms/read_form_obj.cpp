// TReadFormObj: the class name of a stored form and the form's creation.
#include "forms/read_form_obj.h"

#include "base/exceptions.h"
#include "config/class_registry.h"
#include "forms/qx_form.h"
#include "library/context.h"
#include "streams/stream.h"

namespace cd {
namespace {

TReadFormObj*& ActiveSlot() {
  static TReadFormObj* active = nullptr;
  return active;
}

// Makes reader the active one for a scope, putting back the one before (forms may create
// forms while they are created).
class ActiveReader {
 public:
  explicit ActiveReader(TReadFormObj* reader) : previous_(ActiveSlot()) { ActiveSlot() = reader; }
  ~ActiveReader() { ActiveSlot() = previous_; }
  ActiveReader(const ActiveReader&) = delete;
  ActiveReader& operator=(const ActiveReader&) = delete;

 private:
  TReadFormObj* previous_;
};

uint8_t ReadByte(TStream& stream) {
  uint8_t b = 0;
  stream.ReadBuffer(&b, 1);
  return b;
}

}  // namespace

TReadFormObj::TReadFormObj() = default;
TReadFormObj::~TReadFormObj() = default;

TReadFormObj* TReadFormObj::Active() {
  return ActiveSlot();
}

void TReadFormObj::SetFileName(const std::string& fileName) {
  fileName_ = fileName;
  ownStream_.reset();
  className_.clear();
  class_ = nullptr;
}

void TReadFormObj::SetStream(TStream* stream) {
  stream_ = stream;
  className_.clear();
  class_ = nullptr;
}

TStream& TReadFormObj::Stream() {
  if (stream_) return *stream_;
  if (!ownStream_ && !fileName_.empty()) ownStream_ = GetContext().OpenDataStream(fileName_);
  if (!ownStream_)
    throw Exception("TReadFormObj.GetClassName: Cannot open stream: " +
                    GetContext().GetServerPath() + fileName_);
  return *ownStream_;
}

const std::string& TReadFormObj::GetClassName() {
  if (!className_.empty()) return className_;
  TStream& stream = Stream();
  const int64_t start = stream.Position();
  try {
    char signature[4] = {};
    if (stream.Read(signature, 4) != 4 || std::string_view(signature, 4) != "TPF0")
      throw Exception("TReadFormObj.GetClassName: Wrong file signature");
    const uint8_t prefix = ReadByte(stream);
    if ((prefix & 0xF0) == 0xF0) {
      if (prefix & 0x02) {  // a child position: one byte of its integer type, then 32 bits
        uint8_t skipped[5];
        stream.ReadBuffer(skipped, sizeof skipped);
      }
    } else {
      stream.Seek(-1, TSeekOrigin::soCurrent);
    }
    const uint8_t length = ReadByte(stream);
    std::string name(length, '\0');
    stream.ReadBuffer(name.data(), length);
    className_ = name;
  } catch (...) {
    stream.SetPosition(start);
    throw;
  }
  stream.SetPosition(start);
  return className_;
}

const TClassInfo& TReadFormObj::GetClass() {
  if (!class_) class_ = &FindClass(GetClassName());
  return *class_;
}

TQXForm* TReadFormObj::CreateForm() {
  const TClassInfo& cls = GetClass();
  {
    ActiveReader active(this);
    form_ = TQXForm::Create(cls, owner_);
  }
  // Not owned by a window in this model: a parented form keeps the owner too, so that it is
  // destroyed with it.
  form_->SetParentWindow(parentWindow_);
  ownStream_.reset();
  return form_;
}

}  // namespace cd

// Fuzz target: a stored form file read by TReadFormObj: its class name (signature, prefix
// byte, short string) and, when that names a form class, the form created from it. Reading
// must fail only with the system's exceptions, leave the stream where it was, and a form
// that is created must belong to its owner.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/exceptions.h"
#include "forms/forms_classes.h"
#include "forms/qx_form.h"
#include "forms/read_form_obj.h"
#include "streams/memory_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (cd::RegisterFormsClasses(), true);
  (void)registered;
  cd::TMemoryStream stream(std::string(reinterpret_cast<const char*>(data), size));
  cd::TComponent owner(nullptr);
  cd::TReadFormObj reader;
  reader.SetStream(&stream);
  reader.SetOwner(&owner);
  try {
    reader.GetClassName();
  } catch (const cd::Exception&) {
    if (stream.Position() != 0) std::abort();
    return 0;
  }
  if (stream.Position() != 0) std::abort();
  try {
    cd::TQXForm* form = reader.CreateForm();
    if (form->Owner() != &owner || owner.ComponentCount() != 1) std::abort();
  } catch (const cd::Exception&) {
    if (owner.ComponentCount() != 0) std::abort();
  }
  return 0;
}

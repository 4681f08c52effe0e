// ILookupItem: an item of a selection list as the selection dialogs see it (identifier, text,
// data and an attached object), implemented by the outline's nodes. It has no identity of its
// own: it is reached by a cast, never through QueryInterface.
#pragma once

#include <cstdint>
#include <string>

#include "config/interface.h"

namespace cd {

class TPersistent;

class ILookupItem : public IInterface {
 public:
  // The object behind the item.
  virtual TPersistent* ItemObject() = 0;
  virtual int32_t GetId() const = 0;
  virtual void SetId(int32_t id) = 0;
  virtual TPersistent* GetObj() const = 0;
  virtual void SetObj(TPersistent* obj) = 0;
  virtual std::string GetText() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual std::string GetData() const = 0;
  virtual void SetData(const std::string& data) = 0;

 protected:
  ~ILookupItem() = default;
};

}  // namespace cd

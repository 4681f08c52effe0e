// A portable model of reference-counted interfaces: interface identities, the query with
// its result codes, and the base of every interface.
#pragma once

#include <cstdint>
#include <cstring>

namespace cd {

struct TGuid {
  uint32_t data1;
  uint16_t data2;
  uint16_t data3;
  uint8_t data4[8];
  friend bool operator==(const TGuid& a, const TGuid& b) {
    return a.data1 == b.data1 && a.data2 == b.data2 && a.data3 == b.data3 &&
           std::memcmp(a.data4, b.data4, sizeof a.data4) == 0;
  }
};

inline constexpr int32_t kS_OK = 0;
inline constexpr int32_t kE_NOINTERFACE = static_cast<int32_t>(0x80004002u);

// {00000000-0000-0000-C000-000000000046}
inline constexpr TGuid IID_IUnknown = {0, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

class IInterface {
 public:
  // On success stores the interface in *object (with a reference taken) and returns kS_OK;
  // otherwise stores nullptr and returns kE_NOINTERFACE.
  virtual int32_t QueryInterface(const TGuid& iid, void** object) = 0;
  virtual int32_t AddRef() = 0;
  virtual int32_t Release() = 0;

 protected:
  ~IInterface() = default;
};

}  // namespace cd

// Region files built byte by byte for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cd::test {

class RegionFile {
 public:
  // The 46-byte header with count and the pool name.
  RegionFile(int16_t count, const std::string& poolName);
  RegionFile& Record(uint16_t type, int16_t level, int16_t tabOrder, std::vector<uint16_t> rect,
                     const std::string& name, const std::string& data = "");
  RegionFile& Raw(const std::string& bytes);
  RegionFile& U16(uint16_t value);
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace cd::test

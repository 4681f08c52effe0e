// Region file bytes.
#include "unit/regions/region_file.h"

namespace cd::test {

RegionFile::RegionFile(int16_t count, const std::string& poolName) : bytes_(46, 'h') {
  bytes_[8] = static_cast<char>(count & 0xFF);
  bytes_[9] = static_cast<char>((count >> 8) & 0xFF);
  const auto length = static_cast<uint32_t>(poolName.size());
  for (int i = 0; i < 4; ++i) bytes_[34 + i] = static_cast<char>(length >> (8 * i));
  bytes_ += poolName;
}

RegionFile& RegionFile::U16(uint16_t value) {
  bytes_.push_back(static_cast<char>(value & 0xFF));
  bytes_.push_back(static_cast<char>(value >> 8));
  return *this;
}

RegionFile& RegionFile::Raw(const std::string& bytes) {
  bytes_ += bytes;
  return *this;
}

RegionFile& RegionFile::Record(uint16_t type, int16_t level, int16_t tabOrder,
                               std::vector<uint16_t> rect, const std::string& name,
                               const std::string& data) {
  U16(type).U16(static_cast<uint16_t>(level)).U16(static_cast<uint16_t>(tabOrder));
  for (uint16_t v : rect) U16(v);
  U16(static_cast<uint16_t>(name.size())).Raw(name);
  return U16(static_cast<uint16_t>(data.size())).Raw(data);
}

}  // namespace cd::test

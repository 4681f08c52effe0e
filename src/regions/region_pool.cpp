// TRegionPool: its keys, lookups and the region file.
#include "regions/region_pool.h"

#include "base/exceptions.h"
#include "library/server_file_name.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "regions/circle_region.h"
#include "regions/poly_region.h"
#include "regions/region_record.h"
#include "streams/file_stream.h"

namespace cd {

const TClassInfo& TRegionPool::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRegionPool>("TRegionPool", &TComponent::StaticClass())
          .Collection("Regions", [](TRegionPool& p) { return p.regions_.get(); })
          .Str(
              "FileName", [](const TRegionPool& p) { return p.fileName_; },
              [](TRegionPool& p, const std::string& v) { p.SetFileName(v); })
          .Build();
  return info;
}

TRegionPool::TRegionPool(TComponent* owner)
    : TComponent(owner), regions_(MakeCollection<TRegionObj>(this)) {}

TRegionPool::~TRegionPool() = default;

TRegion* TRegionPool::GetRegion(int index) const {
  return static_cast<TRegionObj*>(regions_->Items(index))->Region();
}

int TRegionPool::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    const TRegion* region = GetRegion(i);
    if (region && os::SameTextAscii(region->Name(), name)) return i;
  }
  return -1;
}

void TRegionPool::SetFileName(const std::string& name) {
  if (name == fileName_ && !designing_) return;
  fileName_ = name;
  LoadFromFile();
}

void TRegionPool::LoadFromStream(TStream& stream) {
  regions_->Clear();
  poolName_.clear();
  unsigned char header[46];
  stream.ReadBuffer(header, sizeof header);
  const auto count = static_cast<int16_t>(header[8] | (header[9] << 8));
  const uint32_t nameLength = uint32_t{header[34]} | (uint32_t{header[35]} << 8) |
                              (uint32_t{header[36]} << 16) | (uint32_t{header[37]} << 24);
  poolName_ = ReadBytes(stream, nameLength);
  for (int i = 0; i < count; ++i) {
    std::unique_ptr<TRectRegion> region;
    switch (ReadUInt16(stream)) {
      case 0:
        region = std::make_unique<TRectRegion>();
        break;
      case 1:
        region = std::make_unique<TCircleRegion>();
        break;
      case 2:
        region = std::make_unique<TPolyRegion>();
        break;
      default:
        throw Exception("TRegionPool.LoadFromStream: Unknown Poly type");
    }
    region->LoadFromStream(stream);
    region->SetPosition(region->GetReferencePoint());
    static_cast<TRegionObj*>(regions_->Add())->SetRegion(std::move(region));
  }
}

void TRegionPool::LoadFromFile() {
  if (fileName_.empty()) return;
  const std::string fullName = ServerFileName(fileName_);
  if (!os::FileExists(fullName)) {
    if (designing_) throw Exception("Region file does not exist " + fullName);
    return;
  }
  TFileStream file(fullName, os::OpenMode::Read, os::ShareMode::DenyWrite);
  LoadFromStream(file);
}

}  // namespace cd

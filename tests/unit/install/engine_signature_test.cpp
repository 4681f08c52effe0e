// Single files whose contents begin with the packing signature: whatever their size or flags,
// they are packed on the medium and arrive on the user's disk byte for byte.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "config/config_io.h"
#include "engine_fixture.h"
#include "install/datum_value.h"
#include "install/install_classes.h"
#include "streams/memory_stream.h"
#include "streams/packed_stream.h"

namespace cd::test {
namespace {

struct SignedFile {
  const char* name;
  TFileFlags flags;
  size_t size;
};

// Stored unchanged by the usual rule (small, or copied by flag), and one packed anyway.
const std::vector<SignedFile>& SignedFiles() {
  static const std::vector<SignedFile> files = {
      {"small.dat", 0, 12},
      {"copied.dat", SetBit(fg_SingleNotCompress), 12},
      {"largecopied.dat", SetBit(fg_SingleNotCompress), 3000},
      {"large.dat", 0, 3000},
  };
  return files;
}

std::string SignedContent(size_t size) {
  std::string s(reinterpret_cast<const char*>(kPackedSignature), 4);
  for (int i = 0; s.size() < size; ++i) s += static_cast<char>('a' + i % 26);
  s.resize(size);
  return s;
}

TEST(SignatureTest, FilesBeginningWithTheSignatureArriveByteForByte) {
  RegisterInstallClasses();
  EngineFixture fx;
  BuildRoot root(fx.DiskPath() + "src\\", fx.MediumPath());
  auto* built = new TFilesManager(&root);
  for (const SignedFile& f : SignedFiles()) {
    auto* item = new TDatumValue(built, f.name);
    item->SetInstalTarget("Disk");
    item->SetFlags(f.flags);
    EngineFixture::WriteFile(fx.DiskFile(std::string("src/") + f.name), SignedContent(f.size),
                             EngineFixture::Day(3));
  }
  built->StoreAllFileInfo();
  built->PackAll();

  std::unique_ptr<TFilesManager> install = fx.NewFilesManager("target\\");
  for (int i = 0; i < built->ChildCount(); ++i) {
    std::unique_ptr<TComponent> copy = CloneObject(built->Child(i));
    static_cast<TFileItem*>(copy.get())
        ->SetDestSize(static_cast<TFileItem*>(built->Child(i))->DestSize());
    install->InsertComponent(std::move(copy));
  }
  RecordingCallback callback;
  install->PrepareUpdate(&callback);
  install->Update(&callback);
  for (const SignedFile& f : SignedFiles()) {
    SCOPED_TRACE(f.name);
    TMemoryStream onMedium(EngineFixture::ReadFile(fx.MediumFile(f.name)));
    EXPECT_TRUE(IsPacked(onMedium));
    EXPECT_EQ(EngineFixture::ReadFile(fx.DiskFile(std::string("target/") + f.name)),
              SignedContent(f.size));
  }
}

}  // namespace
}  // namespace cd::test

// A library card read from its file, saved back to it and named by kind.
#include "library/book_card.h"

#include <gtest/gtest.h>

#include "config/config_io.h"
#include "library/library_classes.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/message_of.h"
#include "support/temp_dir.h"
#include "util/file_properties.h"

namespace cd {
namespace {

class BookCardFile : public testing::Test {
 protected:
  void SetUp() override { RegisterLibraryClasses(); }
  std::string Name(const std::string& file) const {
    return os::IncludeTrailingBackslash(os::WindowsPath(dir_.Path().string())) + file;
  }
  test::TempDir dir_;
};

TEST_F(BookCardFile, ReadsTheOneCardOfItsFileAndSavesKeepingTheDate) {
  TBookCard card(nullptr);
  card.SetName("Title");
  card.SetLanguage("EN");
  const std::string file = Name("_Editpla.a01");
  os::WriteWholeFile(file, ObjectToString(&card));
  SetFileDate(file, 0x2A214C00);

  std::unique_ptr<TBookCard> read = TBookCard::CreateFromFile(file);
  EXPECT_EQ(read->Name(), "Title");
  EXPECT_EQ(read->Language(), "EN");
  EXPECT_EQ(read->FileName(), file);
  EXPECT_EQ(read->Owner(), nullptr);

  read->SetLanguage("DE");
  read->Save();
  EXPECT_EQ(GetFileDate(file), 0x2A214C00);
  EXPECT_EQ(TBookCard::CreateFromFile(file)->Language(), "DE");
}

TEST_F(BookCardFile, AFileOfMoreOrFewerThanOneObjectIsRefused) {
  TBookCard card(nullptr);
  const std::string text = ObjectToString(&card);
  for (const std::string& contents : {std::string(), text + text}) {
    os::WriteWholeFile(Name("card.a00"), contents);
    EXPECT_EQ(test::MessageOf([&] { TBookCard::CreateFromFile(Name("card.a00")); }),
              "VMConfig.ReadObject: L.count<>1");
  }
}

TEST(BookCardName, ByKind) {
  TBookCard card(nullptr);
  card.SetFileName("C:\\WIN\\VokMnger\\BookCard\\_Editpla.a01");
  EXPECT_EQ(card.FileNameByKind(0), "C:\\WIN\\VokMnger\\BookCard\\_Editpla.a01");
  EXPECT_EQ(card.FileNameByKind(1), "_Editpla.001");
  card.SetFileName("C:\\Cards\\Course.jx7\\");
  EXPECT_EQ(card.FileNameByKind(1), "Course.9X7");
}

}  // namespace
}  // namespace cd

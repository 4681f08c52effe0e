// The font an outline and the forms share: its stored keys come back as they were read, the
// default face and character set are left out, and the size converts to and from the height.
#include "outline/font.h"

#include <gtest/gtest.h>

#include "config/config_io.h"
#include "outline/object_outline.h"
#include "outline/outline_classes.h"

namespace cd {
namespace {

std::string WithLf(std::string text) {
  std::string out;
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

TEST(Font, AnOutlinesFontKeysWriteBackAsRead) {
  RegisterOutlineClasses();
  TObjectOutline fresh(nullptr);
  fresh.SetName("Tree");
  const std::string plain = WithLf(ObjectToString(&fresh));
  const size_t fontPlace = plain.find("  FileSourcer.");  // the keys after Font
  ASSERT_NE(fontPlace, std::string::npos);
  for (const char* keys : {"  Font.Charset = 0\n  Font.Color = clRed\n",
                           "  Font.Height = -12\n  Font.Name = 'MS Sans Serif'\n",
                           "  Font.Name = 'Arial'\n  Font.Style = [fsBold, fsItalic]\n"}) {
    const std::string text = std::string(plain).insert(fontPlace, keys);
    SCOPED_TRACE(text);
    EXPECT_EQ(WithLf(ObjectToString(StringToObject(text).get())), text);
  }
}

TEST(Font, DefaultsSizeAndCopy) {
  TFont font;
  EXPECT_EQ(font.Name(), "MS Sans Serif");
  EXPECT_EQ(font.Charset(), 1);
  EXPECT_EQ(font.Size(), 8);
  font.SetSize(9);
  EXPECT_EQ(font.Height(), -12);
  font.SetName("Arial");
  font.SetCharset(238);
  TFont copy;
  copy.Assign(font);
  EXPECT_EQ(copy.Name(), "Arial");
  EXPECT_EQ(copy.Charset(), 238);
  EXPECT_EQ(copy.Height(), -12);
}

}  // namespace
}  // namespace cd

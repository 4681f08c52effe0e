// The text forms of win.ini and of the POSIX registry file.
#include <gtest/gtest.h>

#include "platform/ini_text.h"
#include "platform/registry_text.h"

namespace cd::os {
namespace {

TEST(IniText, ReadsSectionsAndTrimmedValues) {
  const SectionedText ini = ParseIniText(
      "orphan=1\r\n[Tarnwell Technology]\r\n ServerPath = c:\\data\\ \r\n; comment=x\r\n"
      "noequals\r\nServerPath=second\r\n[ other ]\nkey=\"quoted\"\n[broken\nk=v");
  EXPECT_EQ(ini.Get("tarnwell technology", "serverpath"), "c:\\data\\");
  EXPECT_FALSE(ini.Get("Tarnwell Technology", "; comment"));
  EXPECT_FALSE(ini.Get("", "orphan"));
  EXPECT_EQ(ini.Get("other", "key"), "\"quoted\"");
  EXPECT_EQ(ini.Get("broken", "k"), "v");
  EXPECT_EQ(UnquoteIniValue("\"quoted\""), "quoted");
  EXPECT_EQ(UnquoteIniValue("'q'"), "q");
  EXPECT_EQ(UnquoteIniValue("\"mixed'"), "\"mixed'");
  EXPECT_EQ(UnquoteIniValue("\""), "\"");
}

TEST(IniText, WrittenTextReadsBack) {
  SectionedText ini;
  ini.Set("S", "a", QuoteIniValue(" padded "));
  ini.Set("S", "b", QuoteIniValue("'single'"));
  ini.Set("T", "c", QuoteIniValue("plain"));
  const SectionedText back = ParseIniText(FormatIniText(ini));
  EXPECT_EQ(UnquoteIniValue(*back.Get("S", "a")), " padded ");
  EXPECT_EQ(UnquoteIniValue(*back.Get("S", "b")), "'single'");
  EXPECT_EQ(*back.Get("T", "c"), "plain");
}

TEST(RegistryText, RoundTripsAnyBytes) {
  SectionedText keys;
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  keys.Set("HKEY_LOCAL_MACHINE\\Software\\[odd] \"key\" %20", all, all);
  keys.Set("HKEY_LOCAL_MACHINE\\Software\\[odd] \"key\" %20", "", "default");
  keys.AddSection("HKEY_CURRENT_USER\\Empty");
  const SectionedText back = ParseRegistryText(FormatRegistryText(keys));
  EXPECT_EQ(back.Get("HKEY_LOCAL_MACHINE\\Software\\[odd] \"key\" %20", all), all);
  EXPECT_EQ(back.Get("hkey_local_machine\\software\\[ODD] \"KEY\" %20", ""), "default");
  EXPECT_TRUE(back.HasSection("HKEY_CURRENT_USER\\Empty"));
}

TEST(RegistryText, MalformedLinesAreSkipped) {
  const SectionedText keys = ParseRegistryText(
      "\"before\"=\"any key\"\n[K]\n\"good\"=\"1\"\n\"unterminated=\"2\"\n\"bad\\q\"=\"3\"\n"
      "\"trailing\"=\"4\" junk\n\"hex\"=\"\\x4\"\n@=\"d\"\r\n[%zz]\n\"lost\"=\"5\"\n[\\A\\\\B\\]\n"
      "\"n\"=\"6\"");
  EXPECT_EQ(keys.Get("K", "good"), "1");
  EXPECT_EQ(keys.Get("K", ""), "d");
  for (const char* name : {"before", "unterminated", "bad\\q", "trailing", "hex"}) {
    EXPECT_FALSE(keys.Get("K", name)) << name;
  }
  EXPECT_FALSE(keys.Get("K", "lost"));  // below an unreadable key line
  EXPECT_EQ(keys.Get("A\\B", "n"), "6");
  EXPECT_EQ(NormalKeyPath("\\Software\\\\X\\"), "Software\\X");
}

}  // namespace
}  // namespace cd::os

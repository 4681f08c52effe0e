// Text -> binary: the records written for every syntax form, the parser's messages with their
// line numbers and stream positions, and where the input is left after a block.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/exceptions.h"
#include "config/binary_writer.h"
#include "config/object_text.h"
#include "streams/memory_stream.h"
#include "support/message_of.h"

namespace cd {
namespace {

// A stream that is not a memory stream, so the converter must read it through the interface.
class TPlainStream : public TStream {
 public:
  explicit TPlainStream(std::string data) : data_(std::move(data)) {}
  int64_t Read(void* buffer, int64_t count) override {
    const int64_t n = std::min<int64_t>(count, static_cast<int64_t>(data_.size()) - pos_);
    if (n <= 0) return 0;
    data_.copy(static_cast<char*>(buffer), static_cast<size_t>(n), static_cast<size_t>(pos_));
    pos_ += n;
    return n;
  }
  int64_t Write(const void*, int64_t) override { return 0; }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override {
    pos_ = (origin == TSeekOrigin::soBeginning ? 0
            : origin == TSeekOrigin::soCurrent ? pos_
                                               : static_cast<int64_t>(data_.size())) +
           offset;
    return pos_;
  }

 private:
  std::string data_;
  int64_t pos_ = 0;
};

std::string Expected(const std::function<void(TBinaryWriter&)>& body) {
  std::string out;
  TBinaryWriter w(out);
  w.WriteSignature();
  body(w);
  return out;
}

// The binary form of one object "A: T" holding the given property records.
std::string OneObject(const std::function<void(TBinaryWriter&)>& properties) {
  return Expected([&](TBinaryWriter& w) {
    w.WriteObjectHeader(0, -1, "T", "A");
    properties(w);
    w.WriteListEnd();
    w.WriteListEnd();
  });
}

std::string Convert(const std::string& text) { return ObjectTextToBinaryAll(text); }

std::pair<std::string, int64_t> Failure(const std::string& text) {
  const std::optional<EParserError> e = test::ThrownBy<EParserError>([&] { Convert(text); });
  if (!e) return {"converted without error: " + text, -1};
  return {e->Message(), e->Position()};
}

TEST(NotationTextToBinary, TheFilesManagerExample) {
  const std::string text =
      "object FM: TFilesManager\n"
      "  PrgSubpath = 'prg\\'\n"
      "  RunData.InstallLang = 'EN'\n"
      "  RunData.Options = [ro_InstallMediaPlayer]\n"
      "  Viewers = <\n"
      "    item\n"
      "      Exe = 'viewer.exe'\n"
      "    end>\n"
      "  object F1: TVersionValue\n"
      "    Flags = [fg_SingleNotCompress, fg_ErrorIfExists]\n"
      "    RegisterDLL = True\n"
      "  end\n"
      "end\n";
  const std::string expected = Expected([](TBinaryWriter& w) {
    w.WriteObjectHeader(0, -1, "TFilesManager", "FM");
    w.WriteStr("PrgSubpath");
    w.WriteString("prg\\");
    w.WriteStr("RunData.InstallLang");
    w.WriteString("EN");
    w.WriteStr("RunData.Options");
    w.WriteValueType(TValueType::vaSet);
    w.WriteStr("ro_InstallMediaPlayer");
    w.WriteStr("");
    w.WriteStr("Viewers");
    w.WriteValueType(TValueType::vaCollection);
    w.WriteListBegin();
    w.WriteStr("Exe");
    w.WriteString("viewer.exe");
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteObjectHeader(0, -1, "TVersionValue", "F1");
    w.WriteStr("Flags");
    w.WriteValueType(TValueType::vaSet);
    w.WriteStr("fg_SingleNotCompress");
    w.WriteStr("fg_ErrorIfExists");
    w.WriteStr("");
    w.WriteStr("RegisterDLL");
    w.WriteBoolean(true);
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
  });
  EXPECT_EQ(Convert(text), expected);
}

TEST(NotationTextToBinary, HeadersWithNamesPositionsAndInheritedBlocks) {
  EXPECT_EQ(Convert("OBJECT TFoo END"), Expected([](TBinaryWriter& w) {
              w.WriteObjectHeader(0, -1, "TFoo", "");
              w.WriteListEnd();
              w.WriteListEnd();
            }));
  EXPECT_EQ(Convert("Object a: t [3]\n  Inherited B: T [-1] end\n  inherited C: T end\nEnd"),
            Expected([](TBinaryWriter& w) {
              w.WriteObjectHeader(2, 3, "t", "a");
              w.WriteListEnd();
              w.WriteObjectHeader(3, -1, "T", "B");
              w.WriteListEnd();
              w.WriteListEnd();
              w.WriteObjectHeader(1, -1, "T", "C");
              w.WriteListEnd();
              w.WriteListEnd();
              w.WriteListEnd();
            }));
}

TEST(NotationTextToBinary, StringValues) {
  EXPECT_EQ(Convert("object A: T\n  S = 'ab' +\n    'cd' + #39\n  E = ''\nend"),
            OneObject([](TBinaryWriter& w) {
              w.WriteStr("S");
              w.WriteString("abcd'");
              w.WriteStr("E");
              w.WriteString("");
            }));
  EXPECT_EQ(Convert("object A: T S = 'x'#1000 + #65535 end"), OneObject([](TBinaryWriter& w) {
              w.WriteStr("S");
              w.WriteWideString(u"x\u03E8\uFFFF");
            }));
  // Pieces of both widths join into a wide string, single-byte pieces widened byte by byte.
  EXPECT_EQ(Convert("object A: T S = '\xE9' + #1000 + 'b' end"), OneObject([](TBinaryWriter& w) {
              w.WriteStr("S");
              w.WriteWideString(u"\u00E9\u03E8b");
            }));
  const std::string longText(300, 'z');
  EXPECT_EQ(Convert("object A: T S = '" + longText.substr(0, 150) + "' + '" +
                    longText.substr(150) + "' end"),
            OneObject([&](TBinaryWriter& w) {
              w.WriteStr("S");
              w.WriteString(longText);
            }));
}

TEST(NotationTextToBinary, NumbersIdentifiersSetsListsAndBinary) {
  const std::string text =
      "object A: T\n"
      "  I = (0 -129 $10000 5.0 2.5s 12345c -1.5d)\n"
      "  Id = (Form1.Edit true FALSE nil clRed)\n"
      "  N = null\n"
      "  E = []\n"
      "  B = {00ff}\n"
      "  C = <item [7] end item end>\n"
      "end";
  EXPECT_EQ(Convert(text), OneObject([](TBinaryWriter& w) {
              w.WriteStr("I");
              w.WriteListBegin();
              w.WriteInteger(0);
              w.WriteInteger(-129);
              w.WriteInteger(65536);
              w.WriteExtended(5.0L);
              w.WriteSingle(2.5f);
              w.WriteCurrency(12345);
              w.WriteDate(-1.5);
              w.WriteListEnd();
              w.WriteStr("Id");
              w.WriteListBegin();
              w.WriteIdent("Form1.Edit");
              w.WriteBoolean(true);
              w.WriteBoolean(false);
              w.WriteIdent("nil");
              w.WriteIdent("clRed");
              w.WriteListEnd();
              w.WriteStr("N");
              w.WriteIdent("Null");
              w.WriteStr("E");
              w.WriteValueType(TValueType::vaSet);
              w.WriteStr("");
              w.WriteStr("B");
              w.WriteBinary(std::string("\x00\xFF", 2));
              w.WriteStr("C");
              w.WriteValueType(TValueType::vaCollection);
              w.WriteInteger(7);
              w.WriteListBegin();
              w.WriteListEnd();
              w.WriteListBegin();
              w.WriteListEnd();
              w.WriteListEnd();
            }));
}

TEST(NotationTextToBinary, QualifiedKeysMayHaveBlanksAroundTheirDots) {
  EXPECT_EQ(Convert("object A: T RunData . Options = 1 end"), OneObject([](TBinaryWriter& w) {
              w.WriteStr("RunData.Options");
              w.WriteInteger(1);
            }));
}

TEST(NotationTextToBinary, NamesAreCutTo255Characters) {
  const std::string part(254, 'k');
  EXPECT_EQ(Convert("object A: T " + part + ".x.y = " + part + "zz.w end"),
            OneObject([&](TBinaryWriter& w) {
              w.WriteStr(part);  // the dot left at the cut goes too
              w.WriteIdent(part + "z");
            }));
}

struct MessageCase {
  const char* text;
  const char* message;
  int64_t position;
};

TEST(NotationTextToBinary, EveryParserMessageWithLineAndPosition) {
  const MessageCase cases[] = {
      {"objec A: T end", "OBJECT expected on line 1", 0},
      {"object 1 end", "Identifier expected on line 1", 7},
      {"object A: T", "Identifier expected on line 1", 11},
      {"object A: T\n  X 1\nend", "''='' expected on line 2", 16},
      {"object A: T\n  X = 'a' + 1\nend", "String expected on line 2", 24},
      {"object A: T\n  X = #300 + nil\nend", "String expected on line 2", 25},
      {"object A: T [x] end", "Number expected on line 1", 13},
      {"object A: T [1.5] end", "Number expected on line 1", 13},
      {"object A: T [1 end", "'']'' expected on line 1", 15},
      {"object A: T\n  X = <\n    itm\n  end>\nend", "item expected on line 3", 24},
      {"object A: T\n  X = )\nend", "Invalid property value on line 2", 18},
      {"object A: T\n  object B: T end\n  X = 1\nend", "OBJECT expected on line 3", 32},
      {"object A: T\n  X = [a b]\nend", "'','' expected on line 2", 21},
      {"object A: T\n  X = [a,]\nend", "Identifier expected on line 2", 21},
      {"object A: T\n  X = (1 Null)\nend", "Invalid property value on line 2", 21},
      {"object A: T\n  X = 99999999999\nend", "'99999999999' is not a valid integer value on line 2",
       18},
      {"object A: T\n  X = 1.2.3\nend", "'1.2.3' is not a valid floating point value on line 2",
       18},
      {"object A: T\n  X = 1e400d\nend", "'1e400' is not a valid floating point value on line 2",
       18},
      {"object A: T\n  X = 'abc\nend", "Invalid string constant on line 2", 18},
      {"object A: T\n  X = {12 3}\nend", "Invalid binary value on line 2", 18},
  };
  for (const MessageCase& c : cases)
    EXPECT_EQ(Failure(c.text), std::make_pair(std::string(c.message), c.position)) << c.text;
}

TEST(NotationTextToBinary, NestingDeeperThan500IsRefused) {
  const auto lists = [](int n) {
    return "object A: T X = " + std::string(n, '(') + std::string(n, ')') + " end";
  };
  EXPECT_NO_THROW(Convert(lists(500)));
  EXPECT_EQ(Failure(lists(501)).first, "Object text nested too deeply on line 1");
  std::string objects;
  for (int i = 0; i < 600; ++i) objects += "object T\n";
  EXPECT_EQ(Failure(objects).first, "Object text nested too deeply on line 502");
}

TEST(NotationTextToBinary, InputIsLeftAtTheTokenAfterEachBlock) {
  const std::string text = "xx object A: T end  \r\n  object B: T end \r\n ";
  for (bool memory : {true, false}) {
    std::unique_ptr<TStream> input;
    if (memory) {
      input = std::make_unique<TMemoryStream>(text);
    } else {
      input = std::make_unique<TPlainStream>(text);
    }
    input->SetPosition(3);
    TMemoryStream output;
    ObjectTextToBinary(*input, output);
    EXPECT_EQ(input->Position(), 24);
    ObjectTextToBinary(*input, output);
    EXPECT_EQ(input->Position(), static_cast<int64_t>(text.size()));
    EXPECT_EQ(output.Data(), Convert(text.substr(3)));
  }
}

TEST(NotationTextToBinary, AFailureLeavesTheInputAtTheFailingToken) {
  TPlainStream input("object A: T end\nobject B: T\n  X = $\nend");
  TMemoryStream output;
  ObjectTextToBinary(input, output);
  const std::optional<EParserError> e =
      test::ThrownBy<EParserError>([&] { ObjectTextToBinary(input, output); });
  ASSERT_TRUE(e);
  // Each block counts its lines from 1.
  EXPECT_EQ(e->Message(), "'$' is not a valid integer value on line 2");
  EXPECT_EQ(e->Position(), 34);
  EXPECT_EQ(input.Position(), 34);
}

TEST(NotationTextToBinary, AZeroByteEndsTheText) {
  const std::string text = std::string("object A: T end ") + '\0' + "garbage";
  TMemoryStream input(text);
  TMemoryStream output;
  ObjectTextToBinary(input, output);
  EXPECT_EQ(input.Position(), static_cast<int64_t>(text.size()));
  EXPECT_EQ(Convert(text), Convert("object A: T end"));
}

TEST(NotationTextToBinary, WholeTextFormConvertsEveryBlock) {
  EXPECT_EQ(Convert(""), "");
  EXPECT_EQ(Convert("object A: T end object B: T end"),
            Convert("object A: T end") + Convert("object B: T end"));
  // Blanks only are not a block; the whole-text form keeps counting lines across blocks.
  EXPECT_EQ(Failure("  \n"), std::make_pair(std::string("OBJECT expected on line 2"), int64_t{3}));
  EXPECT_EQ(Failure("object A: T end\nobject B: T\n X = ?\nend").first,
            "Invalid property value on line 3");
}

TEST(NotationTextToBinary, TheLineWindowAppliesToConversions) {
  const auto withLine = [](size_t length) {
    const std::string prefix = "  S = '";
    return "object A: T\n" + prefix + std::string(length - prefix.size() - 1, 'a') + "'\nend\n";
  };
  EXPECT_NO_THROW(Convert(withLine(4095)));
  EXPECT_EQ(Failure(withLine(4096)), std::make_pair(std::string("Line too long on line 2"), int64_t{12}));
}

}  // namespace
}  // namespace cd

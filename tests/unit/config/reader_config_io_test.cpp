// The reading operations over whole texts: block counts, the conversion failure message,
// empty texts, zero-terminated texts and the decimal point.
#include <gtest/gtest.h>

#include <clocale>
#include <thread>

#include "config/config_io.h"
#include "streams/memory_stream.h"
#include "support/message_of.h"
#include "unit/config/model_test_classes.h"

namespace cd::test {
namespace {

class ConfigIo : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    EventLog().clear();
  }
};

TEST_F(ConfigIo, BlocksBecomeObjectsInTextOrder) {
  TMemoryStream one("object A: TTestComponent end  \r\n\t \r\n");
  EXPECT_EQ(ReadObject(one)->Name(), "A");
  TMemoryStream two("object A: TTestComponent end\nobject B: TTestLeaf end\n");
  TObjectList list;
  list.push_back(std::make_unique<TTestComponent>(nullptr));
  StreamReadConfigEx(two, &list);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[2]->ClassName(), "TTestLeaf");
  StreamReadConfigEx(two, nullptr);  // no list: nothing
  TMemoryStream again("object A: TTestComponent end\nobject B: TTestLeaf end\n");
  EXPECT_EQ(MessageOf([&] { ReadObject(again); }), "VMConfig.ReadObject: L.count<>1");
}

TEST_F(ConfigIo, ReadingStartsAtTheStreamPosition) {
  TMemoryStream s("garbage object A: TTestComponent Number = 3 end");
  s.SetPosition(8);
  EXPECT_EQ(static_cast<TTestComponent&>(*ReadObject(s)).number, 3);
}

TEST_F(ConfigIo, ASyntaxErrorAnywhereCreatesNoObject) {
  const std::string text =
      "object A: TTestComponent end\n"
      "object B: TTestComponent\n  Text = 'broken\n  end\n";
  TMemoryStream s(text);
  TObjectList list;
  EXPECT_EQ(MessageOf([&] { StreamReadConfig(s, &list); }),
            "StreamReadConfigEx.ObjectTextToBinary: OK Object Num = 1, StreamPosition=" +
                std::to_string(text.find("'broken")));
  EXPECT_TRUE(list.empty());
  EXPECT_TRUE(EventLog().empty());
}

TEST_F(ConfigIo, IntegerOverflowIsAConversionFailure) {
  const std::string text = "object A: TTestComponent\n  Number = 2147483648\nend\n";
  TMemoryStream s(text);
  EXPECT_EQ(MessageOf([&] { ReadObject(s); }),
            "StreamReadConfigEx.ObjectTextToBinary: OK Object Num = 0, StreamPosition=" +
                std::to_string(text.find("2147483648")));
  TMemoryStream ok("object A: TTestComponent\n  Number = -2147483648\nend\n");
  EXPECT_EQ(static_cast<TTestComponent&>(*ReadObject(ok)).number, INT32_MIN);
}

TEST_F(ConfigIo, EmptyTextsReadNothing) {
  EXPECT_EQ(StringToObject(""), nullptr);
  TTestComponent instance(nullptr);
  instance.number = 4;
  StringToObject("", instance);
  EXPECT_EQ(instance.number, 4);
  StringToObject("object X: TTestComponent Number = 5 end", instance);
  EXPECT_EQ(instance.Name(), "X");
  EXPECT_EQ(instance.number, 5);
  TObjectList list;
  PCharToObjects(nullptr, &list);
  PCharToObjects("", &list);
  PCharToObjects("object A: TTestComponent end", nullptr);
  EXPECT_TRUE(list.empty());
}

TEST_F(ConfigIo, PCharToObjectWantsExactlyOneObject) {
  EXPECT_EQ(PCharToObject("object A: TTestComponent end\0object B: TTestComponent end")->Name(),
            "A");
  EXPECT_EQ(MessageOf([] { PCharToObject(nullptr); }), "PCharToObject: Not single component");
  EXPECT_EQ(MessageOf([] {
              PCharToObject("object A: TTestComponent end object B: TTestComponent end");
            }),
            "PCharToObject: Not single component");
}

TEST_F(ConfigIo, ThreadsReadAndWriteAtTheSameTime) {
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([t] {
      for (int i = 0; i < 20; ++i) {
        const std::string text = "object R" + std::to_string(t) +
                                 ": TTestComponent\n Number = " + std::to_string(i) +
                                 "\n object C: TTestLeaf end\nend\n";
        auto o = StringToObject(text);
        ASSERT_EQ(static_cast<TTestComponent&>(*o).number, i);
        ASSERT_EQ(ObjectToString(o.get()).size(), ObjectToString(CloneObject(o.get()).get()).size());
      }
    });
  for (auto& th : threads) th.join();
}

TEST_F(ConfigIo, FloatsIgnoreTheCLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "de_DE") ||
                      std::setlocale(LC_ALL, "German_Germany.1252");
  TTestComponent o(nullptr);
  o.ext = 2.75;
  const std::string text = ObjectToString(&o);
  auto copy = StringToObject("object TTestComponent\n Ext = 0.125\nend");
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_NE(text.find("Ext = 2.75\r\n"), std::string::npos) << text;
  EXPECT_EQ(static_cast<TTestComponent&>(*copy).ext, 0.125);
  if (!german) GTEST_SKIP() << "no German locale installed: checked under the C locale only";
}

}  // namespace
}  // namespace cd::test

// TFileSourcer: loading the bound file when its name is set or read, the missing-file styles,
// relative names under the server path, and its keys as qualified keys of its owner.
#include "config/file_sourcer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>
#include <vector>

#include "base/exceptions.h"
#include "config/class_registry.h"
#include "config/config_io.h"
#include "config/server_path.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "support/hook_guard.h"
#include "support/message_of.h"
#include "support/temp_dir.h"

namespace cd {
namespace {

using Calls = std::vector<std::string>;
constexpr TFileSrcStyles kLoad = SetBit(fss_LoadFromFile);
constexpr TFileSrcStyles kClear = SetBit(fss_ErrClearData);
constexpr TFileSrcStyles kBlank = SetBit(fss_ErrBlankFileName);
constexpr TFileSrcStyles kShow = SetBit(fss_ErrShowException);

// A component bound to a data file as an outline is: it stores the name under its own key and
// logs its handler's calls ("full name=content" for a load, "clear").
class TSourcedText : public TComponent {
 public:
  explicit TSourcedText(TComponent* owner)
      : TComponent(owner), sourcer(this, [this](TStream* stream, const std::string& name) {
          calls.push_back(stream ? name + "=" + stream->ReadRest() : "clear");
          if (during) during(sourcer);
        }) {}
  static const TClassInfo& StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TSourcedText>("TSourcedText", &TComponent::StaticClass())
            .Str(
                "FileName", [](const TSourcedText& o) { return o.sourcer.FileName(); },
                [](TSourcedText& o, const std::string& v) { o.sourcer.SetFileName(v); })
            .Object("FileSourcer", [](TSourcedText& o) { return &o.sourcer; })
            .Build();
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
  void Loaded() override { sourcer.Loaded(); }

  TFileSourcer sourcer;
  Calls calls;
  std::function<void(TFileSourcer&)> during;  // runs inside the handler
};

class FileSourcerTest : public ::testing::Test {
 protected:
  FileSourcerTest() {
    RegisterClass(TSourcedText::StaticClass());
    std::ofstream(server_.File("a.dat")) << "alpha";
  }
  std::unique_ptr<TSourcedText> Owner(TFileSrcStyles style, const std::string& name = "") {
    auto owner = std::make_unique<TSourcedText>(nullptr);
    owner->sourcer.SetFileName(name);  // only stored: no style yet
    owner->sourcer.SetRuntimeStyle(style);
    return owner;
  }

  test::TempDir server_;
  const std::string file_ = os::WindowsPath(server_.File("a.dat"));
  // The server path ends with a backslash: names are put directly after it.
  const std::string path_ = file_.substr(0, file_.size() - 5);
  test::HookGuard<TServerPathHook> hook_{OnServerPath(), [this] { return path_; }};
};

TEST_F(FileSourcerTest, SettingANameFollowsTheStyle) {
  const std::string missing = "TFileSourcer.AdjustFile: File does not exist - " + path_ + "x.dat";
  const struct {
    TFileSrcStyles style;
    std::string name, kept, message;
    Calls calls;
  } cases[] = {
      {kLoad, "a.dat", "a.dat", "", {path_ + "a.dat=alpha"}},
      {kLoad, file_, file_, "", {file_ + "=alpha"}},  // a drive name as it is
      {kLoad, "OLD.DAT", "old.dat", "", {}},          // the same name in another case
      {kLoad, "", "", "", {"clear"}},
      {kShow | kClear, "a.dat", "a.dat", "", {}},  // without fss_LoadFromFile only stored
      {kLoad, "x.dat", "old.dat", "", {}},
      {kLoad | kBlank, "x.dat", "", "", {}},
      {kLoad | kClear, "x.dat", "old.dat", "", {"clear"}},
      {kLoad | kShow | kBlank, "x.dat", "old.dat", missing, {}},
      {kLoad | kShow | kClear, "x.dat", "old.dat", missing, {"clear"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name + " " + std::to_string(c.style));
    auto owner = Owner(c.style, "old.dat");
    int changes = 0;
    owner->sourcer.SetOnContentChanged([&] { ++changes; });
    if (c.message.empty())
      owner->sourcer.SetFileName(c.name);
    else
      EXPECT_EQ(test::MessageOf([&] { owner->sourcer.SetFileName(c.name); }), c.message);
    EXPECT_EQ(owner->sourcer.FileName(), c.kept);
    EXPECT_EQ(owner->calls, c.calls);
    EXPECT_EQ(changes, c.calls.size() == 1 && c.calls[0] != "clear" ? 1 : 0);
  }
}

TEST_F(FileSourcerTest, WhileLoadingNamesAndStylesAreIgnoredAlsoWhenTheHandlerFails) {
  auto owner = Owner(kLoad);
  bool loading = false;
  owner->during = [&](TFileSourcer& s) {
    loading = s.Loading();
    // Others may read and write the file meanwhile.
    os::OpenFile(file_, os::OpenMode::Read, os::ShareMode::DenyNone);
    os::OpenFile(file_, os::OpenMode::Write, os::ShareMode::DenyNone);
    s.SetFileName("b.dat");
    s.SetRuntimeStyle(0);
    s.SetDesignStyle(0);
    s.SetUseDefaultRuntimeStyle(false);
    s.SetDefaultRuntimeStyleName("R");
    throw Exception("bad data");
  };
  EXPECT_EQ(test::MessageOf([&] { owner->sourcer.SetFileName("a.dat"); }), "bad data");
  EXPECT_TRUE(loading);
  EXPECT_FALSE(owner->sourcer.Loading());
  const TFileSourcer& s = owner->sourcer;
  EXPECT_EQ(std::make_tuple(s.RuntimeStyle(), s.DesignStyle(), s.UseDefaultRuntimeStyle(),
                            s.DefaultRuntimeStyleName()),
            std::make_tuple(kLoad, kLoad | kShow, true, std::string()));
  owner->during = nullptr;
  owner->sourcer.SetFileName("a.dat");
  EXPECT_EQ(owner->sourcer.FileName(), "a.dat");
}

TEST_F(FileSourcerTest, ANameReadFromTextIsLoadedOnceWhenTheOwnerIsLoaded) {
  const std::string name = "  FileName = 'a.dat'\r\n";
  const std::string style = "  FileSourcer.RuntimeStyle = [fss_LoadFromFile]\r\n";
  for (const std::string& keys : {name + style, style + name}) {
    auto root = StringToObject("object Text: TSourcedText\r\n" + keys + "end\r\n");
    EXPECT_EQ(static_cast<TSourcedText&>(*root).calls, Calls{path_ + "a.dat=alpha"}) << keys;
  }
  // A read that fails leaves the owner out of reading: the next name loads.
  auto owner = Owner(kLoad);
  EXPECT_THROW(StringToObject("object Text: TSourcedText\r\n Bad = 1\r\nend\r\n", *owner),
               Exception);
  owner->sourcer.SetFileName("a.dat");
  EXPECT_EQ(owner->calls, Calls{path_ + "a.dat=alpha"});
}

TEST_F(FileSourcerTest, ClearBeforeSaveOnlyWithItsStyleAndAHandler) {
  for (const TFileSrcStyles style : {kLoad, SetBit(fss_ClearBeforeSave)}) {
    auto owner = Owner(style);
    owner->sourcer.ClearBeforeSave();
    EXPECT_EQ(owner->calls, style == kLoad ? Calls{} : Calls{"clear"});
  }
  TFileSourcer unbound(nullptr);
  unbound.SetRuntimeStyle(kLoad | SetBit(fss_ClearBeforeSave));
  unbound.ClearBeforeSave();
  unbound.SetFileName("a.dat");  // nothing to load it: no name kept
  EXPECT_EQ(unbound.FileName(), "");
}

TEST_F(FileSourcerTest, KeysRoundTripAsQualifiedKeysOfTheOwner) {
  auto owner = Owner(kClear | kBlank, "x.dat");
  owner->SetName("Text");
  TFileSourcer& s = owner->sourcer;
  s.SetUseDefaultRuntimeStyle(false);
  s.SetUseDefaultDesignStyle(true);
  s.SetDefaultRuntimeStyleName("Run");
  s.SetDefaultDesignStyleName("Design");
  s.SetDesignStyle(0);
  const std::string text =
      "object Text: TSourcedText\r\n"
      "  FileName = 'x.dat'\r\n"
      "  FileSourcer.UseDefaultRuntimeStyle = False\r\n"
      "  FileSourcer.UseDefaultDesignStyle = True\r\n"
      "  FileSourcer.DefaultRuntimeStyleName = 'Run'\r\n"
      "  FileSourcer.DefaultDesignStyleName = 'Design'\r\n"
      "  FileSourcer.DesignStyle = []\r\n"
      "  FileSourcer.RuntimeStyle = [fss_ErrClearData, fss_ErrBlankFileName]\r\n"
      "end\r\n";
  EXPECT_EQ(ObjectToString(owner.get()), text);
  EXPECT_EQ(ObjectToString(StringToObject(text).get()), text);
}

}  // namespace
}  // namespace cd

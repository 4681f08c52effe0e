// The course library context: the kinds of host and what each may ask, the server folder from
// win.ini, the course manager and the course player (the stand-in: a local provider here, the
// COM server under Windows), the card and its location kind, and opening course data files.
#include "library/context.h"

#include <gtest/gtest.h>

#include "config/config_io.h"
#include "config/my_timer.h"
#include "config/string_list.h"
#include "config/timer_manager.h"
#include "library/book_card.h"
#include "library/book_card_ref.h"
#include "library/library_classes.h"
#include "library/server_file_name.h"
#include "platform/drive_map.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "stand_in/stand_in_guard.h"
#include "support/http_server.h"
#include "support/message_of.h"
#include "support/temp_dir.h"

namespace cd {
namespace {

class Context : public testing::Test {
 protected:
  // The temporary folder gets one drive letter for all the tests' folders below it, so that
  // the suite does not use up the letters of the POSIX drive map.
  void SetUp() override {
    RegisterLibraryClasses();
    os::WindowsPath(std::filesystem::temp_directory_path().string());
  }

  std::string Root() const {
    return os::IncludeTrailingBackslash(os::WindowsPath(dir_.Path().string()));
  }
  TContext Make(const std::string& program) {
    return TContext(TContext::TSetup{Root() + program, &timers_,
                                     [this](const std::string& text) { shown_.push_back(text); },
                                     [this] { ++terminated_; }});
  }
  // The stand-in player's setup: server folders below Root(), the card of WriteCard.
  test::StandInSetup Player() const {
    test::StandInSetup setup;
    setup.root = Root();
    setup.trace = Root() + "trace.txt";
    return setup;
  }
  std::string Trace() const {
    return os::FileExists(Root() + "trace.txt") ? os::ReadWholeFile(Root() + "trace.txt") : "";
  }
  std::string WriteCard(const std::string& mediumId, const std::string& mediumPath = "") {
    TBookCard card(nullptr);
    card.SetName("Course");
    card.SetMediumId(mediumId);
    card.SetMediumPath(mediumPath);
    const std::string file = Root() + "_Editpla.a01";
    os::WriteWholeFile(file, ObjectToString(&card));
    return file;
  }

  test::TempDir dir_;
  int32_t now_ = 0;
  TTimerManager timers_{[this] { return now_; }, [](TTimerManager&, bool) {}};
  std::vector<std::string> shown_;
  int terminated_ = 0;
};

TEST_F(Context, TheProgramsNameChoosesTheUsageContext) {
  const struct {
    const char* program;
    TUsageContext expected;
  } cases[] = {{"C:\\DEV\\KALDER32.EXE", uc_WinIni},
               {"rvtool.exe", uc_NamedData},
               {"c:\\Vok\\VokMnger.Exe", uc_Manager},
               {"C:\\CD\\CDRUN.EXE", uc_Automation},
               {"C:\\KALDER32.EXE.BAK", uc_Automation}};
  for (const auto& c : cases) EXPECT_EQ(UsageContextOf(c.program), c.expected) << c.program;
}

TEST_F(Context, EachOperationIsRefusedOutsideItsUsageContexts) {
  const struct {
    const char* program;
    const char* operation;
    std::function<void(TContext&)> call;
  } refused[] = {
      {"KALDER32.EXE", "GetDataName", [](TContext& c) { c.GetDataName(); }},
      {"KALDER32.EXE", "ServerType", [](TContext& c) { c.ServerType(); }},
      {"KALDER32.EXE", "BookCard", [](TContext& c) { c.BookCard(); }},
      {"RVTOOL.EXE", "BookCard", [](TContext& c) { c.BookCard(); }},
      {"CDRUN.EXE", "GetDiscPath", [](TContext& c) { c.GetDiscPath(); }},
      {"RVTOOL.EXE", "GetDiscPath", [](TContext& c) { c.GetDiscPath(); }},
  };
  for (const auto& r : refused) {
    TContext context = Make(r.program);
    EXPECT_EQ(test::MessageOf([&] { r.call(context); }),
              std::string("TContext.CheckUsageContext - ") + r.operation)
        << r.program;
  }
}

TEST_F(Context, TheDevelopmentEnvironmentReadsWinIniOnEveryCall) {
  TContext context = Make("KALDER32.EXE");
  ASSERT_TRUE(os::SetProfileString("Tarnwell Technology", "ServerPath", ""));
  EXPECT_EQ(test::MessageOf([&] { context.GetServerPath(); }),
            "TContext.GetServerPath: Missing ServerPath=c:\\data\\... item in [Tarnwell "
            "Technology] section in win.ini");
  ASSERT_TRUE(os::SetProfileString("Tarnwell Technology", "ServerPath", "D:\\Data\\"));
  EXPECT_EQ(context.GetServerPath(), "D:\\Data\\");
  ASSERT_TRUE(os::SetProfileString("Tarnwell Technology", "ServerPath", "E:\\Other\\"));
  EXPECT_EQ(context.GetServerPath(), "E:\\Other\\");
  os::SetProfileString("Tarnwell Technology", "ServerPath", "");
}

TEST_F(Context, TheCourseManagerAnswersFromItsFolderAndTheCardLookup) {
  TContext context = Make("VOKMNGER.EXE");
  context.SetDataName("Other");
  EXPECT_EQ(context.GetDataName(), "Pagent");
  EXPECT_EQ(context.GetDiscPath(), Root());
  EXPECT_EQ(context.GetServerPath(), Root() + "VokMnger\\");
  EXPECT_EQ(context.ServerType(), st_Drive);
  EXPECT_EQ(test::MessageOf([&] { context.BookCard(); }), "TContext.BookCard: FBookCard=nil");
  std::string asked;
  context.SetCardLookup([&](const std::string& name) {
    asked = name;
    return std::make_shared<TBookCardRef>(TBookCard::CreateFromFile(WriteCard("D:")));
  });
  EXPECT_EQ(context.BookCard()->GetName(), "Course");
  EXPECT_EQ(asked, "Pagent");
  EXPECT_EQ(test::MessageOf([&] { context.GetPagenter(); }),
            "Pagent:IPagenter: Cannot call self as automat");
}

TEST_F(Context, ServerNamesDifferForABareDrive) {
  TContext context = Make("VOKMNGER.EXE");
  const std::string server = Root() + "VokMnger\\";
  EXPECT_EQ(context.ExpandServerName("D:"), server + "D:");
  EXPECT_EQ(ServerFileName("D:", context), "D:");
  for (const char* drive : {"D:\\a.otx", "D:a"}) {
    EXPECT_EQ(context.ExpandServerName(drive), drive);
    EXPECT_EQ(ServerFileName(drive, context), drive);
  }
  EXPECT_EQ(context.ExpandServerName("a"), server + "a");
  EXPECT_EQ(ServerFileName("a", context), "a");
  EXPECT_EQ(ServerFileName("ab\\c", context), server + "ab\\c");
}

TEST_F(Context, ThePlayerIsStartedOnceAndPolledUntilReady) {
  test::StandInGuard player(Player());
  TContext context = Make("CDRUN.EXE");
  EXPECT_EQ(test::MessageOf([&] { context.GetServerPath(); }),
            "TContext.GetDataName: Missing DataName");
  context.SetDataName("Course");
  EXPECT_EQ(context.GetServerPath(), Root() + "Course\\");
  EXPECT_EQ(context.GetServerPath(), Root() + "Course\\");
  context.SetDataName("COURSE");
  EXPECT_EQ(context.GetServerPath(), Root() + "Course\\");
  context.SetDataName("Second");
  EXPECT_EQ(context.GetServerPath(), Root() + "Second\\");
  EXPECT_EQ(Trace(),
            "Create\nStart\nReady after 3\nDataName Course\nServerPath\nDataName Second\n"
            "ServerPath\n");
}

TEST_F(Context, APlayerWithAReadySignalIsWaitedForByTheEvent) {
  test::StandInSetup setup = Player();
  setup.readySignal = true;
  test::StandInGuard player(setup);
  std::unique_ptr<os::AutomationServer> server =
      TContext::CreateAutomationServer("pgt2.Pagenter", "-course Course");
  EXPECT_EQ(Trace(), "Create\nStartParameter -course Course\n");
}

TEST_F(Context, AMissingPlayerIsReportedByItsProgId) {
  EXPECT_NE(test::MessageOf([] {
              TContext::CreateAutomationServer("pgt2.Pagenter", "");
            }).find("\"pgt2.Pagenter\""),
            std::string::npos);
}

TEST_F(Context, NamedDataAsksThePlayerForItsFolderAndReadsTheAncestors) {
  test::StandInGuard player(Player());
  os::ForceDirectories(Root() + "Course\\");
  os::WriteWholeFile(Root() + "Course\\Ances.otx", "FIRST=Base\r\nSECOND=Other\r\n");
  TContext context = Make("RVTOOL.EXE");
  context.SetDataName("Course");
  EXPECT_EQ(context.GetServerPath(), Root() + "Course\\");
  EXPECT_EQ(context.ServerType(), st_Drive);
  EXPECT_EQ(context.AncesValue("first"), "Base");
  EXPECT_EQ(context.AncesValue("none"), "");
  TStringList replaced;
  replaced.Add("THIRD=x");
  context.SetAnces(replaced);
  EXPECT_EQ(context.GetAnces().Count(), 1);
  EXPECT_NE(Trace().find("ServerPathOf Course\n"), std::string::npos);
}

TEST_F(Context, ThePlayersCardGivesTheLocationKind) {
  const struct {
    const char* mediumId;
    TServerType expected;
  } cases[] = {{"D:", st_Drive},        {"D:\\Course", st_Drive}, {"HTTP://host/x", st_Url},
               {"http://host", st_Url}, {"Course", st_Relative},  {"D", st_Relative}};
  for (const auto& c : cases) {
    test::StandInSetup setup = Player();
    setup.cardFile = WriteCard(c.mediumId);
    test::StandInGuard player(setup);
    TContext context = Make("CDRUN.EXE");
    context.SetDataName("Course");
    EXPECT_EQ(context.ServerType(), c.expected) << c.mediumId;
  }
}

TEST_F(Context, ThePlayersCardIsUsedThroughItsInterface) {
  test::StandInSetup setup = Player();
  setup.cardFile = WriteCard("D:", "Titles\\Course");
  test::StandInGuard player(setup);
  TContext context = Make("CDRUN.EXE");
  context.SetDataName("Course");
  std::shared_ptr<IBookCard> card = context.BookCard();
  EXPECT_EQ(card, context.BookCard());
  EXPECT_EQ(card->GetName(), "Course");
  EXPECT_EQ(card->GetMediumPath(), "Titles\\Course");
  EXPECT_EQ(card->GetFileName(0), setup.cardFile);
  EXPECT_EQ(card->GetFileName(1), "_Editpla.001");
  EXPECT_EQ(card->DataSourceCount(), 0);
  card->PutLanguage("DE");
  card->PutPars("-x");
  card->Save();
  EXPECT_EQ(card->GetLanguage(), "DE");
  EXPECT_EQ(TBookCard::CreateFromFile(setup.cardFile)->Pars(), "-x");
}

TEST_F(Context, DataFilesAreOpenedWhereTheLocationKindSays) {
  os::ForceDirectories(Root() + "Course\\Titles\\");
  os::WriteWholeFile(Root() + "Course\\Titles\\a.otx", "on the medium");
  os::ForceDirectories(Root() + "Data\\Course\\");
  os::WriteWholeFile(Root() + "Data\\Course\\a.otx", "on the server");
  test::StandInSetup setup = Player();
  setup.root = Root() + "Data\\";
  setup.cardFile = WriteCard("Course", "Titles");
  test::StandInGuard player(setup);
  TContext context = Make("CDRUN.EXE");
  context.SetDataName("Course");
  EXPECT_EQ(context.OpenDataStream("a.otx")->ReadRest(), "on the medium");
  os::DeleteFile(Root() + "Course\\Titles\\a.otx");
  EXPECT_EQ(context.OpenDataStream("a.otx")->ReadRest(), "on the server");
}

TEST_F(Context, CourseDataOnTheWebIsFetchedWithSlashes) {
  std::filesystem::create_directories(dir_.Path() / "web" / "Course");
  os::WriteWholeFile(Root() + "web\\Course\\a.otx", "from the web");
  test::HttpServer server(dir_.Path() / "web");
  test::StandInSetup setup = Player();
  setup.root = server.Url("");
  setup.cardFile = WriteCard(server.Url(""));
  test::StandInGuard player(setup);
  TContext context = Make("CDRUN.EXE");
  context.SetDataName("Course");
  std::unique_ptr<TStream> stream = context.OpenDataStream("a.otx");
  EXPECT_EQ(stream->ReadRest(), "from the web");
}

TEST_F(Context, ADataFileThatCannotBeOpenedEndsTheApplication) {
  TContext context = Make("VOKMNGER.EXE");
  EXPECT_THROW(context.OpenDataStream("missing.otx"), EAbort);
  EXPECT_EQ(shown_, std::vector<std::string>{"Cannot open file \"" + Root() +
                                             "VokMnger\\missing.otx\". Application will be "
                                             "closed."});
  ASSERT_EQ(timers_.Timers().size(), 1u);
  EXPECT_EQ(terminated_, 0);
  now_ += 1;
  timers_.Tick();
  EXPECT_EQ(terminated_, 1);
  EXPECT_TRUE(timers_.Timers().empty());
}

}  // namespace
}  // namespace cd

// The object map's fragment, compared as whole texts: boxes and title bars, tables shared by
// rows of equal width, Html rows, widths, nested frames, the coloured and plain text modes.
#include "objmap/obj_map_generator.h"

#include <gtest/gtest.h>

#include "config/config_io.h"
#include "objmap/objmap_classes.h"

namespace cd {
namespace {

// The head of a frame box as the default parameters draw it, for a border colour and a title.
std::string Head(const std::string& rgb, const std::string& hex, const std::string& title) {
  return "<table border=\"0\" width=\"100%\" cellspacing=\"0\"   style=\"border-left: 2px solid "
         "rgb(" +
         rgb + "); border-bottom: 2px solid rgb(" + rgb + ");  border-right: 2px solid rgb(" + rgb +
         ");margin-left: 0\">\r\n"
         "  <tr>\r\n"
         "     <td width=\"100%\" bgcolor=\"#" +
         hex +
         "\">\r\n"
         "     <font face=\"Verdana\" color=\"#FFFFFF\"><strong><big>" +
         title +
         "</big></strong></font></td>\r\n"
         "   </tr>\r\n"
         "   <tr>\r\n"
         "     <td width=\"100%\">\r\n";
}
const std::string kTail = "\r\n     </td>\r\n   </tr>\r\n</table>";
const std::string kOpen =
    "<table border=\"0\" width=\"100%\" cellpadding=\"0\" cellspacing=\"0\">\r\n";
const std::string kClose = "</table>\r\n";

// The two table rows of items (description, value) of the default parameters.
std::string Row(const std::vector<std::pair<std::string, std::string>>& items) {
  const std::vector<std::string> widths =
      items.size() == 3   ? std::vector<std::string>{"33%", "33%", "34%"}
      : items.size() == 2 ? std::vector<std::string>{"50%", "50%"}
                          : std::vector<std::string>{"100%"};
  std::string text = "<tr>\r\n";
  for (size_t i = 0; i < items.size(); ++i)
    text += "<td width=\"" + widths[i] +
            "\" bgcolor=\"f3ece4\">\r\n  <font face=\"Verdana\" color=\"#000080\"><small>" +
            items[i].first + "</small></font></td>\r\n";
  text += "</tr>\r\n<tr>\r\n";
  for (size_t i = 0; i < items.size(); ++i)
    text += "<td width=\"" + widths[i] +
            "\" bgcolor=\"ffffff\" >\r\n  <font face=\"Verdana\" color=\"#000000\"><small>" +
            items[i].second + "</small></font></td>\r\n";
  return text + "</tr>\r\n";
}

void AddItems(TOMFrame& frame, const std::vector<std::pair<std::string, std::string>>& items) {
  TOMRow& row = AddRow(frame);
  for (const auto& [descr, value] : items) AddItem(row, 0, descr, value);
}

TOMFrame& Child(TOMFrame& parent, const std::string& title) {
  auto* child = new TOMFrame(&parent);
  child->SetDescr(title);
  return *child;
}

const std::vector<std::pair<std::string, std::string>> kThree = {
    {"A", "1"}, {"B", "2"}, {"C", "3"}};
const std::vector<std::pair<std::string, std::string>> kTwo = {{"D", "4"}, {"E", "5"}};

TEST(ObjMap, AnEmptyFrameIsOnlyItsBox) {
  TOMFrame frame(nullptr);
  frame.SetDescr("Title");
  EXPECT_EQ(Generate(frame, nullptr, om_Standard),
            "<table border=\"0\" width=\"100%\" cellspacing=\"0\"   style=\"border-left: 2px "
            "solid rgb(255,0,0); border-bottom: 2px solid rgb(255,0,0);  border-right: 2px "
            "solid rgb(255,0,0);margin-left: 0\">\r\n  <tr>\r\n     <td width=\"100%\" "
            "bgcolor=\"#ff0000\">\r\n     <font face=\"Verdana\" color=\"#FFFFFF\"><strong><big>"
            "Title</big></strong></font></td>\r\n   </tr>\r\n   <tr>\r\n     <td "
            "width=\"100%\">\r\n\r\n     </td>\r\n   </tr>\r\n</table>");
}

TEST(ObjMap, RowsOfEqualWidthShareATableAndHtmlRowsCloseIt) {
  TOMFrame frame(nullptr);
  frame.SetDescr("T");
  AddItems(frame, kThree);
  AddItems(frame, kThree);
  AddItems(frame, kTwo);
  AddRow(frame).SetHtml("<hr>");
  AddItems(frame, kTwo);
  AddItems(frame, {{"F", "6"}});
  EXPECT_EQ(Generate(frame, nullptr, om_Standard),
            Head("255,0,0", "ff0000", "T") + kOpen + Row(kThree) + Row(kThree) + kClose + kOpen +
                Row(kTwo) + kClose + "<hr>" + kOpen + Row(kTwo) + kClose + kOpen +
                Row({{"F", "6"}}) + kClose + kTail);
}

TEST(ObjMap, NestedFramesAreIndentedBoxesInTheirLevelsColours) {
  TOMFrame frame(nullptr);
  frame.SetDescr("Top");
  AddItems(frame, kTwo);
  TOMFrame& child = Child(frame, "Child");
  TOMFrame* deepest = &child;
  for (int level = 2; level <= 7; ++level) deepest = &Child(*deepest, "L" + std::to_string(level));
  const auto nested = [](const std::string& rgb, const std::string& hex, const std::string& title) {
    return "</td></tr><tr><td width=\"100%\" style=\"padding-left: 20\">" + Head(rgb, hex, title);
  };
  const std::string expected =
      Head("255,0,0", "ff0000", "Top") + kOpen + Row(kTwo) + kClose +
      nested("0,0,128", "000080", "Child") + nested("128,0,0", "800000", "L2") +
      nested("0,128,128", "008080", "L3") + nested("128,128,128", "808080", "L4") +
      nested("0,0,0", "000000", "L5") + nested("0,0,0", "000000", "L6") +
      nested("0,0,0", "000000", "L7") + kTail + kTail + kTail + kTail + kTail + kTail + kTail +
      kTail;
  EXPECT_EQ(Generate(frame, nullptr, om_Standard), expected);
}

TEST(ObjMap, PlainTextIsTheValuesEachFollowedByABlank) {
  TOMFrame frame(nullptr);
  frame.SetDescr("Top");
  AddItems(frame, kThree);
  AddItems(Child(frame, "Child"), kTwo);
  AddItems(frame, {{"F", "6"}});
  EXPECT_EQ(Generate(frame, nullptr, om_PlainText), "1 2 3 6 4 5 ");
}

TEST(ObjMap, TheColouredModeShowsExtraValuesUnderTheValue) {
  TOMFrame frame(nullptr);
  TOMRow& row = AddRow(frame);
  AddItem(row, 1, "Plain", "p");
  TOMRowItem& listed = AddItem(row, 2, "Listed", "v");
  listed.Values().Add("x");
  listed.Values().Add("y");
  TObjMapGeneratorPar params;
  const std::string text = Generate(frame, &params, om_Coloured);
  EXPECT_NE(text.find("  <font color=\"#808040\">p</font></td>"), std::string::npos) << text;
  EXPECT_NE(text.find("  <strong><font color=\"#FF0000\">v</font></strong><br>- <font "
                      "color=\"#000000\">x</font><br>- <font color=\"#000000\">y</font></td>"),
            std::string::npos)
      << text;
  EXPECT_EQ(params.mode, om_Coloured);
}

TEST(ObjMap, TheDefaultParametersKeepTheModeOfTheLastCall) {
  auto frame = std::make_unique<TOMFrame>(nullptr);
  AddItems(*frame, kTwo);
  EXPECT_EQ(GenerateAndDestroy(std::move(frame), nullptr, om_PlainText), "4 5 ");
  EXPECT_EQ(DefaultObjMapPar().mode, om_PlainText);
  TOMFrame empty(nullptr);
  Generate(empty, nullptr, om_Standard);
  EXPECT_EQ(DefaultObjMapPar().mode, om_Standard);
}

TEST(ObjMap, AnotherTemplateSetFormatsTitlesDescriptionsAndValues) {
  TOMFrame frame(nullptr);
  frame.SetDescr("T");
  AddItems(frame, {{"D", "V"}});
  TObjMapGeneratorPar params;
  params.templates = ObjMapTemplateSet(3);
  const std::string text = Generate(frame, &params, om_Standard);
  for (const char* part :
       {"<font size=\"1\" color=\"#FFFFFF\" face=\"MS Sans Serif\"><strong>T</strong></font>",
        "<font face=\"MS Sans Serif\" color=\"#000080\"><small><small>D</small></small></font>",
        "<font face=\"MS Sans Serif\"><small><small><strong>V</strong></small></small></font>"})
    EXPECT_NE(text.find(part), std::string::npos) << part;
  params.templates[0] = "[%0:s|%%]";
  EXPECT_NE(Generate(frame, &params, om_Standard).find("     [T|%]</td>"), std::string::npos);
}

TEST(ObjMap, AMapIsReadFromObjectTextWithItsNestedFrames) {
  RegisterObjMapClasses();
  const std::string text =
      "object Top: TOMFrame\n"
      "  Descr = 'Top'\n"
      "  Rows = <\n"
      "    item\n"
      "      RowItems = <\n"
      "        item\n"
      "          Id = 7\n"
      "          Descr = 'D'\n"
      "          Value = 'V'\n"
      "        end>\n"
      "    end>\n"
      "  object Child: TOMFrame\n"
      "    Descr = 'Child'\n"
      "  end\n"
      "end\n";
  std::unique_ptr<TComponent> object = StringToObject(text);
  auto* frame = dynamic_cast<TOMFrame*>(object.get());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->Row(0).Item(0).Id(), 7);
  EXPECT_EQ(frame->ChildCount(), 1);
  EXPECT_EQ(Generate(*frame, nullptr, om_PlainText), "V ");
  EXPECT_EQ(ObjectToString(frame), ObjectToString(StringToObject(ObjectToString(frame)).get()));
}

}  // namespace
}  // namespace cd

// The object map's default parameters, template sets and formatting operations.
#include "objmap/obj_map_generator_par.h"

#include "objmap/om_frame.h"
#include "util/format.h"

namespace cd {
namespace {

const TObjMapTemplates kTemplateSets[] = {
    {"<font face=\"Verdana\" color=\"#FFFFFF\"><strong><big>%s</big></strong></font>",
     "<font face=\"Verdana\" color=\"#000080\"><small>%s</small></font>",
     "<font face=\"Verdana\" color=\"#000000\"><small>%s</small></font>"},
    {"<font size=\"2\" color=\"#FFFFFF\" face=\"Tahoma\"><strong>%s</strong></font>",
     "<font face=\"Verdana\" color=\"#000080\"><small><small>%s</small></small></font>",
     "<font face=\"Verdana\"><small>%s</small></font>"},
    {"<font size=\"1\" color=\"#FFFFFF\" face=\"MS Sans Serif\"><strong>%s</strong></font>",
     "<font face=\"MS Sans Serif\" color=\"#000080\"><small><small>%s</small></small></font>",
     "<font face=\"MS Sans Serif\"><small><small><strong>%s</strong></small></small></font>"},
    {"<font size=\"2\" color=\"#FFFFFF\" face=\"Lucida Sans Unicode\"><strong>%s</strong></font>",
     "<font face=\"MS Sans Serif\" color=\"#000080\"><small><small>%s</small></small></font>",
     "<font face=\"Lucida Sans Unicode\"><small>%s</small></font>"},
    {"<font face=\"Verdana\" color=\"#000080\"><small>%s</small></font>",
     "<font face=\"Verdana\" color=\"#000080\"><small><strong>%s</strong></small></font>",
     "<font face=\"Verdana\" color=\"#000000\"><small>%s</small></font>"},
};

int Red(TObjMapColour c) {
  return static_cast<int>(c & 0xFF);
}
int Green(TObjMapColour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
int Blue(TObjMapColour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

// A template filled with one text. The usual template has one "%s" and no other directive:
// it is filled by joining its two halves, which is what Format gives, at a fraction of the
// cost for maps of many items.
std::string Fill(const std::string& pattern, const std::string& text) {
  const size_t percent = pattern.find('%');
  if (percent != std::string::npos && percent + 1 < pattern.size() && pattern[percent + 1] == 's' &&
      pattern.find('%', percent + 2) == std::string::npos) {
    std::string filled;
    filled.reserve(pattern.size() - 2 + text.size());
    filled.append(pattern, 0, percent).append(text).append(pattern, percent + 2);
    return filled;
  }
  return Format(pattern, {text});
}

}  // namespace

const TObjMapTemplates& ObjMapTemplateSet(int number) {
  const int count = static_cast<int>(std::size(kTemplateSets));
  return kTemplateSets[number >= 1 && number <= count ? number - 1 : 0];
}

TObjMapGeneratorPar::TObjMapGeneratorPar()
    : templates(ObjMapTemplateSet(1)),
      levelColours{0x0000FF, 0x800000, 0x000080, 0x808000, 0x808080, 0x000000},
      descrColour(0xE4ECF3),
      valueColour(0xFFFFFF) {}

TObjMapGeneratorPar::~TObjMapGeneratorPar() = default;

std::string TObjMapGeneratorPar::FormatTitle(const TOMFrame& frame) {
  return Fill(templates[0], frame.Descr());
}

std::string TObjMapGeneratorPar::FormatDescription(const TOMRowItem& item) {
  if (mode == om_PlainText) return {};
  return Fill(templates[1], item.Descr());
}

std::string TObjMapGeneratorPar::FormatValue(TOMRowItem& item) {
  switch (mode) {
    case om_Coloured: {
      if (item.ValueCount() == 0) return ColouredText(item.Value(), 0);
      std::string text = ColouredText(item.Value(), 1);
      for (const std::string& entry : item.Values().Items())
        text += "<br>- " + ColouredText(entry, 2);
      return text;
    }
    case om_PlainText:
      return item.Value() + " ";
    default:
      return Fill(templates[2], item.Value());
  }
}

std::string TObjMapGeneratorPar::ColouredText(const std::string& text, int kind) {
  switch (kind) {
    case 0:
      return Fill("<font color=\"#808040\">%s</font>", text);
    case 1:
      return Fill("<strong><font color=\"#FF0000\">%s</font></strong>", text);
    default:
      return Fill("<font color=\"#000000\">%s</font>", text);
  }
}

TObjMapColour TObjMapGeneratorPar::LevelColour(int level) const {
  if (levelColours.empty()) return 0;
  const size_t last = levelColours.size() - 1;
  return levelColours[level < 0 ? 0 : std::min(static_cast<size_t>(level), last)];
}

TObjMapGeneratorPar& DefaultObjMapPar() {
  static TObjMapGeneratorPar defaults;
  return defaults;
}

std::string RgbText(TObjMapColour colour) {
  return Format("%d,%d,%d", {Red(colour), Green(colour), Blue(colour)});
}

std::string HexText(TObjMapColour colour) {
  std::string text = Format("%2.2x%2.2x%2.2x", {Red(colour), Green(colour), Blue(colour)});
  for (char& c : text)
    if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

}  // namespace cd

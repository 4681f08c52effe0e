// TObjMapGeneratorPar: how an object map is rendered: the mode, the indentation of nested
// frames, the title, description and value templates, and the colours. Its virtual
// operations format the parts; a caller may derive its own.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace cd {

class TOMFrame;
class TOMRowItem;

// Red in the lowest byte, then green, then blue.
using TObjMapColour = uint32_t;

// Title, description and value templates; each takes its text as "%s".
using TObjMapTemplates = std::array<std::string, 3>;

// The five built-in template sets, numbered from 1.
const TObjMapTemplates& ObjMapTemplateSet(int number);

enum TObjMapMode : int32_t { om_Standard = 0, om_Coloured = 1, om_PlainText = 2 };

class TObjMapGeneratorPar {
 public:
  // The default parameters: mode 0, indent 20, template set 1, the level colours red, navy,
  // maroon, teal, grey and black, description cells E4ECF3, value cells white.
  TObjMapGeneratorPar();
  virtual ~TObjMapGeneratorPar();

  virtual std::string FormatTitle(const TOMFrame& frame);
  // Empty in plain text.
  virtual std::string FormatDescription(const TOMRowItem& item);
  // Coloured: the value in bold red over its extra values (or alone in olive); plain text:
  // the value and a blank; otherwise the value template.
  virtual std::string FormatValue(TOMRowItem& item);
  // Kind 0 olive, 1 bold red, 2 black.
  virtual std::string ColouredText(const std::string& text, int kind);

  // The colour of a frame at level; frames nested deeper than the table take its last colour
  // (black in the defaults), so that every level keeps a visible border.
  TObjMapColour LevelColour(int level) const;

  int32_t mode = om_Standard;
  int32_t indent = 20;
  TObjMapTemplates templates;
  std::vector<TObjMapColour> levelColours;
  TObjMapColour descrColour;
  TObjMapColour valueColour;
};

// The process's default parameters.
TObjMapGeneratorPar& DefaultObjMapPar();

// "r,g,b" in decimal, and "rrggbb" in lower-case hex.
std::string RgbText(TObjMapColour colour);
std::string HexText(TObjMapColour colour);

}  // namespace cd

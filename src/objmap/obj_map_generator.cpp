// The object map renderer. The fragment grows in one string from the front: a frame's head
// is written before its rows and nested frames and its tail after them, so that the time
// stays linear in the output however deep the frames nest.
#include "objmap/obj_map_generator.h"

#include "util/format.h"

namespace cd {
namespace {

constexpr const char* kTableOpen =
    "<table border=\"0\" width=\"100%\" cellpadding=\"0\" cellspacing=\"0\">\r\n";
constexpr const char* kFrameHead =
    "<table border=\"0\" width=\"100%%\" cellspacing=\"0\"   style=\"border-left: 2px solid "
    "rgb(%0:s); border-bottom: 2px solid rgb(%0:s);  border-right: 2px solid "
    "rgb(%0:s);margin-left: %1:d\">\r\n"
    "  <tr>\r\n"
    "     <td width=\"100%%\" bgcolor=\"#%2:s\">\r\n"
    "     %3:s</td>\r\n"
    "   </tr>\r\n"
    "   <tr>\r\n"
    "     <td width=\"100%%\">\r\n";
constexpr const char* kNestedHead =
    "</td></tr><tr><td width=\"100%%\" style=\"padding-left: %d\">%s";
constexpr const char* kFrameTail = "\r\n     </td>\r\n   </tr>\r\n</table>";

std::string Width(int count, int index) {
  if (count <= 1) return "100%";
  const int share = 100 / count;
  return Format("%d%%", {index >= count - 1 ? 100 - share * (count - 1) : share});
}

class TRenderer {
 public:
  // The colours of the cells are the same for every cell: their text is made once.
  TRenderer(TObjMapGeneratorPar& params, std::string& out)
      : params_(params),
        out_(out),
        descrColour_(HexText(params.descrColour)),
        valueColour_(HexText(params.valueColour)) {}

  void Render(TOMFrame& frame, int level) {
    const bool boxed = params_.mode != om_PlainText;
    if (boxed) out_ += Head(frame, level);
    int columns = 0;
    for (int i = 0; i < frame.Rows().Count(); ++i) RenderRow(frame.Row(i), columns);
    SwitchTable(0, columns);
    for (int i = 0; i < frame.ChildCount(); ++i)
      if (auto* child = dynamic_cast<TOMFrame*>(frame.Child(i))) Render(*child, level + 1);
    if (boxed) out_ += kFrameTail;
  }

 private:
  std::string Head(const TOMFrame& frame, int level) {
    const TObjMapColour colour = params_.LevelColour(level);
    std::string head =
        Format(kFrameHead, {RgbText(colour), 0, HexText(colour), params_.FormatTitle(frame)});
    if (level > 0) head = Format(kNestedHead, {params_.indent, head});
    return head;
  }

  void SwitchTable(int count, int& columns) {
    if (columns == count) return;
    if (columns > 0) out_ += "</table>\r\n";
    columns = count;
    if (count >= 1) out_ += kTableOpen;
  }

  void RenderRow(TOMRow& row, int& columns) {
    if (!row.Html().empty()) {
      SwitchTable(0, columns);
      out_ += row.Html();
      return;
    }
    const int count = row.ItemCount();
    if (params_.mode == om_PlainText) {
      for (int i = 0; i < count; ++i) out_ += params_.FormatValue(row.Item(i));
      return;
    }
    SwitchTable(count, columns);
    out_ += "<tr>\r\n";
    for (int i = 0; i < count; ++i)
      Cell(Width(count, i), descrColour_, "\">\r\n  ", params_.FormatDescription(row.Item(i)));
    out_ += "</tr>\r\n<tr>\r\n";
    for (int i = 0; i < count; ++i)
      Cell(Width(count, i), valueColour_, "\" >\r\n  ", params_.FormatValue(row.Item(i)));
    out_ += "</tr>\r\n";
  }

  // "<td width=\"W\" bgcolor=\"C\">" (the value cells with a blank before the bracket), a
  // line break, two blanks, the text and "</td>" with a line break.
  void Cell(const std::string& width, const std::string& colour, const char* open,
            const std::string& text) {
    out_ += "<td width=\"";
    out_ += width;
    out_ += "\" bgcolor=\"";
    out_ += colour;
    out_ += open;
    out_ += text;
    out_ += "</td>\r\n";
  }

  TObjMapGeneratorPar& params_;
  std::string& out_;
  const std::string descrColour_;
  const std::string valueColour_;
};

// About the size of the fragment, so that it grows in place instead of being copied as it
// doubles (which costs more than rendering on a map of many megabytes).
size_t EstimatedSize(const TOMFrame& frame, const TObjMapGeneratorPar& params) {
  const bool plain = params.mode == om_PlainText;
  const size_t markup = params.templates[1].size() + params.templates[2].size() + 120;
  size_t size = plain ? 0 : 700 + params.templates[0].size();
  for (int r = 0; r < frame.Rows().Count(); ++r) {
    const TOMRow& row = frame.Row(r);
    size += row.Html().size() + (plain ? 0 : 40);
    for (int i = 0; i < row.ItemCount(); ++i) {
      const TOMRowItem& item = row.Item(i);
      size += plain ? item.Value().size() + 1 : markup + item.Descr().size() + item.Value().size();
    }
  }
  for (int i = 0; i < frame.ChildCount(); ++i)
    if (auto* child = dynamic_cast<const TOMFrame*>(frame.Child(i)))
      size += EstimatedSize(*child, params);
  return size;
}

}  // namespace

std::string Generate(TOMFrame& frame, TObjMapGeneratorPar* params, int32_t mode) {
  TObjMapGeneratorPar& used = params ? *params : DefaultObjMapPar();
  used.mode = mode;
  std::string out;
  out.reserve(EstimatedSize(frame, used));
  TRenderer(used, out).Render(frame, 0);
  return out;
}

std::string GenerateAndDestroy(std::unique_ptr<TOMFrame> frame, TObjMapGeneratorPar* params,
                               int32_t mode) {
  return Generate(*frame, params, mode);
}

}  // namespace cd

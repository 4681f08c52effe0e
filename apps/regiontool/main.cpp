// regiontool: looks at region pools, from a region file or from a TRegionPool in object
// text: lists their regions (as text or JSON), tells which regions hold a point, draws them
// into a PNG image, and writes a region file as object text.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/exceptions.h"
#include "config/config_io.h"
#include "platform/canvas.h"
#include "platform/files.h"
#include "platform/std_streams.h"
#include "platform/utf8_text.h"
#include "regions/poly_region.h"
#include "regions/region_classes.h"
#include "regions/region_pool.h"
#include "streams/memory_stream.h"

namespace cd::regiontool {
namespace {

constexpr const char* kUsage =
    "Usage: regiontool COMMAND ARGS...\n"
    "\n"
    "FILE is a region file or a TRegionPool in object text.\n"
    "  list FILE [--json]     the pool's name and count, then one line a region (or JSON)\n"
    "  hit FILE X Y           the regions that hold the point, as INDEX<TAB>NAME, in order\n"
    "  render FILE OUT.png [--size WxH]\n"
    "                         every region painted and framed in its own colour on white;\n"
    "                         the size is the regions' extent with a margin unless given\n"
    "  convert FILE OUT.otx   the pool as a TRegionPool in object text\n"
    "  --help                 show this text\n";

// The pool in file: object text when the file begins with "object", otherwise a region
// file, whose damage is reported with the offset where reading stopped.
std::unique_ptr<TRegionPool> ReadPool(const std::string& file) {
  if (!os::FileExists(file)) throw Exception(file + ": file not found");
  const std::string bytes = os::ReadWholeFile(file);
  const size_t start = bytes.find_first_not_of(" \t\r\n");
  if (start != std::string::npos && bytes.compare(start, 6, "object") == 0) {
    std::unique_ptr<TComponent> object;
    try {
      object = StringToObject(bytes);
    } catch (const std::exception& e) {
      throw Exception(file + ": " + e.what());
    }
    if (!dynamic_cast<TRegionPool*>(object.get()))
      throw Exception(file + ": the object is a " + object->ClassType().name +
                      ", not a TRegionPool");
    std::unique_ptr<TRegionPool> pool(static_cast<TRegionPool*>(object.release()));
    // A form places its regions by their Position; here they stand where their rectangles
    // say, as the regions of a region file do.
    for (int i = 0; i < pool->Count(); ++i)
      if (TRegion* region = pool->GetRegion(i)) region->SetPosition(region->GetReferencePoint());
    return pool;
  }
  auto pool = std::make_unique<TRegionPool>(nullptr);
  TMemoryStream stream(bytes);
  try {
    pool->LoadFromStream(stream);
  } catch (const std::exception& e) {
    throw Exception(file + ": damaged at offset " +
                    std::to_string(stream.Seek(0, TSeekOrigin::soCurrent)) + ": " + e.what());
  }
  pool->SetName("Pool");
  return pool;
}

std::string Json(const std::string& ansi) {
  std::string out = "\"";
  for (const char c : os::AnsiToUtf8(ansi)) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string PoolTitle(const TRegionPool& pool) {
  return pool.PoolName().empty() ? pool.Name() : pool.PoolName();
}

int List(const std::vector<std::string>& args) {
  const bool json = args.size() == 2 && args[1] == "--json";
  if (args.empty() || args.size() > 2 || (args.size() == 2 && !json))
    throw Exception("usage: regiontool list FILE [--json]");
  const std::unique_ptr<TRegionPool> pool = ReadPool(args[0]);
  std::string out;
  if (json)
    out = "{\"pool\": " + Json(PoolTitle(*pool)) + ", \"regions\": [";
  else
    out = os::AnsiToUtf8(PoolTitle(*pool)) + ": " + std::to_string(pool->Count()) + " regions\n";
  for (int i = 0; i < pool->Count(); ++i) {
    const auto* region = dynamic_cast<const TRectRegion*>(pool->GetRegion(i));
    if (!region) continue;
    const TRectObject& r = region->Rect();
    const std::string rect = std::to_string(r.Left()) + ", " + std::to_string(r.Top()) + ", " +
                             std::to_string(r.Right()) + ", " + std::to_string(r.Bottom());
    std::string points;
    if (const auto* poly = dynamic_cast<const TPolyRegion*>(region))
      for (const TRegionPoint& p : poly->Points())
        points +=
            (points.empty() ? "[" : ", [") + std::to_string(p.x) + ", " + std::to_string(p.y) + "]";
    if (json) {
      out += std::string(i > 0 ? ", " : "") + "{\"index\": " + std::to_string(i) +
             ", \"class\": " + Json(region->ClassType().name) +
             ", \"name\": " + Json(region->Name()) + ", \"rect\": [" + rect +
             "], \"level\": " + std::to_string(region->Level()) +
             ", \"tabOrder\": " + std::to_string(region->TabOrder()) + ", \"points\": [" + points +
             "]}";
    } else {
      out += std::to_string(i) + "\t" + region->ClassType().name + "\t" +
             os::AnsiToUtf8(region->Name()) + "\t[" + rect + "]\tlevel " +
             std::to_string(region->Level()) + "\ttab order " + std::to_string(region->TabOrder()) +
             (points.empty() ? "" : "\tpoints " + points) + "\n";
    }
  }
  if (json) out += "]}\n";
  os::WriteStandardOutput(out);
  return 0;
}

int32_t Coordinate(const std::string& text) {
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value < INT32_MIN || value > INT32_MAX)
    throw Exception("\"" + text + "\" is not a coordinate");
  return static_cast<int32_t>(value);
}

int Hit(const std::vector<std::string>& args) {
  if (args.size() != 3) throw Exception("usage: regiontool hit FILE X Y");
  const int32_t x = Coordinate(args[1]), y = Coordinate(args[2]);
  const std::unique_ptr<TRegionPool> pool = ReadPool(args[0]);
  std::string out;
  for (int i = 0; i < pool->Count(); ++i) {
    TRegion* region = pool->GetRegion(i);
    if (region && region->Contains(x, y))
      out += std::to_string(i) + "\t" + os::AnsiToUtf8(region->Name()) + "\n";
  }
  os::WriteStandardOutput(out);
  return 0;
}

// "WxH", each side from 1 to the largest a canvas may have.
std::pair<int32_t, int32_t> Size(const std::string& text) {
  const auto side = [&](const std::string& digits) {
    const bool number = !digits.empty() && digits.size() <= 5 &&
                        digits.find_first_not_of("0123456789") == std::string::npos;
    const int value = number ? std::stoi(digits) : 0;
    if (value < 1 || value > os::Canvas::kLargestSide)
      throw Exception("\"" + text + "\" is not a size WxH (each side from 1 to " +
                      std::to_string(os::Canvas::kLargestSide) + ")");
    return static_cast<int32_t>(value);
  };
  const size_t x = text.find('x');
  if (x == std::string::npos) return {side(""), 0};
  return {side(text.substr(0, x)), side(text.substr(x + 1))};
}

// Region i's colour: hues around the colour wheel, each next one far from the last.
os::CanvasColour RegionColour(int index, bool pale) {
  static const os::CanvasColour kColours[] = {
      {214, 39, 40},  {31, 119, 180},  {44, 160, 44}, {255, 127, 14}, {148, 103, 189},
      {23, 190, 207}, {227, 119, 194}, {140, 86, 75}, {188, 189, 34}, {127, 127, 127}};
  os::CanvasColour c = kColours[index % 10];
  // The fill is the colour a third as strong, so that the frames of overlapping regions and
  // the regions below them still show.
  if (pale)
    for (uint8_t* part : {&c.red, &c.green, &c.blue})
      *part = static_cast<uint8_t>(255 - (255 - *part) / 3);
  return c;
}

int Render(const std::vector<std::string>& args) {
  const bool sized = args.size() == 4 && args[2] == "--size";
  if (args.size() != 2 && !sized)
    throw Exception("usage: regiontool render FILE OUT.png [--size WxH]");
  const std::unique_ptr<TRegionPool> pool = ReadPool(args[0]);
  std::pair<int32_t, int32_t> size{1, 1};
  if (sized) {
    size = Size(args[3]);
  } else {
    // Up to the farthest right and bottom edge, with a margin of 10 pixels.
    int64_t right = 0, bottom = 0;
    for (int i = 0; i < pool->Count(); ++i)
      if (TRegion* region = pool->GetRegion(i)) {
        const os::ShapeRect box = region->GetBounds();
        right = std::max<int64_t>(right, box.right);
        bottom = std::max<int64_t>(bottom, box.bottom);
      }
    if (right + 10 > os::Canvas::kLargestSide || bottom + 10 > os::Canvas::kLargestSide)
      throw Exception(args[0] + ": the regions reach to (" + std::to_string(right) + ", " +
                      std::to_string(bottom) + "), past the largest image; give --size WxH");
    size = {static_cast<int32_t>(right + 10), static_cast<int32_t>(bottom + 10)};
  }
  const std::unique_ptr<os::Canvas> canvas = os::Canvas::Create(size.first, size.second);
  canvas->SetPenWidth(2);
  // Each region's own drawing: painted with a pale inside and its colour's pen, then framed
  // with the pen alone.
  for (int i = 0; i < pool->Count(); ++i)
    if (TRegion* region = pool->GetRegion(i)) {
      canvas->SetBrushColour(RegionColour(i, true));
      canvas->SetPenColour(RegionColour(i, false));
      region->Paint(*canvas);
      region->Frame(*canvas);
    }
  canvas->SavePng(args[1]);
  return 0;
}

int Convert(const std::vector<std::string>& args) {
  if (args.size() != 2) throw Exception("usage: regiontool convert FILE OUT.otx");
  const std::unique_ptr<TRegionPool> pool = ReadPool(args[0]);
  os::WriteWholeFile(args[1], ObjectToString(pool.get()));
  return 0;
}

int Run(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    std::fputs(kUsage, argc < 2 ? stderr : stdout);
    return argc < 2 ? 2 : 0;
  }
  RegisterRegionClasses();
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "list") return List(args);
  if (command == "hit") return Hit(args);
  if (command == "render") return Render(args);
  if (command == "convert") return Convert(args);
  throw Exception("unknown command \"" + command + "\" (see regiontool --help)");
}

}  // namespace
}  // namespace cd::regiontool

int main(int argc, char** argv) {
  try {
    return cd::regiontool::Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "regiontool: %s\n", e.what());
    return 1;
  }
}

// regiontool: looks at region pools, from a region file or from a TRegionPool in object
// text: lists their regions (as text or JSON), tells which regions hold a point, and writes a
// region file as object text.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "config/config_io.h"
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
    return std::unique_ptr<TRegionPool>(static_cast<TRegionPool*>(object.release()));
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

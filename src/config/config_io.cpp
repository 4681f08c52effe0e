// The configuration reading and writing operations over the converters, the object reader
// and the object writer.
#include "config/config_io.h"

#include <algorithm>
#include <cstring>

#include "base/exceptions.h"
#include "config/object_reader.h"
#include "config/object_text.h"
#include "config/object_writer.h"
#include "config/text_to_binary.h"
#include "streams/memory_stream.h"
#include "util/format.h"

namespace cd {

namespace {

// Every block of text, whose first byte is at offset base of the caller's stream. Converting
// straight from the caller's bytes keeps the text from being copied.
std::string ConvertBlocks(std::string_view text, int64_t base, int& blockCount) {
  std::string binary;
  // The binary form is rarely longer than the text; pages reserved and not written cost
  // nothing, while growing by copying would hold two buffers at once.
  binary.reserve(text.size());
  TTextToBinary converter(text, base, binary);
  blockCount = 0;
  while (!converter.AtEnd()) {
    try {
      converter.ConvertBlock();
    } catch (const Exception& e) {
      const auto* parser = dynamic_cast<const EParserError*>(&e);
      const int64_t position = parser ? parser->Position() : converter.Offset();
      throw EReadError(
          Format("StreamReadConfigEx.ObjectTextToBinary: OK Object Num = %d, StreamPosition=%d",
                 {blockCount, static_cast<long long>(position)}));
    }
    ++blockCount;
  }
  return binary;
}

void ReadRoots(const std::string& binary, TObjectList& list) {
  TObjectReader reader(binary);
  while (!reader.AtEnd()) list.push_back(reader.ReadRoot());
}

std::unique_ptr<TComponent> SingleObject(TObjectList& list, const char* message) {
  if (list.size() != 1) throw EReadError(message);
  return std::move(list.front());
}

}  // namespace

std::string ConfigTextToBinary(TStream& stream, int& blockCount) {
  const int64_t base = stream.Position();
  std::string holder;
  std::string_view text;
  if (auto* memory = dynamic_cast<TMemoryStream*>(&stream)) {
    text = memory->Data();
    text.remove_prefix(std::min(static_cast<size_t>(base), text.size()));
  } else {
    holder = stream.ReadRest();
    text = holder;
  }
  std::string binary = ConvertBlocks(text, base, blockCount);
  stream.Seek(0, TSeekOrigin::soEnd);
  return binary;
}

void StreamReadConfigEx(TStream& stream, TObjectList* list) {
  if (!list) return;
  int count = 0;
  ReadRoots(ConfigTextToBinary(stream, count), *list);
}

int StreamReadConfigEx(TStream& stream, TComponent& instance) {
  int count = 0;
  const std::string binary = ConfigTextToBinary(stream, count);
  TObjectReader reader(binary);
  while (!reader.AtEnd()) reader.ReadRootInto(instance);
  return count;
}

void StreamReadConfig(TStream& stream, TObjectList* list) { StreamReadConfigEx(stream, list); }

std::unique_ptr<TComponent> ReadObject(TStream& stream) {
  TObjectList list;
  StreamReadConfigEx(stream, &list);
  return SingleObject(list, "VMConfig.ReadObject: L.count<>1");
}

void ReadObject(TStream& stream, TComponent& instance) {
  if (StreamReadConfigEx(stream, instance) != 1)
    throw EReadError("VMConfig.ReadObject: L.count<>1");
}

std::unique_ptr<TComponent> StringToObject(std::string_view text) {
  if (text.empty()) return nullptr;
  int count = 0;
  TObjectList list;
  ReadRoots(ConvertBlocks(text, 0, count), list);
  return SingleObject(list, "VMConfig.ReadObject: L.count<>1");
}

void StringToObject(std::string_view text, TComponent& instance) {
  if (text.empty()) return;
  TMemoryStream stream{std::string(text)};
  ReadObject(stream, instance);
}

void PCharToObjects(const char* text, TObjectList* list) {
  if (!text || !*text || !list) return;
  int count = 0;
  ReadRoots(ConvertBlocks(std::string_view(text, std::strlen(text)), 0, count), *list);
}

std::unique_ptr<TComponent> PCharToObject(const char* text) {
  TObjectList list;
  PCharToObjects(text, &list);
  return SingleObject(list, "PCharToObject: Not single component");
}

void WriteObjects(TStream& stream, const std::vector<const TComponent*>& list) {
  for (const TComponent* object : list) {
    if (!object) continue;
    std::string binary;
    TObjectWriter(binary).WriteRoot(*object);
    TMemoryStream input(std::move(binary));
    ObjectBinaryToText(input, stream);
  }
}

void WriteObject(TStream& stream, const TComponent& object) { WriteObjects(stream, {&object}); }

std::string ObjectToString(const TComponent* object) {
  if (!object) return {};
  TMemoryStream out;
  WriteObject(out, *object);
  return out.TakeData();
}

std::unique_ptr<TComponent> CloneObject(const TComponent* object) {
  if (!object) return nullptr;
  return StringToObject(ObjectToString(object));
}

}  // namespace cd

// The configuration reading and writing operations over the converters, the object reader
// and the object writer.
#include "config/config_io.h"

#include <cstring>
#include <optional>

#include "config/object_reader.h"
#include "config/object_text.h"
#include "config/object_writer.h"
#include "streams/memory_stream.h"
#include "util/exceptions.h"
#include "util/format.h"

namespace cd {

std::string ConfigTextToBinary(TStream& stream, int& blockCount) {
  // The converter works on memory; another stream is read once from its position, and
  // positions in the copy are reported as positions in the stream.
  auto* memory = dynamic_cast<TMemoryStream*>(&stream);
  std::optional<TMemoryStream> copy;
  int64_t base = 0;
  if (!memory) {
    base = stream.Position();
    memory = &copy.emplace(stream.ReadRest());
  }
  TMemoryStream binary;
  blockCount = 0;
  while (memory->Position() < memory->Size()) {
    try {
      ObjectTextToBinary(*memory, binary);
    } catch (const Exception& e) {
      const auto* parser = dynamic_cast<const EParserError*>(&e);
      const int64_t position = base + (parser ? parser->Position() : memory->Position());
      throw EReadError(
          Format("StreamReadConfigEx.ObjectTextToBinary: OK Object Num = %d, StreamPosition=%d",
                 {blockCount, static_cast<long long>(position)}));
    }
    ++blockCount;
  }
  return binary.TakeData();
}

void StreamReadConfigEx(TStream& stream, TObjectList* list) {
  if (!list) return;
  int count = 0;
  const std::string binary = ConfigTextToBinary(stream, count);
  TObjectReader reader(binary);
  while (!reader.AtEnd()) list->push_back(reader.ReadRoot());
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
  if (list.size() != 1) throw EReadError("VMConfig.ReadObject: L.count<>1");
  return std::move(list.front());
}

void ReadObject(TStream& stream, TComponent& instance) {
  if (StreamReadConfigEx(stream, instance) != 1)
    throw EReadError("VMConfig.ReadObject: L.count<>1");
}

std::unique_ptr<TComponent> StringToObject(std::string_view text) {
  if (text.empty()) return nullptr;
  TMemoryStream stream{std::string(text)};
  return ReadObject(stream);
}

void StringToObject(std::string_view text, TComponent& instance) {
  if (text.empty()) return;
  TMemoryStream stream{std::string(text)};
  ReadObject(stream, instance);
}

void PCharToObjects(const char* text, TObjectList* list) {
  if (!text || !*text || !list) return;
  TMemoryStream stream{std::string(text, std::strlen(text))};
  StreamReadConfigEx(stream, list);
}

std::unique_ptr<TComponent> PCharToObject(const char* text) {
  TObjectList list;
  PCharToObjects(text, &list);
  if (list.size() != 1) throw EReadError("PCharToObject: Not single component");
  return std::move(list.front());
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

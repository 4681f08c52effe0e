// Stream and whole-buffer entry points of the text <-> binary conversion.
#include "config/object_text.h"

#include "base/exceptions.h"
#include "config/binary_to_text.h"
#include "config/text_to_binary.h"
#include "streams/memory_stream.h"

namespace cd {

namespace {

// The bytes from the stream's position to its end: a memory stream's own buffer when it is
// one (no copy), else read into holder.
std::string_view RestOf(TStream& input, int64_t start, std::string& holder) {
  if (auto* memory = dynamic_cast<TMemoryStream*>(&input)) {
    const std::string& data = memory->Data();
    if (start >= static_cast<int64_t>(data.size())) return {};
    return std::string_view(data).substr(static_cast<size_t>(start));
  }
  holder = input.ReadRest();
  return holder;
}

}  // namespace

void ObjectTextToBinary(TStream& input, TStream& output) {
  const int64_t start = input.Position();
  std::string holder;
  const std::string_view text = RestOf(input, start, holder);
  std::string binary;
  TTextToBinary converter(text, start, binary);
  try {
    converter.ConvertBlock();
  } catch (const EParserError& e) {
    input.SetPosition(e.Position());
    throw;
  }
  output.WriteBuffer(binary.data(), static_cast<int64_t>(binary.size()));
  // A zero byte ends the text: nothing after it is read as a further block.
  input.SetPosition(converter.AtEnd() ? start + static_cast<int64_t>(text.size())
                                      : converter.Offset());
}

void ObjectBinaryToText(TStream& input, TStream& output) {
  const int64_t start = input.Position();
  std::string holder;
  const std::string_view binary = RestOf(input, start, holder);
  std::string text;
  TBinaryToText formatter(binary, text);
  formatter.ConvertObject();
  output.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
  input.SetPosition(start + static_cast<int64_t>(formatter.Position()));
}

std::string ObjectTextToBinaryAll(std::string_view text) {
  std::string binary;
  // Address space only: pages are touched as the binary form grows, typically to 2/3 of the text.
  binary.reserve(text.size());
  TTextToBinary converter(text, 0, binary);
  // As a stream is read block by block: while anything is left, and a zero byte ends it all.
  size_t position = 0;
  while (position < text.size()) {
    converter.ConvertBlock();
    position = converter.AtEnd() ? text.size() : static_cast<size_t>(converter.Offset());
  }
  return binary;
}

std::string ObjectBinaryToTextAll(std::string_view binary) {
  std::string text;
  text.reserve(binary.size() * 2);
  TBinaryToText formatter(binary, text);
  while (!formatter.AtEnd()) formatter.ConvertObject();
  return text;
}

}  // namespace cd

// Conversion between object text and the binary form, independent of the class registry.
#pragma once

#include <string>
#include <string_view>

#include "streams/stream.h"

namespace cd {

// Converts one object block from input (starting at its current position) and appends its
// binary form ("TPF0" and the object record) to output. Afterwards input is positioned at
// the first character of the token that follows the block's "end". Parse failures raise
// EParserError with "<message> on line <n>" and the byte offset of the failing token (the
// input is left there too). A zero byte ends the text: after the block the input is then left
// at its end.
void ObjectTextToBinary(TStream& input, TStream& output);

// Converts one object (signature and record) of the binary form at input's position into
// object text, appended to output, laid out by the writer rules.
void ObjectBinaryToText(TStream& input, TStream& output);

// Whole-buffer forms used by tools and benchmarks: every block of the text (line numbers
// counted over the whole text), every object of the binary form.
std::string ObjectTextToBinaryAll(std::string_view text);
std::string ObjectBinaryToTextAll(std::string_view binary);

}  // namespace cd

// Reading and writing configurations: object text -> binary form -> objects, and back.
// The whole text is converted before any object is created, so a syntax error anywhere
// creates nothing. Conversions never depend on the C locale: "." is the decimal point.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "config/component.h"
#include "streams/stream.h"

namespace cd {

using TObjectList = std::vector<std::unique_ptr<TComponent>>;

// Every object block from the stream's position to its end, as binary form; the stream is
// left at its end. A failure in block n (counted from 0) becomes "StreamReadConfigEx.
// ObjectTextToBinary: OK Object Num = n, StreamPosition=<offset of the failing token>".
std::string ConfigTextToBinary(TStream& stream, int& blockCount);

// Appends one new object per block, in text order; does nothing when list is null.
void StreamReadConfigEx(TStream& stream, TObjectList* list);
// Reads every block into instance; returns the number of blocks.
int StreamReadConfigEx(TStream& stream, TComponent& instance);
void StreamReadConfig(TStream& stream, TObjectList* list);

// Exactly one block, else "VMConfig.ReadObject: L.count<>1" (objects read are destroyed).
std::unique_ptr<TComponent> ReadObject(TStream& stream);
void ReadObject(TStream& stream, TComponent& instance);

// ReadObject over text; an empty text reads nothing (and returns nullptr).
std::unique_ptr<TComponent> StringToObject(std::string_view text);
void StringToObject(std::string_view text, TComponent& instance);
// Every block of a zero-terminated text; nothing when text or list is null or text empty.
void PCharToObjects(const char* text, TObjectList* list);
// Exactly one object, else "PCharToObject: Not single component".
std::unique_ptr<TComponent> PCharToObject(const char* text);

// Object text of every present object, in order, each with everything it owns.
void WriteObjects(TStream& stream, const std::vector<const TComponent*>& list);
void WriteObject(TStream& stream, const TComponent& object);
// The object text of object; empty when object is null.
std::string ObjectToString(const TComponent* object);
// A new object of the same class with the same stored state; nullptr when object is null.
std::unique_ptr<TComponent> CloneObject(const TComponent* object);

}  // namespace cd

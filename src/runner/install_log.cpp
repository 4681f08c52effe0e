// Writing the install log: the two line forms and the file that never fails a run.
#include "runner/install_log.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>

#include "platform/text_encoding.h"
#include "util/format.h"

namespace cd {
namespace {

// A line end inside a text would split the event: it is written as "\n".
std::string OneLine(const std::string& text) {
  std::string line;
  for (char c : text) {
    if (c == '\r') continue;
    line += c == '\n' ? std::string("\\n") : std::string(1, c);
  }
  return line;
}

std::string JsonString(const std::string& ansi) {
  std::string out = "\"";
  for (unsigned char c : os::AnsiToUtf8(ansi)) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20)
          out += Format("\\u%4.4x", {static_cast<int>(c)});
        else
          out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

}  // namespace

TInstallLog::TInstallLog(const std::string& fileName, TLogFormat format)
    : fileName_(fileName), format_(format) {
  file_ = std::fopen(fileName.c_str(), "wb");
  if (!file_) Fail("cannot be opened");
}

TInstallLog::~TInstallLog() {
  if (file_) std::fclose(file_);
}

void TInstallLog::Write(const TLogEvent& event) {
  if (!file_) return;
  const std::string time = LocalTimeNow();
  const std::string line =
      (format_ == TLogFormat::Json ? JsonLine(time, event) : TextLine(time, event)) + "\n";
  if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() || std::fflush(file_) != 0)
    Fail("cannot be written");
}

void TInstallLog::Fail(const char* what) {
  const int error = errno;
  if (file_) std::fclose(file_);
  file_ = nullptr;
  if (failed_) return;
  failed_ = true;
  std::fprintf(stderr, "cdrun: The install log \"%s\" %s: %s; the run goes on without it\n",
               fileName_.c_str(), what, std::strerror(error));
  std::fflush(stderr);
}

std::string TInstallLog::TextLine(const std::string& time, const TLogEvent& event) {
  std::string line = time + " " + event.Name();
  for (const TLogEvent::Field& field : event.Fields()) {
    line += " " + field.key + "=";
    if (field.kind != TLogEvent::Kind::Text) {
      line += field.value;
      continue;
    }
    line += '"';
    for (char c : OneLine(field.value)) line += c == '"' ? std::string("\"\"") : std::string(1, c);
    line += '"';
  }
  return line;
}

std::string TInstallLog::JsonLine(const std::string& time, const TLogEvent& event) {
  std::string line = "{\"time\":" + JsonString(time) + ",\"event\":" + JsonString(event.Name());
  for (const TLogEvent::Field& field : event.Fields()) {
    line += "," + JsonString(field.key) + ":";
    line += field.kind == TLogEvent::Kind::Text ? JsonString(field.value) : field.value;
  }
  return line + "}";
}

std::string TInstallLog::LocalTimeNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  const std::tm* local = std::localtime(&seconds);
  if (!local) return "0000-00-00 00:00:00.000";
  return Format("%4.4d-%2.2d-%2.2d %2.2d:%2.2d:%2.2d.%3.3d",
                {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour,
                 local->tm_min, local->tm_sec, static_cast<int>(millis)});
}

}  // namespace cd

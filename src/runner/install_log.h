// TInstallLog: the install log of a run, one event a line with the local time to the
// millisecond, as text or as JSON lines. Every line is flushed as it is written, so a run
// that is killed leaves a readable log up to that point. The log never makes a run fail: a
// file that cannot be opened or written is reported once on standard error and the run goes
// on without it.
#pragma once

#include <cstdio>
#include <string>

#include "install/log_event.h"
#include "runner/command_line_parser.h"

namespace cd {

class TInstallLog {
 public:
  TInstallLog(const std::string& fileName, TLogFormat format);
  ~TInstallLog();
  TInstallLog(const TInstallLog&) = delete;
  TInstallLog& operator=(const TInstallLog&) = delete;

  void Write(const TLogEvent& event);

  // The line of event at time ("YYYY-MM-DD hh:mm:ss.mmm"), without its line end: the name,
  // then key=value, texts in double quotes (a quote inside doubled); or one JSON object with
  // "time" and "event" first, texts in UTF-8.
  static std::string TextLine(const std::string& time, const TLogEvent& event);
  static std::string JsonLine(const std::string& time, const TLogEvent& event);
  // The local time now, to the millisecond.
  static std::string LocalTimeNow();

 private:
  void Fail(const char* what);

  std::string fileName_;
  TLogFormat format_;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

}  // namespace cd

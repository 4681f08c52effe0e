// Message boxes as stderr lines and window classes as locked marker files, on POSIX.
#include "platform/dialogs.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "base/exceptions.h"
#include "platform/posix/drive_table.h"
#include "platform/posix/posix_file.h"

namespace cd::os {
namespace {

// The marker file of a class: the name lower-cased, every byte other than a letter, digit,
// "-" or "_" written as "%XX", so that any class name gives one safe file name.
std::string MarkerPath(const std::string& className) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string file;
  for (unsigned char c : className) {
    if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_') {
      file += static_cast<char>(c);
    } else {
      file += '%';
      file += kHex[c >> 4];
      file += kHex[c & 0xF];
    }
  }
  return posix::DriveMapRoot() + "/window-classes/" + file + ".lock";
}

}  // namespace

struct ClassWindow::Impl {
  int fd = -1;
};

MessageAnswer ShowMessageBox(const std::string& text, const std::string& caption,
                             MessageButtons buttons, MessageIcon) {
  // A box without a caption is only its text.
  if (caption.empty())
    std::fprintf(stderr, "%s\n", text.c_str());
  else
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  std::fflush(stderr);
  return (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel)
             ? MessageAnswer::Yes
             : MessageAnswer::Ok;
}

bool TopLevelWindowExists(const std::string& className) {
  const int fd = open(MarkerPath(className).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  close(fd);
  return held;
}

ClassWindow::ClassWindow(const std::string& className) : impl_(std::make_unique<Impl>()) {
  const std::string path = MarkerPath(className);
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  impl_->fd = open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
  if (impl_->fd < 0 || flock(impl_->fd, LOCK_SH) != 0) {
    const std::string reason = posix::SystemReason(errno);
    if (impl_->fd >= 0) close(impl_->fd);
    throw Exception("Cannot create a window of class \"" + className + "\": " + reason);
  }
}

ClassWindow::~ClassWindow() {
  close(impl_->fd);
}

}  // namespace cd::os

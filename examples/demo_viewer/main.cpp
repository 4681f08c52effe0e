// The demo viewer: the program that the example medium starts at the end of an update. It
// shows which course data it was started with: a window on Windows, a line on POSIX.
#include <string>

#ifdef _WIN32
#include <windows.h>

namespace {

constexpr const char* kTitle = "Demo viewer";

// The window closes itself after a while, so that unattended runs do not keep it open.
void CALLBACK CloseWindowLater(HWND, UINT, UINT_PTR, DWORD) {
  if (HWND box = FindWindowA("#32770", kTitle)) PostMessageA(box, WM_CLOSE, 0, 0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  const std::string data = commandLine && *commandLine ? commandLine : "(no course data)";
  SetTimer(nullptr, 0, 20000, CloseWindowLater);
  const std::string text = "Started with the course data:\n\n" + data;
  MessageBoxA(nullptr, text.c_str(), kTitle, MB_OK | MB_ICONINFORMATION);
  return 0;
}

#else
#include <cstdio>

int main(int argc, char** argv) {
  std::string data;
  for (int i = 1; i < argc; ++i) data += (i > 1 ? " " : "") + std::string(argv[i]);
  std::printf("Demo viewer: started with the course data \"%s\"\n", data.c_str());
  return 0;
}
#endif

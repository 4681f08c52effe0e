// PNG files on Windows: the imaging component's PNG encoder, into a memory stream, then the
// file as a whole.
#include "platform/png_file.h"

#include <wincodec.h>
#include <windows.h>

#include "base/exceptions.h"
#include "platform/files.h"
#include "platform/win32/win_error.h"

namespace cd::os {
namespace {

template <typename T>
struct Released {
  T* p = nullptr;
  ~Released() {
    if (p) p->Release();
  }
  T** operator&() { return &p; }
  T* operator->() const { return p; }
};

}  // namespace

void WritePng(const std::string& file, int32_t width, int32_t height,
              const std::vector<uint8_t>& rgb) {
  thread_local bool comReady = false;
  if (!comReady) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    comReady = true;
  }
  const auto check = [&](HRESULT result, const char* step) {
    if (FAILED(result))
      throw Exception(file + ": the PNG image cannot be made (" + step +
                      "): " + win32::ErrorText(static_cast<uint32_t>(result)));
  };
  // The encoder takes blue, green, red.
  std::vector<BYTE> bgr(rgb.size());
  for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
    bgr[i] = rgb[i + 2];
    bgr[i + 1] = rgb[i + 1];
    bgr[i + 2] = rgb[i];
  }
  Released<IWICImagingFactory> factory;
  check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                         IID_IWICImagingFactory, reinterpret_cast<void**>(&factory)),
        "imaging factory");
  Released<IStream> stream;
  check(CreateStreamOnHGlobal(nullptr, TRUE, &stream), "memory stream");
  Released<IWICBitmapEncoder> encoder;
  check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder), "encoder");
  check(encoder->Initialize(stream.p, WICBitmapEncoderNoCache), "encoder");
  Released<IWICBitmapFrameEncode> frame;
  check(encoder->CreateNewFrame(&frame, nullptr), "frame");
  check(frame->Initialize(nullptr), "frame");
  check(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height)), "size");
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  check(frame->SetPixelFormat(&format), "pixel format");
  if (format != GUID_WICPixelFormat24bppBGR)
    throw Exception(file + ": the PNG encoder does not take 24-bit pixels");
  const UINT stride = static_cast<UINT>(width) * 3;
  check(frame->WritePixels(static_cast<UINT>(height), stride, static_cast<UINT>(bgr.size()),
                           bgr.data()),
        "pixels");
  check(frame->Commit(), "frame");
  check(encoder->Commit(), "image");
  HGLOBAL memory = nullptr;
  check(GetHGlobalFromStream(stream.p, &memory), "memory stream");
  STATSTG stat{};
  check(stream->Stat(&stat, STATFLAG_NONAME), "memory stream");
  const void* bytes = GlobalLock(memory);
  if (!bytes) throw Exception(file + ": the PNG image cannot be made (memory stream)");
  const std::string data(static_cast<const char*>(bytes),
                         static_cast<size_t>(stat.cbSize.QuadPart));
  GlobalUnlock(memory);
  WriteWholeFile(file, data);
}

}  // namespace cd::os

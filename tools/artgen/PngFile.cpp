#include "PngFile.h"

#include <png.h>

#include "platform/os/FileSystem.h"

namespace bt::art {

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t n) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + n);
}

void flushNothing(png_structp) {}

}  // namespace

bool writePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba) {
  if (width <= 0 || height <= 0 || rgba.size() != static_cast<size_t>(width) * height * 4)
    return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  std::vector<uint8_t> bytes;
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &bytes, appendBytes, flushNothing);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y)
    png_write_row(png, const_cast<png_bytep>(&rgba[static_cast<size_t>(y) * width * 4]));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return os::writeFileAtomically(path, bytes);
}

}  // namespace bt::art

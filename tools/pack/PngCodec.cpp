#include "pack/PngCodec.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>

#include "pack/ToolError.h"

namespace bt::pack {
namespace {

// libpng reports errors by longjmp; the functions that call it keep every
// object with a destructor in their callers' frames, so a jump skips none.
struct PngIo {
  const std::vector<uint8_t>* input = nullptr;
  size_t position = 0;
  std::vector<uint8_t>* output = nullptr;
  char message[160] = "damaged PNG";
};

void onError(png_structp png, png_const_charp text) {
  auto* io = static_cast<PngIo*>(png_get_error_ptr(png));
  std::snprintf(io->message, sizeof io->message, "damaged PNG (%s)", text);
  png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

void readFromMemory(png_structp png, png_bytep out, size_t n) {
  auto* io = static_cast<PngIo*>(png_get_io_ptr(png));
  if (n > io->input->size() - io->position) png_error(png, "file ends early");
  std::memcpy(out, io->input->data() + io->position, n);
  io->position += n;
}

void writeToMemory(png_structp png, png_bytep in, size_t n) {
  auto* io = static_cast<PngIo*>(png_get_io_ptr(png));
  try {
    io->output->insert(io->output->end(), in, in + n);
  } catch (const std::bad_alloc&) {
    png_error(png, "out of memory");
  }
}

void flushMemory(png_structp) {}

struct Header {
  png_uint_32 width = 0, height = 0;
  int bitDepth = 0, colourType = 0;
};

bool readHeader(png_structp png, png_infop info, Header& header) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  png_get_IHDR(png, info, &header.width, &header.height, &header.bitDepth, &header.colourType,
               nullptr, nullptr, nullptr);
  return true;
}

bool readRows(png_structp png, png_infop info, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  png_read_image(png, rows);
  png_read_end(png, nullptr);
  return true;
}

bool writeRows(png_structp png, png_infop info, const RgbImage& image, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

std::string describeFormat(const Header& header) {
  const char* kind = "unknown colour type";
  switch (header.colourType) {
    case PNG_COLOR_TYPE_GRAY:
      kind = "greyscale";
      break;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
      kind = "greyscale+alpha";
      break;
    case PNG_COLOR_TYPE_PALETTE:
      kind = "palette";
      break;
    case PNG_COLOR_TYPE_RGB:
      kind = "RGB";
      break;
    case PNG_COLOR_TYPE_RGB_ALPHA:
      kind = "RGBA";
      break;
  }
  return "is a " + std::to_string(header.bitDepth) + "-bit " + kind +
         " PNG; only 8-bit RGB or RGBA is accepted";
}

// Copies decoded rows into an RGB picture; RGBA pixels that are mostly
// transparent become black, the key colour.
RgbImage toRgb(const std::vector<uint8_t>& pixels, const Header& header) {
  RgbImage image(static_cast<int>(header.width), static_cast<int>(header.height));
  bool hasAlpha = header.colourType == PNG_COLOR_TYPE_RGB_ALPHA;
  size_t channels = hasAlpha ? 4 : 3;
  size_t count = static_cast<size_t>(image.width) * image.height;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* source = &pixels[i * channels];
    bool keyed = hasAlpha && source[3] < 128;
    for (int c = 0; c < 3; ++c) image.rgb[i * 3 + c] = keyed ? 0 : source[c];
  }
  return image;
}

class ReadStructs {
 public:
  explicit ReadStructs(PngIo& io) {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, &io, onError, onWarning);
    if (png_) info_ = png_create_info_struct(png_);
    if (png_) png_set_read_fn(png_, &io, readFromMemory);
  }
  ~ReadStructs() { png_destroy_read_struct(&png_, &info_, nullptr); }
  ReadStructs(const ReadStructs&) = delete;
  ReadStructs& operator=(const ReadStructs&) = delete;
  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

}  // namespace

RgbImage decodePng(const std::vector<uint8_t>& bytes, const std::string& name, int maxSide) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) {
    throw ToolError(name, "is not a PNG file");
  }
  PngIo io;
  io.input = &bytes;
  ReadStructs structs(io);
  if (!structs.png() || !structs.info()) throw ToolError(name, "cannot start libpng");
  Header header;
  if (!readHeader(structs.png(), structs.info(), header)) throw ToolError(name, io.message);
  bool rgb =
      header.colourType == PNG_COLOR_TYPE_RGB || header.colourType == PNG_COLOR_TYPE_RGB_ALPHA;
  if (header.bitDepth != 8 || !rgb) throw ToolError(name, describeFormat(header));
  if (header.width > static_cast<png_uint_32>(maxSide) ||
      header.height > static_cast<png_uint_32>(maxSide)) {
    throw ToolError(name, "is " + std::to_string(header.width) + "x" +
                              std::to_string(header.height) + " pixels; at most " +
                              std::to_string(maxSide) + " pixels wide and high are accepted");
  }

  size_t channels = header.colourType == PNG_COLOR_TYPE_RGB_ALPHA ? 4 : 3;
  size_t stride = header.width * channels;
  std::vector<uint8_t> pixels(stride * header.height);
  std::vector<png_bytep> rows(header.height);
  for (png_uint_32 y = 0; y < header.height; ++y) rows[y] = &pixels[y * stride];
  if (!readRows(structs.png(), structs.info(), rows.data())) throw ToolError(name, io.message);
  return toRgb(pixels, header);
}

std::vector<uint8_t> encodePng(const RgbImage& image) {
  std::vector<uint8_t> out;
  PngIo io;
  io.output = &out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &io, onError, onWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  std::vector<png_bytep> rows(image.height);
  for (int y = 0; y < image.height; ++y) {
    rows[y] = const_cast<png_bytep>(image.pixel(0, y));
  }
  bool written = false;
  if (info) {
    png_set_write_fn(png, &io, writeToMemory, flushMemory);
    written = writeRows(png, info, image, rows.data());
  }
  png_destroy_write_struct(&png, &info);
  if (!written) throw std::runtime_error(io.message);
  return out;
}

}  // namespace bt::pack

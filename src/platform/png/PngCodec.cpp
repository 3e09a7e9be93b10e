#include "platform/png/PngCodec.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "platform/os/FileSystem.h"

namespace bt::platform {
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
  // Writing fails only on what libpng refuses; reading on damage.
  std::snprintf(io->message, sizeof io->message, io->output ? "%s" : "damaged PNG (%s)", text);
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

bool writeRows(png_structp png, png_infop info, int width, int height, int channels,
               png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
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

std::optional<PngPicture> decodePng(const std::vector<uint8_t>& bytes, uint32_t maxSide,
                                    std::string& whyNot) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) {
    whyNot = "is not a PNG file";
    return std::nullopt;
  }
  PngIo io;
  io.input = &bytes;
  ReadStructs structs(io);
  if (!structs.png() || !structs.info()) {
    whyNot = "cannot start libpng";
    return std::nullopt;
  }
  Header header;
  if (!readHeader(structs.png(), structs.info(), header)) {
    whyNot = io.message;
    return std::nullopt;
  }
  const bool rgb =
      header.colourType == PNG_COLOR_TYPE_RGB || header.colourType == PNG_COLOR_TYPE_RGB_ALPHA;
  if (header.bitDepth != 8 || !rgb) {
    whyNot = describeFormat(header);
    return std::nullopt;
  }
  if (header.width > maxSide || header.height > maxSide) {
    whyNot = "is " + std::to_string(header.width) + "x" + std::to_string(header.height) +
             " pixels; at most " + std::to_string(maxSide) + " pixels wide and high are accepted";
    return std::nullopt;
  }

  PngPicture picture;
  picture.width = static_cast<int>(header.width);
  picture.height = static_cast<int>(header.height);
  picture.channels = header.colourType == PNG_COLOR_TYPE_RGB_ALPHA ? 4 : 3;
  const size_t stride = header.width * static_cast<size_t>(picture.channels);
  picture.pixels.resize(stride * header.height);
  std::vector<png_bytep> rows(header.height);
  for (png_uint_32 y = 0; y < header.height; ++y) rows[y] = &picture.pixels[y * stride];
  if (!readRows(structs.png(), structs.info(), rows.data())) {
    whyNot = io.message;
    return std::nullopt;
  }
  return picture;
}

std::optional<std::vector<uint8_t>> encodePng(int width, int height, int channels,
                                              const uint8_t* pixels, std::string* whyNot) {
  if (width <= 0 || height <= 0 || (channels != 3 && channels != 4) || !pixels) {
    if (whyNot) *whyNot = "no picture to write";
    return std::nullopt;
  }
  std::vector<uint8_t> out;
  PngIo io;
  io.output = &out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &io, onError, onWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  const size_t stride = static_cast<size_t>(width) * static_cast<size_t>(channels);
  std::vector<png_bytep> rows(static_cast<size_t>(height));
  for (size_t y = 0; y < rows.size(); ++y) rows[y] = const_cast<png_bytep>(pixels + y * stride);
  bool written = false;
  if (info) {
    png_set_write_fn(png, &io, writeToMemory, flushMemory);
    written = writeRows(png, info, width, height, channels, rows.data());
  }
  png_destroy_write_struct(&png, &info);
  if (!written) {
    if (whyNot) *whyNot = std::string("cannot encode the picture: ") + io.message;
    return std::nullopt;
  }
  return out;
}

bool writePngFile(const std::string& path, int width, int height, int channels,
                  const uint8_t* pixels, std::string* whyNot) {
  const std::optional<std::vector<uint8_t>> bytes =
      encodePng(width, height, channels, pixels, whyNot);
  return bytes && os::writeFileAtomically(path, *bytes, whyNot);
}

}  // namespace bt::platform

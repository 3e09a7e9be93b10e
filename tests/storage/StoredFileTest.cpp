#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "SampleData.h"
#include "platform/os/FileSystem.h"
#include "storage/StoredFile.h"
#include "support/TempFolder.h"

namespace bt {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

ByteWriter writerWith(const std::vector<uint8_t>& contents) {
  ByteWriter writer;
  writer.appendBytes(contents.data(), static_cast<int32_t>(contents.size()));
  return writer;
}

std::vector<uint8_t> readerContents(const ByteReader& reader) {
  return std::vector<uint8_t>(reader.data(), reader.data() + reader.length());
}

TEST(StoredFileTest, StoresUpTo100BytesRawAndMoreCompressed) {
  test::TempFolder folder;
  const struct {
    std::vector<uint8_t> contents;
    bool raw;
  } cases[] = {
      {{}, true},
      {std::vector<uint8_t>(100, 'r'), true},
      {std::vector<uint8_t>(101, 'r'), false},
      {test::randomBytes(3000), false},  // grows a little when compressed
      {test::spriteBankLike(size_t{64} * 1024), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.contents.size());
    std::string path = folder.file("stored.dat");
    ASSERT_TRUE(saveStored(writerWith(c.contents), path));
    std::vector<uint8_t> file = fileBytes(path);
    ASSERT_GE(file.size(), 4u);
    auto n = static_cast<uint32_t>(c.contents.size());
    EXPECT_EQ(
        std::vector<uint8_t>(file.begin(), file.begin() + 4),
        (std::vector<uint8_t>{uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)}));
    if (c.raw) {
      EXPECT_EQ(std::vector<uint8_t>(file.begin() + 4, file.end()), c.contents);
    } else {
      EXPECT_NE(file.size(), c.contents.size() + 4);
    }
    ByteReader reader;
    ASSERT_TRUE(loadStored(reader, path));
    EXPECT_EQ(readerContents(reader), c.contents);
    EXPECT_EQ(reader.position(), 0);
  }
}

TEST(StoredFileTest, RefusesMissingTinyAndHugeFilesLeavingTheReaderAsItWas) {
  test::TempFolder folder;
  std::vector<std::vector<uint8_t>> refused = {
      {1, 0, 0},                                   // no complete length field
      {0x01, 0x00, 0x00, 0x04, 0xFF},              // 64 MiB + 1
      {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00},  // 4 GiB - 1
  };
  ByteReader reader;
  reader.assign({7, 8, 9});
  EXPECT_FALSE(loadStored(reader, folder.file("missing.dat")));
  for (const auto& file : refused) {
    writeBytes(folder.file("bad.dat"), file);
    EXPECT_FALSE(loadStored(reader, folder.file("bad.dat")));
  }
  EXPECT_EQ(readerContents(reader), (std::vector<uint8_t>{7, 8, 9}));
}

TEST(StoredFileTest, ShortFilesLoadWithTheMissingPartZero) {
  std::vector<uint8_t> contents = test::spriteBankLike(8000);
  std::vector<uint8_t> compressed = encodeStored(contents.data(), contents.size());
  auto firstBytes = [](const std::vector<uint8_t>& bytes, size_t n) {
    return std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(n));
  };
  const struct {
    const char* name;
    std::vector<uint8_t> file;
    size_t length;
    std::vector<uint8_t> intactPrefix;
  } cases[] = {
      {"raw", {50, 0, 0, 0, 'a', 'b'}, 50, {'a', 'b'}},
      {"compressed, cut in half", firstBytes(compressed, compressed.size() / 2), contents.size(),
       firstBytes(contents, 1000)},
      {"compressed, length only", firstBytes(compressed, 4), contents.size(), {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ByteReader reader;
    ASSERT_TRUE(decodeStored(c.file.data(), c.file.size(), reader));
    ASSERT_EQ(static_cast<size_t>(reader.length()), c.length);
    std::vector<uint8_t> restored = readerContents(reader);
    EXPECT_EQ(firstBytes(restored, c.intactPrefix.size()), c.intactPrefix);
    EXPECT_EQ(std::vector<uint8_t>(restored.end() - 40, restored.end()),
              std::vector<uint8_t>(40, 0));
  }
}

TEST(StoredFileTest, SaveReplacesTheFileWithoutLeavingTemporaryFiles) {
  test::TempFolder folder;
  std::string path = folder.file("save.dat");
  ASSERT_TRUE(saveStored(writerWith(std::vector<uint8_t>(500, 1)), path));
  ASSERT_TRUE(saveStored(writerWith({1, 2, 3}), path));
  EXPECT_EQ(fileBytes(path), (std::vector<uint8_t>{3, 0, 0, 0, 1, 2, 3}));
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"save.dat"});
}

TEST(StoredFileTest, FailedSaveKeepsWhatWasThere) {
  test::TempFolder folder;
  ByteWriter writer = writerWith({4, 5, 6});

  // The target is a folder: the rename fails after the temporary was written.
  fs::create_directory(folder.file("save.dat"));
  EXPECT_FALSE(saveStored(writer, folder.file("save.dat")));
  EXPECT_TRUE(fs::is_directory(folder.file("save.dat")));
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"save.dat"});

  EXPECT_FALSE(saveStored(writer, folder.file("no-such-folder/save.dat")));

  // A folder that cannot be written (not testable when running as root).
  std::string locked = folder.file("locked");
  fs::create_directory(locked);
  ASSERT_TRUE(saveStored(writerWith({1}), locked + "/save.dat"));
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  if (!os::isWritableFolder(locked)) {
    EXPECT_FALSE(saveStored(writer, locked + "/save.dat"));
    EXPECT_EQ(fileBytes(locked + "/save.dat"), (std::vector<uint8_t>{1, 0, 0, 0, 1}));
  }
  fs::permissions(locked, fs::perms::owner_all);
  EXPECT_EQ(std::distance(fs::directory_iterator(locked), {}), 1);
}

}  // namespace
}  // namespace bt

#pragma once
// The files of a built web page, served beside the score path so that one
// origin has both the game and its table. GET or HEAD of /NAME gives the
// regular file NAME inside the folder, and / gives index.html; nothing that
// resolves outside the folder once symbolic links are followed, and never a
// folder or its listing. NAME.gz, when it lies beside NAME and is not older,
// goes instead to a client that takes gzip. Nothing is compressed here.
// A client that shows it holds what would be sent gets 304 instead: by its
// entity tag in If-None-Match, or when that is absent, by an
// If-Modified-Since no earlier than the file's last change (in seconds).
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "ReadOnlyFile.h"

namespace bt::scored {

struct WebFileRequest {
  std::string_view method{};
  std::string_view target{};  // percent-encoded, with any query
  std::string_view acceptEncoding{};
  std::optional<std::string_view> ifNoneMatch{};  // absent when not sent; several joined by ", "
  std::string_view ifModifiedSince{};
};

struct WebFileReply {
  int status = 200;
  std::string reason{};                     // a refusal's one-line text/plain body
  std::shared_ptr<ReadOnlyFile> file{};     // with 200: what to send; with 304: what would be
  std::string_view contentType{};           // NAME's, also when NAME.gz is sent
  bool gzip = false;                        // the file is NAME.gz
  bool varies = false;                      // NAME.gz exists: the answer depends on Accept-Encoding
  std::string entityTag{};                  // the file's, quoted, with 200 and 304
  std::chrono::sys_seconds lastModified{};  // the file's last change, to the second
};

class StaticFiles {
 public:
  // The folder, or a one-line reason when it is not a readable folder.
  static std::variant<StaticFiles, std::string> open(const std::string& folder);

  WebFileReply answer(const WebFileRequest& request) const;

  const std::filesystem::path& root() const { return root_; }

 private:
  explicit StaticFiles(std::filesystem::path root) : root_(std::move(root)) {}
  std::shared_ptr<ReadOnlyFile> openInside(const std::string& name) const;

  std::filesystem::path root_;  // canonical
};

}  // namespace bt::scored

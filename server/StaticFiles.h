#pragma once
// The files of a built web page, served beside the score path so that one
// origin has both the game and its table. GET or HEAD of /NAME gives the
// regular file NAME inside the folder, and / gives index.html; nothing that
// resolves outside the folder once symbolic links are followed, and never a
// folder or its listing. NAME.gz, when it lies beside NAME and is not older,
// goes instead to a client that takes gzip. Nothing is compressed here.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "ReadOnlyFile.h"

namespace bt::scored {

struct WebFileReply {
  int status = 200;
  std::string reason;                  // a refusal's one-line text/plain body
  std::shared_ptr<ReadOnlyFile> file;  // with 200: what to send
  std::string_view contentType;        // NAME's, also when NAME.gz is sent
  bool gzip = false;                   // the file is NAME.gz
  bool varies = false;                 // NAME.gz exists: the answer depends on Accept-Encoding
};

class StaticFiles {
 public:
  // The folder, or a one-line reason when it is not a readable folder.
  static std::variant<StaticFiles, std::string> open(const std::string& folder);

  // `target` is the request's, percent-encoded, with any query.
  WebFileReply answer(std::string_view method, std::string_view target,
                      std::string_view acceptEncoding) const;

  const std::filesystem::path& root() const { return root_; }

 private:
  explicit StaticFiles(std::filesystem::path root) : root_(std::move(root)) {}
  std::shared_ptr<ReadOnlyFile> openInside(const std::string& name) const;

  std::filesystem::path root_;  // canonical
};

}  // namespace bt::scored

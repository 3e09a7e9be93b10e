#include "StaticFiles.h"

#include <unistd.h>

#include <algorithm>

#include "AcceptEncoding.h"
#include "WebContentType.h"
#include "net/protocol/PercentDecode.h"

namespace bt::scored {
namespace {

namespace fs = std::filesystem;

WebFileReply refusal(int status, std::string reason) {
  return {status, std::move(reason), nullptr, {}, false, false};
}

// A decoded path that names a file by plain steps down from the folder: no
// "..", no empty step (so no trailing '/', and never an absolute path once
// the leading '/' is gone), no NUL or backslash.
bool isPlainPath(std::string_view path) {
  if (!path.starts_with('/') || path.size() < 2 || path.ends_with('/')) return false;
  return path.find("..") == std::string_view::npos && path.find("//") == std::string_view::npos &&
         path.find('\0') == std::string_view::npos && path.find('\\') == std::string_view::npos;
}

}  // namespace

std::variant<StaticFiles, std::string> StaticFiles::open(const std::string& folder) {
  std::error_code error;
  fs::path root = fs::canonical(folder, error);
  if (error || !fs::is_directory(root, error) || ::access(root.c_str(), R_OK | X_OK) != 0) {
    return "--web needs a readable folder, not " + folder;
  }
  return StaticFiles(std::move(root));
}

WebFileReply StaticFiles::answer(std::string_view method, std::string_view target,
                                 std::string_view acceptEncoding) const {
  if (method != "GET" && method != "HEAD") {
    return refusal(405, "only GET and HEAD are accepted here\n");
  }
  const auto path = percentDecode(target.substr(0, target.find('?')));
  if (!path) return refusal(400, "the path cannot be read\n");
  std::string name;
  if (*path == "/") {
    name = "index.html";
  } else if (isPlainPath(*path)) {
    name = path->substr(1);
  } else {
    return refusal(404, "no such file\n");
  }
  WebFileReply reply{200, {}, openInside(name), webContentType(name), false, false};
  if (!reply.file) return refusal(404, "no such file\n");
  // A .gz older than its file is left from an earlier build.
  auto packed = openInside(name + ".gz");
  if (packed && packed->modified() >= reply.file->modified()) {
    reply.varies = true;
    if (acceptsGzip(acceptEncoding)) {
      reply.file = std::move(packed);
      reply.gzip = true;
    }
  }
  return reply;
}

std::shared_ptr<ReadOnlyFile> StaticFiles::openInside(const std::string& name) const {
  std::error_code error;
  const fs::path real = fs::canonical(root_ / name, error);
  if (error) return nullptr;
  const auto [rootEnd, realRest] =
      std::mismatch(root_.begin(), root_.end(), real.begin(), real.end());
  if (rootEnd != root_.end() || realRest == real.end()) return nullptr;
  return ReadOnlyFile::open(real);
}

}  // namespace bt::scored

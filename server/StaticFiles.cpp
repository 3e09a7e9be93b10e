#include "StaticFiles.h"

#include <unistd.h>

#include <algorithm>

#include "AcceptEncoding.h"
#include "EntityTag.h"
#include "HttpDate.h"
#include "WebContentType.h"
#include "net/protocol/PercentDecode.h"

namespace bt::scored {
namespace {

namespace fs = std::filesystem;

WebFileReply refusal(int status, std::string reason) {
  return {.status = status, .reason = std::move(reason)};
}

// Whether the client already holds the file about to be sent. A date is
// looked at only without a tag, and only to the second, as it was sent.
bool heldAlready(const WebFileRequest& request, const WebFileReply& reply) {
  if (request.ifNoneMatch) return namesEntityTag(*request.ifNoneMatch, reply.entityTag);
  const auto since = parseHttpDate(request.ifModifiedSince);
  return since && reply.lastModified <= *since;
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

WebFileReply StaticFiles::answer(const WebFileRequest& request) const {
  if (request.method != "GET" && request.method != "HEAD") {
    return refusal(405, "only GET and HEAD are accepted here\n");
  }
  const auto path = percentDecode(request.target.substr(0, request.target.find('?')));
  if (!path) return refusal(400, "the path cannot be read\n");
  std::string name;
  if (*path == "/") {
    name = "index.html";
  } else if (isPlainPath(*path)) {
    name = path->substr(1);
  } else {
    return refusal(404, "no such file\n");
  }
  WebFileReply reply{.file = openInside(name), .contentType = webContentType(name)};
  if (!reply.file) return refusal(404, "no such file\n");
  // A .gz older than its file is left from an earlier build.
  auto packed = openInside(name + ".gz");
  if (packed && packed->modified() >= reply.file->modified()) {
    reply.varies = true;
    if (acceptsGzip(request.acceptEncoding)) {
      reply.file = std::move(packed);
      reply.gzip = true;
    }
  }
  reply.entityTag = entityTag(reply.file->size(), reply.file->modified(), reply.gzip);
  const std::chrono::sys_time<std::chrono::nanoseconds> modified(
      std::chrono::nanoseconds(reply.file->modified()));
  reply.lastModified = std::chrono::floor<std::chrono::seconds>(modified);
  if (heldAlready(request, reply)) reply.status = 304;
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

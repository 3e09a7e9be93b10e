// The built web page served beside the score table (--web DIR): its files
// with their types, the gzip variant, the 304 for what a client holds, and
// every way out of the folder refused, over plain connections so that the
// requests are exactly these.
#include <gtest/gtest.h>
#include <signal.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "RawConnection.h"
#include "ScoreRequests.h"
#include "ScoredProcess.h"

namespace bt::scored::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Reply {
  int status = 0;                              // 0: no answer
  std::map<std::string, std::string> headers;  // names in lower case
  std::string body;
};

Reply exchange(int port, const std::string& method, const std::string& target,
               const std::string& headers = "", const std::string& body = "") {
  RawConnection connection(port);
  connection.send(method + " " + target + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n" +
                  headers + "\r\n" + body);
  const std::string raw = connection.receiveUntilClosed(std::chrono::seconds(10));
  Reply reply;
  const size_t headEnd = raw.find("\r\n\r\n");
  if (!raw.starts_with("HTTP/1.1 ") || headEnd == std::string::npos) return reply;
  reply.status = std::atoi(raw.c_str() + 9);
  reply.body = raw.substr(headEnd + 4);
  for (size_t line = raw.find("\r\n") + 2; line < headEnd;) {
    const size_t end = raw.find("\r\n", line);
    const size_t colon = raw.find(':', line);
    std::string name = raw.substr(line, colon - line);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    reply.headers[name] = raw.substr(colon + 2, end - colon - 2);
    line = end + 2;
  }
  return reply;
}

std::string header(const Reply& reply, const std::string& name) {
  const auto found = reply.headers.find(name);
  return found == reply.headers.end() ? "(none)" : found->second;
}

// A page as the build leaves it, in web/ of a temporary folder that also
// holds a secret beside it, with ways to reach the secret planted inside.
class WebFolder {
 public:
  WebFolder() {
    std::string pattern = (fs::temp_directory_path() / "bt-web-XXXXXX").string();
    if (mkdtemp(pattern.data())) top_ = pattern;
    web_ = top_ / "web";
    fs::create_directories(web_ / "sub");
    write(top_ / "secret.txt", kSecret);
    write(web_ / "index.html", "<!doctype html><title>Brambletop</title>\n");
    write(web_ / "brambletop.wasm", std::string("\0asm\1\0\0\0", 8));
    write(web_ / "brambletop.js", "var Module = {};\n");
    write(web_ / "brambletop.js.gz", "pretend gzip bytes of brambletop.js");
    write(web_ / "brambletop.data", data);
    write(web_ / "sub" / "inside.png", "png");
    write(web_ / "shell.js", "shell\n");
    write(web_ / "sw.js", "'use strict';\n");
    write(web_ / "manifest.webmanifest", "{\"name\": \"Brambletop\"}\n");
    fs::create_symlink(top_ / "secret.txt", web_ / "leak.txt");
    fs::create_symlink(top_ / "secret.txt", web_ / "shell.js.gz");
    fs::create_symlink("index.html", web_ / "start.html");
  }
  ~WebFolder() {
    std::error_code ignored;
    if (!top_.empty()) fs::remove_all(top_, ignored);
  }

  std::string path() const { return web_.string(); }
  // Gives the file `name` new bytes and the time of its last change.
  void rewrite(const std::string& name, const std::string& bytes,
               std::chrono::sys_time<std::chrono::milliseconds> modified) const {
    write(web_ / name, bytes);
    fs::last_write_time(web_ / name, std::chrono::file_clock::from_sys(modified));
  }
  // Makes the file `name` a minute older than `than`.
  void touchOlder(const std::string& name, const std::string& than) const {
    fs::last_write_time(web_ / name, fs::last_write_time(web_ / than) - std::chrono::minutes(1));
  }
  // The secret as a request names it: "/" and the path from the root, its
  // first '/' as `slash`.
  std::string secretTarget(const std::string& slash) const {
    std::string target = "/";
    target += slash;
    target += (top_ / "secret.txt").string().substr(1);
    return target;
  }

  static constexpr const char* kSecret = "the secret outside the page\n";
  // Big enough to be sent in many pieces.
  const std::string data = [] {
    std::string bytes(3 * 1024 * 1024 + 17, '\0');
    std::mt19937 random(7);
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
  }();

 private:
  static void write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  fs::path top_;
  fs::path web_;
};

TEST(ScoredWebPage, ServesThePageWithItsTypesBesideTheScoreTable) {
  WebFolder folder;
  TempDatabaseFile database;
  ScoredProcess server({"--db", database.path(), "--web", folder.path(), "--accept-unproven"});
  ASSERT_NE(server.port(), 0) << server.errorOutput();
  const int port = server.port();

  const Reply index = exchange(port, "GET", "/");
  EXPECT_EQ(index.status, 200);
  EXPECT_EQ(index.body, "<!doctype html><title>Brambletop</title>\n");
  EXPECT_EQ(header(index, "content-type"), "text/html; charset=utf-8");
  EXPECT_EQ(header(index, "cache-control"), "no-cache");
  EXPECT_EQ(header(index, "x-content-type-options"), "nosniff");
  EXPECT_EQ(exchange(port, "GET", "/start.html").body, index.body);  // a link inside the folder

  const Reply wasm = exchange(port, "GET", "/brambletop.wasm");
  EXPECT_EQ(wasm.status, 200);
  EXPECT_EQ(header(wasm, "content-type"), "application/wasm");
  EXPECT_EQ(wasm.body, std::string("\0asm\1\0\0\0", 8));
  const Reply head = exchange(port, "HEAD", "/brambletop.wasm");
  EXPECT_EQ(head.status, 200);
  EXPECT_EQ(header(head, "content-length"), "8");
  EXPECT_EQ(head.body, "");

  const Reply data = exchange(port, "GET", "/brambletop.data");
  EXPECT_EQ(header(data, "content-type"), "application/octet-stream");
  EXPECT_TRUE(data.body == folder.data) << data.body.size() << " bytes";
  EXPECT_EQ(exchange(port, "GET", "/sub/inside.png?build=2").body, "png");
  // The app's manifest and its service worker: a browser checks the worker
  // for a new build at every visit, so it is never taken from a cache unasked.
  EXPECT_EQ(header(exchange(port, "GET", "/manifest.webmanifest"), "content-type"),
            "application/manifest+json");
  const Reply worker = exchange(port, "GET", "/sw.js");
  EXPECT_EQ(header(worker, "content-type"), "text/javascript");
  EXPECT_EQ(header(worker, "cache-control"), "no-cache");
  // A range is not honoured: the whole file comes, as HTTP allows.
  const Reply ranged = exchange(port, "GET", "/brambletop.data", "Range: bytes=10-99999999\r\n");
  EXPECT_EQ(ranged.status, 200);
  EXPECT_EQ(ranged.body.size(), folder.data.size());

  // The score path answers as ever.
  auto c = clientFor(port);
  const Answer table = post(c, submitQuery("brambletop", "WEB", 42));
  EXPECT_EQ(table.status, 200);
  EXPECT_EQ(bestFirst(table.body).front(), "42 WEB");
  const Reply get = exchange(port, "GET", kScorePath);
  EXPECT_EQ(get.status, 405);
  EXPECT_EQ(header(get, "allow"), "POST");

  server.signal(SIGTERM);
  EXPECT_EQ(server.wait(), 0);
  const std::string log = server.errorOutput();
  for (const char* line :
       {" GET / 200 ", " HEAD /brambletop.wasm 200 ", " GET /sub/inside.png 200 ",
        " POST /highscorescript/highscore.asp 200 "}) {
    EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
  }
}

// No answer may be read as another type than it says, the tables are never
// taken from a cache unasked, and the scores page loads nothing but its own
// style.
TEST(ScoredWebPage, EveryAnswerKeepsItsTypeAndThePageLoadsNothing) {
  WebFolder folder;
  TempDatabaseFile database;
  ScoredProcess server({"--db", database.path(), "--web", folder.path(), "--quiet"});
  ASSERT_NE(server.port(), 0) << server.errorOutput();
  const int port = server.port();

  const Reply page = exchange(port, "GET", "/scores");
  ASSERT_EQ(page.status, 200);
  EXPECT_EQ(header(page, "content-security-policy"),
            "default-src 'none'; style-src 'unsafe-inline'; base-uri 'none'; "
            "form-action 'none'; frame-ancestors 'none'");
  EXPECT_EQ(header(page, "cache-control"), "no-cache");
  const struct {
    const char* what;
    Reply reply;
    const char* cacheControl;
  } answers[] = {
      {"the scores page", page, "no-cache"},
      {"the score table",
       exchange(port, "POST", std::string(kScorePath) + "?game=brambletop", "Content-Length: 2\r\n",
                "OK"),
       "no-cache"},
      {"each level's best", exchange(port, "GET", "/records/brambletop"), "no-cache"},
      {"a level's table", exchange(port, "GET", "/records/brambletop/1"), "no-cache"},
      {"a refused record", exchange(port, "POST", "/records/brambletop/99"), "no-cache"},
      {"a file", exchange(port, "GET", "/index.html"), "no-cache"},
      {"a missing file", exchange(port, "GET", "/missing.html"), "(none)"},
      {"a request refused before it is read", exchange(port, "GET", "/\x01"), "(none)"},
  };
  for (const auto& answer : answers) {
    SCOPED_TRACE(answer.what);
    EXPECT_NE(answer.reply.status, 0);
    EXPECT_EQ(header(answer.reply, "x-content-type-options"), "nosniff");
    EXPECT_EQ(header(answer.reply, "cache-control"), answer.cacheControl);
  }
}

TEST(ScoredWebPage, TheGzipFileGoesToClientsThatTakeGzip) {
  WebFolder folder;
  TempDatabaseFile database;
  ScoredProcess server({"--db", database.path(), "--quiet", "--web", folder.path()});
  ASSERT_NE(server.port(), 0) << server.errorOutput();
  struct Case {
    std::string acceptEncoding;
    bool gzip;
  };
  for (const Case& c : std::vector<Case>{{"gzip", true},
                                         {"br, gzip, deflate", true},
                                         {"gzip;q=0", false},
                                         {"identity", false},
                                         {"", false}}) {
    const std::string line = c.acceptEncoding.empty() ? "" : "Accept-Encoding: ";
    SCOPED_TRACE(line + c.acceptEncoding);
    const Reply reply = exchange(server.port(), "GET", "/brambletop.js",
                                 line.empty() ? line : line + c.acceptEncoding + "\r\n");
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.body, c.gzip ? "pretend gzip bytes of brambletop.js" : "var Module = {};\n");
    EXPECT_EQ(header(reply, "content-encoding"), c.gzip ? "gzip" : "(none)");
    EXPECT_EQ(header(reply, "content-type"), "text/javascript");
    EXPECT_EQ(header(reply, "vary"), "Accept-Encoding");
  }
  // A .gz older than its file, left from an earlier build, is passed over.
  folder.touchOlder("brambletop.js.gz", "brambletop.js");
  const Reply stale = exchange(server.port(), "GET", "/brambletop.js", "Accept-Encoding: gzip\r\n");
  EXPECT_EQ(stale.body, "var Module = {};\n");
  EXPECT_EQ(header(stale, "content-encoding"), "(none)");
  // So is a .gz beside the file that leads out of the folder.
  const Reply shell = exchange(server.port(), "GET", "/shell.js", "Accept-Encoding: gzip\r\n");
  EXPECT_EQ(shell.body, "shell\n");
  EXPECT_EQ(header(shell, "content-encoding"), "(none)");
}

TEST(ScoredWebPage, WhatTheClientHoldsAlreadyIsA304) {
  WebFolder folder;
  const std::string wasm("\0asm\1\0\0\0", 8);
  const auto built = std::chrono::sys_days(std::chrono::January / 2 / 2026) + 3h + 4min + 5500ms;
  folder.rewrite("brambletop.wasm", wasm, built);
  TempDatabaseFile database;
  ScoredProcess server({"--db", database.path(), "--web", folder.path()});
  ASSERT_NE(server.port(), 0) << server.errorOutput();
  const int port = server.port();

  const Reply first = exchange(port, "GET", "/brambletop.wasm");
  const std::string tag = header(first, "etag");
  EXPECT_TRUE(tag.starts_with("\"8-") && tag.ends_with('"')) << tag;  // the size first
  EXPECT_EQ(header(first, "last-modified"), "Fri, 02 Jan 2026 03:04:05 GMT");
  const Reply head = exchange(port, "HEAD", "/brambletop.wasm");
  EXPECT_EQ(header(head, "etag"), tag);
  EXPECT_EQ(header(head, "last-modified"), header(first, "last-modified"));

  struct Case {
    std::string method;
    std::string headers;
    int status;
  };
  const std::string stale = "\"8-1\"";
  const std::vector<Case> cases = {
      {"GET", "If-None-Match: " + tag, 304},
      {"HEAD", "If-None-Match: " + tag, 304},
      {"GET", "If-None-Match: \"x\", W/" + tag, 304},
      {"GET", "If-None-Match: *", 304},
      {"GET", "If-None-Match: " + stale, 200},
      {"HEAD", "If-None-Match: " + stale, 200},
      // Dates to the second: the one it was written in, or later.
      {"GET", "If-Modified-Since: Fri, 02 Jan 2026 03:04:05 GMT", 304},
      {"HEAD", "If-Modified-Since: Friday, 02-Jan-26 03:04:05 GMT", 304},
      {"GET", "If-Modified-Since: Sat, 03 Jan 2026 00:00:00 GMT", 304},
      {"GET", "If-Modified-Since: Fri, 02 Jan 2026 03:04:04 GMT", 200},
      {"GET", "If-Modified-Since: yesterday", 200},
      // The tag decides whenever there is one.
      {"GET", "If-None-Match: " + stale + "\r\nIf-Modified-Since: Sat, 03 Jan 2026 00:00:00 GMT",
       200},
      {"GET", "If-None-Match: " + tag + "\r\nIf-Modified-Since: Thu, 01 Jan 2026 00:00:00 GMT",
       304},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.method + " " + c.headers);
    const Reply reply = exchange(port, c.method, "/brambletop.wasm", c.headers + "\r\n");
    EXPECT_EQ(reply.status, c.status);
    EXPECT_EQ(reply.body, c.status == 200 && c.method == "GET" ? wasm : "");
    EXPECT_EQ(header(reply, "etag"), tag);
    EXPECT_EQ(header(reply, "cache-control"), "no-cache");
    // The length a 304 gives is the file's, never a claim of no bytes.
    EXPECT_EQ(header(reply, "content-length"), "8");
    EXPECT_EQ(header(reply, "content-type"), c.status == 304 ? "(none)" : "application/wasm");
  }

  // Rewritten with as many bytes, a second later: a new tag.
  folder.rewrite("brambletop.wasm", std::string("\0asm\2\0\0\0", 8), built + 1s);
  const Reply renewed = exchange(port, "GET", "/brambletop.wasm", "If-None-Match: " + tag + "\r\n");
  EXPECT_EQ(renewed.status, 200);
  EXPECT_EQ(renewed.body, std::string("\0asm\2\0\0\0", 8));
  EXPECT_NE(header(renewed, "etag"), tag);
  EXPECT_EQ(header(renewed, "last-modified"), "Fri, 02 Jan 2026 03:04:06 GMT");

  server.signal(SIGTERM);
  EXPECT_EQ(server.wait(), 0);
  const std::string log = server.errorOutput();
  for (const char* line : {" GET /brambletop.wasm 304 ", " HEAD /brambletop.wasm 304 "}) {
    EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
  }
}

TEST(ScoredWebPage, TheGzipFileHasATagOfItsOwn) {
  WebFolder folder;
  TempDatabaseFile database;
  ScoredProcess server({"--db", database.path(), "--quiet", "--web", folder.path()});
  ASSERT_NE(server.port(), 0) << server.errorOutput();
  const std::string gzip = "Accept-Encoding: gzip\r\n";
  const Reply plain = exchange(server.port(), "GET", "/brambletop.js");
  const Reply packed = exchange(server.port(), "GET", "/brambletop.js", gzip);
  const std::string plainTag = header(plain, "etag");
  const std::string packedTag = header(packed, "etag");
  EXPECT_NE(plainTag, packedTag);
  EXPECT_NE(plainTag, "(none)");
  EXPECT_NE(packedTag, "(none)");
  struct Case {
    bool gzip;
    std::string ifNoneMatch;
    int status;
  };
  for (const Case& c : std::vector<Case>{{true, packedTag, 304},
                                         {false, packedTag, 200},
                                         {true, plainTag, 200},
                                         {false, plainTag, 304},
                                         {true, plainTag + ", " + packedTag, 304}}) {
    SCOPED_TRACE((c.gzip ? "gzip " : "") + c.ifNoneMatch);
    const Reply reply = exchange(server.port(), "GET", "/brambletop.js",
                                 (c.gzip ? gzip : "") + "If-None-Match: " + c.ifNoneMatch + "\r\n");
    EXPECT_EQ(reply.status, c.status);
    EXPECT_EQ(header(reply, "etag"), c.gzip ? packedTag : plainTag);
    EXPECT_EQ(header(reply, "vary"), "Accept-Encoding");
    EXPECT_EQ(header(reply, "content-encoding"), c.gzip && c.status == 200 ? "gzip" : "(none)");
    EXPECT_EQ(reply.body, c.status == 304 ? "" : c.gzip ? packed.body : plain.body);
  }
}

TEST(ScoredWebPage, NothingOutsideTheFolderNorAFolderNorAnotherMethod) {
  WebFolder folder;
  TempDatabaseFile database;
  ScoredProcess server({"--db", database.path(), "--quiet", "--web", folder.path()});
  ASSERT_NE(server.port(), 0) << server.errorOutput();
  struct Case {
    std::string method;
    std::string target;
    int status;
  };
  const std::vector<Case> cases = {
      {"GET", "/../secret.txt", 404},
      {"GET", "/sub/../../secret.txt", 404},
      {"GET", "/%2e%2e/secret.txt", 404},
      {"GET", "/%2E%2E%2Fsecret.txt", 404},
      {"GET", "/..%5csecret.txt", 404},
      {"GET", "/leak.txt", 404},  // a link out of the folder
      {"GET", "/index.html%00.png", 404},
      {"GET", folder.secretTarget("/"), 404},  // "//tmp/...": no absolute paths
      {"GET", folder.secretTarget("%2F"), 404},
      {"GET", "/sub", 404},
      {"GET", "/sub/", 404},
      {"GET", "/missing.js", 404},
      {"GET", "/bad%zzescape", 400},
      {"POST", "/index.html", 405},
      {"PUT", "/brambletop.wasm", 405},
      {"DELETE", "/", 405},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.method + " " + c.target);
    const Reply reply =
        exchange(server.port(), c.method, c.target,
                 c.method == "POST" ? "Content-Length: 2\r\n" : "", c.method == "POST" ? "OK" : "");
    EXPECT_EQ(reply.status, c.status);
    EXPECT_EQ(reply.body.find(WebFolder::kSecret), std::string::npos);
    // One line of text saying why.
    EXPECT_EQ(header(reply, "content-type"), "text/plain");
    EXPECT_TRUE(reply.body.ends_with('\n') && reply.body.find('\n') == reply.body.size() - 1)
        << reply.body;
    EXPECT_EQ(header(reply, "allow"), c.status == 405 ? "GET, HEAD" : "(none)");
  }
}

}  // namespace
}  // namespace bt::scored::test

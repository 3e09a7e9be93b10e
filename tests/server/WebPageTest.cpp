// The built web page served beside the score table (--web DIR): its files
// with their types, the gzip variant, and every way out of the folder
// refused, over plain connections so that the requests are exactly these.
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
    fs::create_symlink(top_ / "secret.txt", web_ / "leak.txt");
    fs::create_symlink(top_ / "secret.txt", web_ / "shell.js.gz");
    fs::create_symlink("index.html", web_ / "start.html");
  }
  ~WebFolder() {
    std::error_code ignored;
    if (!top_.empty()) fs::remove_all(top_, ignored);
  }

  std::string path() const { return web_.string(); }
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
  ScoredProcess server({"--db", database.path(), "--web", folder.path()});
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

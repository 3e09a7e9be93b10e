#pragma once
// The network as the phone offers it: first a data connection to the
// internet, held while exchanges may follow, then HTTP requests over it. A
// request blocks the thread that sends it; any other thread may cancel it,
// which ends it at once, also while it looks the host up or connects.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace bt::platform {

// The device's link to the internet; released when destroyed.
class DataConnection {
 public:
  virtual ~DataConnection() = default;
  // False once the link has dropped; a new one must then be opened.
  virtual bool isConnected() const = 0;
};

struct HttpPostRequest {
  std::string host;
  uint16_t port = 80;
  std::string path;  // with its query, from the leading '/'
  // "POST", or "GET", which sends no body.
  std::string method = "POST";
  std::string body;
  std::string agent;
  size_t maxBody = 1024;  // the rest of a longer body is not read
  // The reply's status line and headers together; a longer head fails the
  // request. A score reply's head is a few hundred bytes.
  size_t maxHead = 8192;
  // The whole exchange, from the name's lookup to the body's last byte.
  std::chrono::milliseconds timeout{10000};
};

struct HttpResponse {
  int status = 0;
  std::string body;  // at most maxBody bytes
};

class HttpPost {
 public:
  virtual ~HttpPost() = default;
  // Sends the request and reads the response; nullopt when no response came
  // (no connection, a time-out, a broken reply, or a cancel).
  virtual std::optional<HttpResponse> send() = 0;
  // Starts the request and returns at once, where the backend can (a
  // browser's): done is called later on this thread, once, with what send
  // would have returned, and never after cancel. The post may be destroyed
  // inside done. False (and done never called) where only send works.
  using Done = std::function<void(std::optional<HttpResponse>)>;
  virtual bool sendLater(Done done) {
    (void)done;
    return false;
  }
  // Safe from any thread, before, during or after send; a send after a
  // cancel fails at once.
  virtual void cancel() = 0;
};

class Network {
 public:
  virtual ~Network() = default;
  // Brings up a data connection; nullptr when none can be had.
  virtual std::unique_ptr<DataConnection> openDataConnection() = 0;
  virtual std::unique_ptr<HttpPost> makePost(HttpPostRequest request) = 0;
  // False where a request must never block the program's one thread (a
  // browser page): posts are then sent with sendLater.
  virtual bool sendsBlocking() const { return true; }
};

}  // namespace bt::platform

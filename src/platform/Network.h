#pragma once
// The network as the phone offers it: first a data connection to the
// internet, held while exchanges may follow, then HTTP requests over it. A
// request blocks the thread that sends it; any other thread may cancel it,
// which ends it at once (closing its socket), also while it connects.
#include <chrono>
#include <cstddef>
#include <cstdint>
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
  std::string body;
  std::string agent;
  size_t maxBody = 1024;  // the rest of a longer body is not read
  std::chrono::milliseconds connectTimeout{10000};
  std::chrono::milliseconds readTimeout{10000};
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
};

}  // namespace bt::platform

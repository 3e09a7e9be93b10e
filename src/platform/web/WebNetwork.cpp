#include "platform/web/WebNetwork.h"

#include <emscripten/emscripten.h>

#include <utility>

#include "platform/web/WebHttpPost.h"
#include "platform/web/WebPage.h"

namespace bt::platform {

namespace {

class BrowserConnection : public DataConnection {
 public:
  bool isConnected() const override { return true; }
};

int nextId = 0;

}  // namespace

std::unique_ptr<DataConnection> WebNetwork::openDataConnection() {
  return std::make_unique<BrowserConnection>();
}

std::unique_ptr<HttpPost> WebNetwork::makePost(HttpPostRequest request) {
  return std::make_unique<WebHttpPost>(std::move(request));
}

std::string WebNetwork::urlOf(const HttpPostRequest& request) {
  // An IPv6 address stands in brackets in a URL.
  const bool bracket = request.host.find(':') != std::string::npos;
  std::string url = "//";
  url += bracket ? "[" + request.host + "]" : request.host;
  url += ":" + std::to_string(request.port) + request.path;
  return url;
}

std::map<int, WebHttpPost*>& WebNetwork::waiting() {
  static std::map<int, WebHttpPost*> posts;
  return posts;
}

void WebNetwork::complete(int id, int status, std::string body) {
  auto found = waiting().find(id);
  if (found == waiting().end()) return;
  WebHttpPost* post = found->second;
  waiting().erase(found);
  post->complete(status, std::move(body));
}

bool WebHttpPost::sendLater(Done done) {
  if (cancelled_ || id_ != 0 || !done) return false;
  done_ = std::move(done);
  id_ = ++nextId;
  WebNetwork::waiting()[id_] = this;
  bt_fetch_start(id_, request_.method.c_str(), WebNetwork::urlOf(request_).c_str(),
                 request_.body.c_str(), static_cast<int>(request_.maxBody),
                 static_cast<int>(request_.timeout.count()));
  return true;
}

void WebHttpPost::cancel() {
  cancelled_ = true;
  if (id_ == 0) return;
  WebNetwork::waiting().erase(id_);
  bt_fetch_cancel(id_);
  id_ = 0;
}

void WebHttpPost::complete(int status, std::string body) {
  id_ = 0;
  std::optional<HttpResponse> response;
  if (status != 0) response = HttpResponse{status, std::move(body)};
  // done may destroy this post: nothing of it is used after the call.
  Done done = std::move(done_);
  done(std::move(response));
}

}  // namespace bt::platform

extern "C" EMSCRIPTEN_KEEPALIVE void bt_web_fetch_done(int id, int status, const uint8_t* body,
                                                       int length) {
  std::string text(reinterpret_cast<const char*>(body), body ? static_cast<size_t>(length) : 0);
  bt::platform::WebNetwork::complete(id, status, std::move(text));
}

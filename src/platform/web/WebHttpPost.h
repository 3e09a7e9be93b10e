#pragma once
// One fetch POST of the web backend (see WebNetwork).
#include <optional>
#include <string>

#include "platform/Network.h"

namespace bt::platform {

class WebHttpPost : public HttpPost {
 public:
  explicit WebHttpPost(HttpPostRequest request) : request_(std::move(request)) {}
  ~WebHttpPost() override { cancel(); }

  // A page's one thread must never wait: always nullopt.
  std::optional<HttpResponse> send() override { return std::nullopt; }
  bool sendLater(Done done) override;
  void cancel() override;

  // The end of the request: done is called with the response, or nullopt
  // when status is 0.
  void complete(int status, std::string body);

 private:
  HttpPostRequest request_;
  Done done_;
  int id_ = 0;  // while the fetch runs
  bool cancelled_ = false;
};

}  // namespace bt::platform

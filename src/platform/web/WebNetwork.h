#pragma once
// The network of a page: requests go through the browser's fetch and never
// block (sendLater); a blocking send is refused. The data connection is the
// browser's own and is always up. A request to the page's own host and port
// goes to the page's origin, so one server hosts the page and the scores.
#include <map>
#include <memory>
#include <string>

#include "platform/Network.h"

namespace bt::platform {

class WebHttpPost;

class WebNetwork : public Network {
 public:
  std::unique_ptr<DataConnection> openDataConnection() override;
  std::unique_ptr<HttpPost> makePost(HttpPostRequest request) override;
  bool sendsBlocking() const override { return false; }

  // The address fetch is given for a request: host and port as a
  // scheme-relative URL ("//host:port/path").
  static std::string urlOf(const HttpPostRequest& request);

  // A response (status 0: none came) for the post with this id; ignored
  // when that post was cancelled or destroyed.
  static void complete(int id, int status, std::string body);

 private:
  friend class WebHttpPost;
  static std::map<int, WebHttpPost*>& waiting();
};

}  // namespace bt::platform

#include "platform/net/HttpNetwork.h"

#include "platform/net/SocketHttpPost.h"

namespace bt::platform {

namespace {

// Connected for as long as the network does not refuse data connections.
class DesktopDataConnection : public DataConnection {
 public:
  explicit DesktopDataConnection(const std::atomic<bool>& refused) : refused_(refused) {}
  bool isConnected() const override { return !refused_; }

 private:
  const std::atomic<bool>& refused_;
};

}  // namespace

std::unique_ptr<DataConnection> HttpNetwork::openDataConnection() {
  if (refuseData_) return nullptr;
  ++opened_;
  return std::make_unique<DesktopDataConnection>(refuseData_);
}

std::unique_ptr<HttpPost> HttpNetwork::makePost(HttpPostRequest request) {
  return std::make_unique<SocketHttpPost>(std::move(request));
}

}  // namespace bt::platform

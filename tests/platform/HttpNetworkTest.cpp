#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "platform/net/HttpNetwork.h"

namespace bt::platform {
namespace {

using namespace std::chrono_literals;

// A cancel while the request is still being written ends it at once, and
// quietly: no SIGPIPE ends the program.
TEST(HttpNetworkTest, ACancelDuringTheWriteEndsTheRequest) {
  httplib::Server listener;  // bound and listening, never accepting or reading
  const int port = listener.bind_to_any_port("127.0.0.1");
  ASSERT_GT(port, 0);
  std::signal(SIGPIPE, SIG_DFL);  // the server's constructor ignores it; the game does not

  HttpNetwork network;
  HttpPostRequest request;
  request.host = "127.0.0.1";
  request.port = static_cast<uint16_t>(port);
  request.path.push_back('/');
  request.body.assign(32u << 20, 'x');  // far more than the socket buffers hold
  request.readTimeout = 60s;
  auto post = network.makePost(request);
  std::thread canceller([&] {
    std::this_thread::sleep_for(300ms);
    post->cancel();
  });
  EXPECT_FALSE(post->send().has_value());
  canceller.join();
  EXPECT_FALSE(post->send().has_value()) << "a cancelled request stays cancelled";
}

TEST(HttpNetworkTest, RefusedDataConnectionsDropTheOpenOnes) {
  HttpNetwork network;
  auto first = network.openDataConnection();
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->isConnected());
  network.refuseDataConnection(true);
  EXPECT_FALSE(first->isConnected());
  EXPECT_EQ(network.openDataConnection(), nullptr);
  network.refuseDataConnection(false);
  EXPECT_TRUE(network.openDataConnection());
  EXPECT_EQ(network.dataConnectionsOpened(), 2);
}

}  // namespace
}  // namespace bt::platform

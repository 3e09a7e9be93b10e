#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <string>
#include <thread>

#include "platform/net/HttpNetwork.h"
#include "support/RawHttpServer.h"

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
  request.timeout = 60s;
  auto post = network.makePost(request);
  std::thread canceller([&] {
    std::this_thread::sleep_for(300ms);
    post->cancel();
  });
  EXPECT_FALSE(post->send().has_value());
  canceller.join();
  EXPECT_FALSE(post->send().has_value()) << "a cancelled request stays cancelled";
}

// A reply that never ends its head, or comes a byte at a time, is given up:
// the head is read up to its limit only, and the whole exchange ends at the
// request's deadline however the bytes trickle in.
TEST(HttpNetworkTest, HostileRepliesAreCutOffByTheHeadLimitAndTheDeadline) {
  using Send = test::RawHttpServer::Send;
  constexpr size_t kFlood = 256u << 20;  // what a hostile server offers
  std::string line = "X-Filler: ";
  line.append(1000, 'a').append("\r\n");
  struct Case {
    const char* what;
    std::function<void(const Send&)> reply;
  };
  const Case cases[] = {
      {"endless header lines",
       [&](const Send& send) {
         if (!send("HTTP/1.1 200 OK\r\n")) return;
         for (size_t n = 0; n < kFlood && send(line); n += line.size()) {
         }
       }},
      {"one endless header line",
       [&](const Send& send) {
         if (!send("HTTP/1.1 200 OK\r\nX-Filler: ")) return;
         const std::string chunk(64 * 1024, 'a');
         for (size_t n = 0; n < kFlood && send(chunk); n += chunk.size()) {
         }
       }},
      {"a byte every 100 ms",
       [](const Send& send) {
         std::string head = "HTTP/1.1 200 OK\r\nX-Slow: ";
         head.append(200, 'a');
         for (char c : head) {
           if (!send(std::string_view(&c, 1))) return;
           std::this_thread::sleep_for(100ms);
         }
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::RawHttpServer server(c.reply);
    ASSERT_GT(server.port(), 0);
    HttpNetwork network;
    HttpPostRequest request;
    request.host = "127.0.0.1";
    request.port = static_cast<uint16_t>(server.port());
    request.path.push_back('/');
    request.timeout = 1s;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(network.makePost(request)->send().has_value());
    // Generous bounds: the head limit is a few KiB and the deadline 1 s; the
    // socket buffers between the two ends hold a few MiB at most.
    EXPECT_LT(std::chrono::steady_clock::now() - started, 8s);
    EXPECT_LT(server.sent(), kFlood / 4);
  }
}

// A host name is looked up (on a thread of its own) and its addresses tried
// in turn; a reply in chunks arrives whole.
TEST(HttpNetworkTest, ANamedHostAndAChunkedReply) {
  test::RawHttpServer server([](const test::RawHttpServer::Send& send) {
    send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n");
    send("6\r\n world\r\n0\r\n\r\n");
  });
  HttpNetwork network;
  HttpPostRequest request;
  request.host = "localhost";
  request.port = static_cast<uint16_t>(server.port());
  request.path.push_back('/');
  const std::optional<HttpResponse> response = network.makePost(request)->send();
  ASSERT_TRUE(response.has_value());
  EXPECT_EQ(response->status, 200);
  EXPECT_EQ(response->body, "hello world");
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

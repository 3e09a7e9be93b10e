#pragma once
// A real HTTP server on a free loopback port, run on its own thread for one
// test: it answers POSTs to the score path with a set status and body, and
// GETs and POSTs of the world-records paths with the answer set for each
// (404 when none is), records what it was sent, and can hold its answer back
// (a silent server) until released.
#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "net/protocol/ScoreCheck.h"

namespace bt::test {

struct ReceivedRequest {
  std::string target;  // path and query
  std::string body;
  std::string agent;
  std::string method;
};

class LocalHttpServer {
 public:
  LocalHttpServer() {
    server_.Post(kScorePath, [this](const httplib::Request& request, httplib::Response& response) {
      std::unique_lock<std::mutex> lock(mutex_);
      requests_.push_back(
          {request.target, request.body, request.get_header_value("User-Agent"), request.method});
      held_.wait(lock, [this] { return !silent_; });
      response.status = status_;
      response.set_content(body_, "text/plain");
    });
    auto records = [this](const httplib::Request& request, httplib::Response& response) {
      std::lock_guard<std::mutex> lock(mutex_);
      requests_.push_back(
          {request.target, request.body, request.get_header_value("User-Agent"), request.method});
      const auto found = recordAnswers_.find(request.method + " " + request.target);
      response.status = found == recordAnswers_.end() ? 404 : found->second.first;
      response.set_content(found == recordAnswers_.end() ? "no such path\n" : found->second.second,
                           "text/plain");
    };
    server_.Get("/records/.*", records);
    server_.Post("/records/.*", records);
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
  }
  ~LocalHttpServer() { stop(); }
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  // Stops listening; connections to the port are refused from then on.
  void stop() {
    if (!thread_.joinable()) return;
    setSilent(false);
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    server_.stop();
    thread_.join();
  }

  void answer(int status, std::string body) {
    std::lock_guard<std::mutex> lock(mutex_);
    status_ = status;
    body_ = std::move(body);
  }
  // The answer to "METHOD TARGET" on a records path.
  void answerRecords(const std::string& request, int status, std::string body) {
    std::lock_guard<std::mutex> lock(mutex_);
    recordAnswers_[request] = {status, std::move(body)};
  }
  void setSilent(bool silent) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      silent_ = silent;
    }
    held_.notify_all();
  }
  std::vector<ReceivedRequest> requests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
  }
  int port() const { return port_; }

 private:
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable held_;
  bool silent_ = false;
  int status_ = 200;
  std::string body_;
  std::vector<ReceivedRequest> requests_;
  std::map<std::string, std::pair<int, std::string>> recordAnswers_;
};

}  // namespace bt::test

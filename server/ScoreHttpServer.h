#pragma once
// The HTTP side of the score server: cpp-httplib parses and answers, while
// each connection runs on a thread of its own through a ConnectionStream
// that bounds its time and size, so that slow, huge or idle clients cannot
// hold the server, and no client holds more than its share of connections.
// Each request's head is checked strictly first (RequestHead); one that
// breaks the rules, or that the library refuses, is answered and ends its
// connection. Range is ignored: every reply is sent whole. Every request is
// answered by the ScoreService, or when a web page is served, every path but
// the score path by StaticFiles; and logged. What the head decides (a
// refusal, a file) is answered before the body is read; only a POST to the
// score and records paths has its body read, up to the path's limit however
// it is framed, and any body left unread ends its connection.
#include <httplib.h>

#include <atomic>
#include <string>
#include <vector>

#include "ConnectionLimits.h"
#include "ConnectionsPerClient.h"
#include "RequestLog.h"
#include "ScoreService.h"

namespace bt::scored {

class ConnectionStream;
class StaticFiles;

class ScoreHttpServer : public httplib::Server {
 public:
  ScoreHttpServer(ScoreService& service, const RequestLog& log,
                  std::vector<std::string> trustedProxies, ConnectionLimits limits = {});
  ~ScoreHttpServer() override;

  // Before serve(): every path but the score path is answered from `files`,
  // which must outlive the server.
  void serveWebFiles(const StaticFiles& files) { webFiles_ = &files; }
  // Binds the listening socket; port 0 takes a free one. The port, or -1.
  int bindTo(const std::string& host, int port);
  // Serves until shutDown(); returns once every connection has ended. False
  // when accepting failed.
  bool serve();
  // From any thread: stops accepting, ends idle connections at once and lets
  // requests in flight finish.
  void shutDown();

 private:
  bool process_and_close_socket(socket_t sock) override;
  void serveConnection(int fd);
  bool readCheckedHead(ConnectionStream& stream);
  void refuse(ConnectionStream& stream, int status, std::string_view reason);
  void turnAway(int fd, const std::string& address, int status, std::string_view reason);
  bool answerBeforeBody(const httplib::Request& request, httplib::Response& response);
  void answerChunked(const httplib::Request& request, httplib::Response& response,
                     const httplib::ContentReader& reader);
  void answerCutOff(httplib::Response& response);
  ScoreRequest scoreRequestOf(const httplib::Request& request, uint64_t bodySize) const;
  void answerWebFile(const httplib::Request& request, httplib::Response& response);
  bool isWebFilePath(const httplib::Request& request) const;
  void explainError(const httplib::Request& request, httplib::Response& response);
  void logAnswer(const httplib::Request& request, const httplib::Response& response);
  std::string addressOf(const httplib::Request& request) const;

  ScoreService& service_;
  const RequestLog& log_;
  std::vector<std::string> trustedProxies_;
  ConnectionLimits limits_;
  ConnectionsPerClient perClient_;
  const StaticFiles* webFiles_ = nullptr;
  int listenFd_ = -1;
  int stopFd_ = -1;
  std::atomic<bool> stopping_{false};
  std::atomic<bool> serveEnded_{false};
  std::atomic<size_t> connections_{0};
};

}  // namespace bt::scored

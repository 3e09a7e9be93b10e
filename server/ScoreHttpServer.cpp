#include "ScoreHttpServer.h"

#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <thread>

#include "ClientAddress.h"
#include "ClosingReply.h"
#include "ConnectionStream.h"
#include "ConnectionThreads.h"
#include "HttpDate.h"
#include "RequestHead.h"
#include "StaticFiles.h"
#include "net/protocol/ScoreCheck.h"

namespace bt::scored {
namespace {

static_assert(ConnectionLimits{}.maxBodyBytes == kLargestBodyBytes);

// The connection being served on this thread, for the library's error and
// log callbacks, which see only the request.
thread_local ConnectionStream* tConnection = nullptr;

const char* reasonFor(int status) {
  switch (status) {
    case 400:
      return "the request cannot be read\n";
    case 404:
      return "no such path\n";
    case 405:
      return "only POST is accepted\n";
    case 408:
      return "the request took too long\n";
    case 413:
      return "the request is too large\n";
    case 414:
      return "the request line is too long\n";
    case 503:
      return "the server is busy\n";
    default:
      return "the request was refused\n";
  }
}

// Every value of a header that may be sent as several lines, as one list.
std::string allValues(const httplib::Request& request, const char* name) {
  std::string joined;
  const size_t count = request.get_header_value_count(name);
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) joined += ", ";
    joined += request.get_header_value(name, i);
  }
  return joined;
}

void putReply(ScoreReply reply, httplib::Response& response) {
  response.status = reply.status;
  if (reply.status == 405) response.set_header("Allow", reply.allow);
  // The tables change with every score and record.
  response.set_header("Cache-Control", "no-cache");
  if (reply.securityPolicy) response.set_header("Content-Security-Policy", reply.securityPolicy);
  response.set_content(std::move(reply.body), reply.contentType);
}

std::string_view queryOf(const std::string& target) {
  const size_t question = target.find('?');
  return question == std::string::npos ? std::string_view()
                                       : std::string_view(target).substr(question + 1);
}

void sendFile(const std::shared_ptr<ReadOnlyFile>& file, const std::string& type,
              httplib::Response& response) {
  if (file->size() == 0) {
    response.set_content("", type);
    return;
  }
  // Streamed a piece at a time, so that a request holds no more than one
  // piece; the library compresses nothing it streams with a known length.
  response.set_content_provider(
      file->size(), type, [file](size_t offset, size_t length, httplib::DataSink& sink) {
        char piece[32 * 1024];
        const int64_t got = file->readAt(offset, piece, std::min(length, sizeof piece));
        // A file cut short since it was opened ends the connection.
        return got > 0 && sink.write(piece, static_cast<size_t>(got));
      });
}

}  // namespace

ScoreHttpServer::ScoreHttpServer(ScoreService& service, const RequestLog& log,
                                 std::vector<std::string> trustedProxies, ConnectionLimits limits)
    : service_(service),
      log_(log),
      trustedProxies_(std::move(trustedProxies)),
      limits_(limits),
      perClient_(limits.maxConnectionsPerClient) {
  stopFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  new_task_queue = [] { return new ConnectionThreads(); };
  set_socket_options([this](socket_t sock) {
    int yes = 1;
    ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    listenFd_ = sock;
  });
  set_tcp_nodelay(true);
  set_payload_max_length(kLargestBodyBytes);
  set_keep_alive_timeout(
      std::chrono::duration_cast<std::chrono::seconds>(limits.idleTimeout).count());
  set_keep_alive_max_count(limits.maxRequestsPerConnection);
  set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
    return answerBeforeBody(request, response) ? HandlerResponse::Handled
                                               : HandlerResponse::Unhandled;
  });
  // Every request but a chunked POST is answered before routing; that one's
  // chunks are decoded by the library, read up to the path's limit.
  Post(".*",
       [this](const httplib::Request& request, httplib::Response& response,
              const httplib::ContentReader& reader) { answerChunked(request, response, reader); });
  set_error_handler([this](const httplib::Request& request, httplib::Response& response) {
    explainError(request, response);
  });
  set_post_routing_handler([](const httplib::Request&, httplib::Response& response) {
    // Every answer is what its type says, refusals included.
    if (!response.has_header("X-Content-Type-Options")) {
      response.set_header("X-Content-Type-Options", "nosniff");
    }
    // The library announces a kept-alive connection unless the client asked
    // for a close.
    if (!tConnection || !tConnection->ending()) return;
    response.headers.erase("Keep-Alive");
    if (response.get_header_value("Connection") != "close") {
      response.set_header("Connection", "close");
    }
  });
  set_logger([this](const httplib::Request& request, const httplib::Response& response) {
    logAnswer(request, response);
  });
}

ScoreHttpServer::~ScoreHttpServer() {
  if (stopFd_ >= 0) ::close(stopFd_);
}

int ScoreHttpServer::bindTo(const std::string& host, int port) {
  if (port == 0) {
    port = bind_to_any_port(host);
    if (port <= 0) return -1;
  } else if (!bind_to_port(host, port)) {
    return -1;
  }
  // The library listens with a backlog of 5; a burst of new clients needs more.
  ::listen(listenFd_, SOMAXCONN);
  return port;
}

bool ScoreHttpServer::serve() {
  const bool served = listen_after_bind();
  serveEnded_ = true;
  return served;
}

void ScoreHttpServer::shutDown() {
  stopping_ = true;
  const uint64_t one = 1;
  [[maybe_unused]] ssize_t written = ::write(stopFd_, &one, sizeof one);
  // The library stops only an accept loop that runs: a signal that came
  // just before serve() waits for it.
  while (!is_running() && !serveEnded_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  stop();
}

bool ScoreHttpServer::process_and_close_socket(socket_t sock) {
  sockaddr_storage peer{};
  socklen_t length = sizeof peer;
  std::string address;
  int port = 0;
  if (::getpeername(sock, reinterpret_cast<sockaddr*>(&peer), &length) == 0) {
    nameSocketAddress(peer, address, port);
  }
  const bool counted =
      std::find(trustedProxies_.begin(), trustedProxies_.end(), address) == trustedProxies_.end();
  const std::string client = clientGroup(address);
  // A client past its share is not counted against the server's connections.
  if (counted && !perClient_.enter(client)) {
    turnAway(sock, address, 429, "too many connections from this address\n");
  } else {
    if (++connections_ > limits_.maxConnections) {
      turnAway(sock, address, 503, "the server is busy\n");
    } else {
      serveConnection(sock);
    }
    --connections_;
    if (counted) perClient_.leave(client);
  }
  ::shutdown(sock, SHUT_RDWR);
  ::close(sock);
  return true;
}

// A connection refused before it is served: the answer goes without
// waiting, and what the client sent already is dropped so that closing does
// not reset the connection under the answer. It takes no longer than that,
// since turning away must stay cheaper than serving.
void ScoreHttpServer::turnAway(int fd, const std::string& address, int status,
                               std::string_view reason) {
  const auto start = ConnectionStream::Clock::now();
  const std::string reply = closingReply(status, reason);
  [[maybe_unused]] ssize_t sent =
      ::send(fd, reply.data(), reply.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
  ::shutdown(fd, SHUT_WR);
  char sink[4096];
  for (int i = 0; i < 16 && ::recv(fd, sink, sizeof sink, MSG_DONTWAIT) > 0; ++i) {
  }
  if (log_.enabled()) {
    log_.write({std::chrono::system_clock::now(), address, "-", "-", status,
                ConnectionStream::Clock::now() - start});
  }
}

void ScoreHttpServer::serveConnection(int fd) {
  ConnectionStream stream(fd, limits_, stopFd_);
  tConnection = &stream;
  for (size_t served = 0; served < limits_.maxRequestsPerConnection; ++served) {
    if (stopping_ || !stream.awaitRequest() || !readCheckedHead(stream)) break;
    const bool lastOne = stopping_ || served + 1 == limits_.maxRequestsPerConnection;
    bool closed = false;
    const bool ok = process_request(stream, lastOne, closed, {});
    if (stream.cutOff() != CutOff::None && !stream.answered()) {
      std::string ip;
      int port = 0;
      stream.get_remote_ip_and_port(ip, port);
      log_.write({std::chrono::system_clock::now(), ip, "-", "-", 0,
                  ConnectionStream::Clock::now() - stream.requestStart()});
    }
    if (!ok || closed || stream.cutOff() != CutOff::None || stream.ending()) break;
  }
  if (stream.ending()) {
    stream.drainBeforeClose();
  } else {
    stream.flush();
  }
  tConnection = nullptr;
}

// Receives and checks the next request's head; one that breaks the rules is
// refused here. True when the library may read the request.
bool ScoreHttpServer::readCheckedHead(ConnectionStream& stream) {
  RequestHeadCheck check;
  switch (stream.readHead()) {
    case HeadWait::Closed:
      return false;
    case HeadWait::TooSlow:
      check = {408, "the request took too long\n", false};
      break;
    case HeadWait::TooLarge:
      check = {431, "the header lines are too long\n", false};
      break;
    case HeadWait::LineTooLong:
      check = {414, "the request line is too long\n", false};
      break;
    case HeadWait::Whole:
      check = checkRequestHead(stream.head());
      break;
  }
  if (check.status != 0) {
    refuse(stream, check.status, check.reason);
    return false;
  }
  // Replies are sent whole, as HTTP allows: the library would send a piece
  // of a score table, a multipart reply many times the request's size, or
  // trust a range that runs past a streamed file's end. Bodies are read as
  // bytes, whatever type they claim.
  if (check.asksRange || check.typed) stream.replaceHead(withoutIgnoredFields(stream.head()));
  return true;
}

void ScoreHttpServer::refuse(ConnectionStream& stream, int status, std::string_view reason) {
  const std::string reply = closingReply(status, reason);
  stream.write(reply.data(), reply.size());
  stream.flush();
  stream.endAfterAnswer();
  if (!log_.enabled()) return;
  std::string ip;
  int port = 0;
  stream.get_remote_ip_and_port(ip, port);
  log_.write({std::chrono::system_clock::now(), ip, "-", "-", status,
              ConnectionStream::Clock::now() - stream.requestStart()});
}

// Everything the head decides is decided before the body is read, so that a
// refused or misdirected body costs nothing to read: its connection ends
// after the answer instead. Only a POST to the score or records paths has
// its body read, at most its path's limit however it is framed.
bool ScoreHttpServer::answerBeforeBody(const httplib::Request& request,
                                       httplib::Response& response) {
  if (!tConnection) return false;
  tConnection->markHandled();
  const bool chunked = request.has_header("Transfer-Encoding");
  uint64_t declared = 0;
  if (!chunked && request.has_header("Content-Length")) {
    const std::string length = request.get_header_value("Content-Length");
    const auto [end, error] =
        std::from_chars(length.data(), length.data() + length.size(), declared);
    if (error == std::errc::result_out_of_range) declared = UINT64_MAX;
  }
  const bool bodyFollows = chunked || declared > 0;
  const size_t limit = bodyLimitFor(request.path);
  if (declared > limit) {
    putReply({413, "the body is over " + std::to_string(limit) + " bytes\n"}, response);
    tConnection->endAfterAnswer();
    return true;
  }
  if (isWebFilePath(request)) {
    answerWebFile(request, response);
    if (bodyFollows) tConnection->endAfterAnswer();
    return true;
  }
  ScoreRequest score = scoreRequestOf(request, declared);
  if (auto refusal = service_.refuseHead(score)) {
    putReply(std::move(*refusal), response);
    if (bodyFollows) tConnection->endAfterAnswer();
    return true;
  }
  if (bodyFollows && request.method == "POST") {
    if (chunked) return false;  // answerChunked()
    std::string body;
    if (!tConnection->readBody(declared, body)) {
      answerCutOff(response);
      return true;
    }
    score.body = body;
    score.bodySize = body.size();
    putReply(service_.answer(score), response);
    return true;
  }
  // Only a POST's body is read; another's ends the connection.
  if (bodyFollows) tConnection->endAfterAnswer();
  putReply(service_.answer(score), response);
  return true;
}

void ScoreHttpServer::answerChunked(const httplib::Request& request, httplib::Response& response,
                                    const httplib::ContentReader& reader) {
  const size_t limit = bodyLimitFor(request.path);
  std::string body;
  bool over = false;
  const bool read = reader([&](const char* data, size_t length) {
    over = body.size() + length > limit;
    if (!over) body.append(data, length);
    return !over;
  });
  if (over) {
    putReply({413, "the body is over " + std::to_string(limit) + " bytes\n"}, response);
    if (tConnection) tConnection->endAfterAnswer();
    return;
  }
  if (!read) {
    answerCutOff(response);
    return;
  }
  ScoreRequest score = scoreRequestOf(request, body.size());
  score.body = body;
  putReply(service_.answer(score), response);
}

ScoreRequest ScoreHttpServer::scoreRequestOf(const httplib::Request& request,
                                             uint64_t bodySize) const {
  return {
      request.method,    request.path, queryOf(request.target), {}, static_cast<size_t>(bodySize),
      addressOf(request)};
}

// A body that did not come whole: the bytes after it cannot be trusted to
// start a request, so the connection ends.
void ScoreHttpServer::answerCutOff(httplib::Response& response) {
  int status = 400;
  if (tConnection) {
    tConnection->endAfterAnswer();
    if (tConnection->cutOff() == CutOff::TooSlow) status = 408;
    if (tConnection->cutOff() == CutOff::TooLarge) status = 413;
  }
  response.status = status;
  response.set_content(reasonFor(status), "text/plain");
}

bool ScoreHttpServer::isWebFilePath(const httplib::Request& request) const {
  return webFiles_ && request.path != kScorePath && !request.path.starts_with("/records/") &&
         request.path != kScoresPagePath;
}

void ScoreHttpServer::answerWebFile(const httplib::Request& request, httplib::Response& response) {
  const std::string acceptEncoding = request.get_header_value("Accept-Encoding");
  const std::string ifNoneMatch = allValues(request, "If-None-Match");
  const std::string ifModifiedSince = allValues(request, "If-Modified-Since");
  WebFileRequest asked{.method = request.method,
                       .target = request.target,
                       .acceptEncoding = acceptEncoding,
                       .ifModifiedSince = ifModifiedSince};
  if (request.has_header("If-None-Match")) asked.ifNoneMatch = ifNoneMatch;
  WebFileReply reply = webFiles_->answer(asked);
  response.status = reply.status;
  response.set_header("X-Content-Type-Options", "nosniff");
  if (!reply.file) {
    if (reply.status == 405) response.set_header("Allow", "GET, HEAD");
    response.set_content(reply.reason, "text/plain");
    return;
  }
  // A new build is fetched again rather than taken from a cache unasked;
  // what is unchanged since the last visit costs a 304.
  response.set_header("Cache-Control", "no-cache");
  response.set_header("Accept-Ranges", "none");
  if (reply.varies) response.set_header("Vary", "Accept-Encoding");
  response.set_header("ETag", reply.entityTag);
  const auto file = std::move(reply.file);
  if (reply.status == 304) {
    // No body. Left without a length, the library would claim 0, which
    // a 304 may say only of an empty file.
    response.set_header("Content-Length", std::to_string(file->size()));
    return;
  }
  response.set_header("Last-Modified", formatHttpDate(reply.lastModified));
  if (reply.gzip) response.set_header("Content-Encoding", "gzip");
  sendFile(file, std::string(reply.contentType), response);
}

void ScoreHttpServer::explainError(const httplib::Request&, httplib::Response& response) {
  // The server's own refusals carry their reasons already.
  if (!tConnection || tConnection->handled()) return;
  // The library refused the request: a body it could not read, or one past
  // the limit or too slow, which it reads as malformed. The bytes that follow
  // cannot be trusted to start a request, so the connection ends.
  tConnection->endAfterAnswer();
  if (tConnection->cutOff() == CutOff::TooLarge) {
    response.status = 413;
  } else if (tConnection->cutOff() == CutOff::TooSlow) {
    response.status = 408;
  }
  response.set_content(reasonFor(response.status), "text/plain");
}

// The library logs each answer once it is written whole: it goes now.
void ScoreHttpServer::logAnswer(const httplib::Request& request,
                                const httplib::Response& response) {
  if (tConnection) tConnection->flush();
  if (!log_.enabled()) return;
  const auto took = tConnection ? ConnectionStream::Clock::now() - tConnection->requestStart()
                                : ConnectionStream::Clock::duration{};
  log_.write({std::chrono::system_clock::now(), addressOf(request), request.method, request.path,
              response.status, took});
}

std::string ScoreHttpServer::addressOf(const httplib::Request& request) const {
  if (request.remote_addr.empty() && tConnection) {
    // A request refused before it was read whole has no address filled in.
    std::string ip;
    int port = 0;
    tConnection->get_remote_ip_and_port(ip, port);
    return ip;
  }
  if (trustedProxies_.empty()) return request.remote_addr;
  const size_t count = request.get_header_value_count("X-Forwarded-For");
  const std::string forwarded =
      count ? request.get_header_value("X-Forwarded-For", count - 1) : std::string();
  return clientAddress(request.remote_addr, forwarded, trustedProxies_);
}

}  // namespace bt::scored

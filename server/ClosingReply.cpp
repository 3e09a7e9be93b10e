#include "ClosingReply.h"

namespace bt::scored {
namespace {

std::string_view statusText(int status) {
  switch (status) {
    case 400:
      return "Bad Request";
    case 408:
      return "Request Timeout";
    case 414:
      return "URI Too Long";
    case 429:
      return "Too Many Requests";
    case 431:
      return "Request Header Fields Too Large";
    case 501:
      return "Not Implemented";
    case 503:
      return "Service Unavailable";
    case 505:
      return "HTTP Version Not Supported";
    default:
      return "Refused";
  }
}

}  // namespace

std::string closingReply(int status, std::string_view reason) {
  std::string reply = "HTTP/1.1 " + std::to_string(status) + " ";
  reply += statusText(status);
  reply += "\r\nContent-Type: text/plain\r\nX-Content-Type-Options: nosniff\r\nContent-Length: " +
           std::to_string(reason.size()) + "\r\nConnection: close\r\n\r\n";
  reply += reason;
  return reply;
}

}  // namespace bt::scored

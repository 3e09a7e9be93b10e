// The HTTP library's own server giving a fixed answer: an empty score table
// on the score path, with the library's pool of threads and nothing of the
// score server's checks, limits or tables. Its connections are set as the
// score server sets its own (no delay for small writes, kept alive as long),
// so that neither waits on the other's transport. server/bench/
// fetch-ratio.sh measures the score server's fetch against it: the ratio
// says what the score server's own work costs, whatever the machine's load.
//   bench_fixed_answer   prints "listening on 127.0.0.1:PORT" and serves
//                        until killed
#include <httplib.h>

#include <cstdio>
#include <string>

int main() {
  std::string table;
  for (int row = 0; row < 10; ++row) table += "0 AAAAAAAAAAAAAAA\n";
  httplib::Server server;
  server.set_tcp_nodelay(true);
  server.Post("/highscorescript/highscore.asp",
              [&table](const httplib::Request&, httplib::Response& response) {
                response.set_content(table, "text/plain");
              });
  const int port = server.bind_to_any_port("127.0.0.1");
  if (port <= 0) {
    std::fprintf(stderr, "bench_fixed_answer: cannot listen on 127.0.0.1\n");
    return 1;
  }
  std::printf("listening on 127.0.0.1:%d\n", port);
  std::fflush(stdout);
  return server.listen_after_bind() ? 0 : 1;
}

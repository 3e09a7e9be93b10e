// The server's small parts on their own: the reply's text, the submission
// limit, the address behind a proxy, gzip in Accept-Encoding, entity tags
// and dates, the log line and what takes it, and the command line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <thread>

#include "AcceptEncoding.h"
#include "ClientAddress.h"
#include "CommitQueue.h"
#include "DailyPuzzles.h"
#include "EntityTag.h"
#include "HttpDate.h"
#include "LogSink.h"
#include "Numbered.h"
#include "RecordsText.h"
#include "RequestHead.h"
#include "RequestLog.h"
#include "ScoreTableText.h"
#include "ServerOptions.h"
#include "SubmissionRateLimit.h"
#include "net/protocol/RecordsProtocol.h"

namespace bt::scored {
namespace {

TEST(ScoreTableText, LowestFirstPaddedAtTheLowEnd) {
  EXPECT_EQ(formatScoreTable({{"TOP", 30}, {"MID", 20}, {"LOW", 10}}),
            "0 AAAAAAAAAAAAAAA\n0 AAAAAAAAAAAAAAA\n0 AAAAAAAAAAAAAAA\n0 AAAAAAAAAAAAAAA\n"
            "0 AAAAAAAAAAAAAAA\n0 AAAAAAAAAAAAAAA\n0 AAAAAAAAAAAAAAA\n10 LOW\n20 MID\n30 TOP\n");
  std::vector<ScoreEntry> eleven;
  for (int i = 11; i > 0; --i) eleven.push_back({numbered("P", i), i});
  const std::string text = formatScoreTable(eleven);
  EXPECT_TRUE(text.starts_with("2 P2\n"));
  EXPECT_TRUE(text.ends_with("11 P11\n"));
}

// A game reads each level's best whole, up to 4 KiB: the widest levels'
// bests all fit, and the counts of players only as far as they fit.
TEST(RecordsText, EachLevelsBestStaysWithinWhatAGameReads) {
  std::vector<LevelBest> widest;
  for (int level = 1; level <= 72; ++level) {
    widest.push_back({level, {1000, "ABCDEFGHIJKLMNO", 999'999'999'999, 999'999'999'999}});
  }
  const std::string text = formatLevelBests(widest);
  EXPECT_LE(text.size(), kMaxLevelBestsReplyBytes);
  EXPECT_TRUE(text.starts_with("1 1000 ABCDEFGHIJKLMNO\n"));
  EXPECT_NE(text.find("\n72 1000 ABCDEFGHIJKLMNO\nplayers 1 999999999999 999999999999\n"),
            std::string::npos);
  EXPECT_TRUE(text.ends_with("999999999999\n")) << "whole lines only";
  std::vector<LevelBest> usual(widest.begin(), widest.begin() + 2);
  usual[1].best = {17, "BOB", 1, 3};
  EXPECT_EQ(formatLevelBests(usual),
            "1 1000 ABCDEFGHIJKLMNO\n2 17 BOB\nplayers 1 999999999999 999999999999\n"
            "players 2 1 3\n");
}

TEST(SubmissionRateLimit, ThirtyInAnyMinute) {
  SubmissionRateLimit limit(30, std::chrono::minutes(1), 4);
  const auto t0 = SubmissionRateLimit::Clock::time_point() + std::chrono::hours(1);
  using std::chrono::seconds;
  for (int i = 0; i < 30; ++i) ASSERT_TRUE(limit.allow("a", t0 + seconds(i))) << i;
  EXPECT_FALSE(limit.allow("a", t0 + seconds(59)));
  EXPECT_TRUE(limit.allow("b", t0 + seconds(59)));  // addresses are apart
  // The first left the window at 60 s: one more, then none until 61 s.
  EXPECT_TRUE(limit.allow("a", t0 + seconds(60)));
  EXPECT_FALSE(limit.allow("a", t0 + seconds(60)));
  EXPECT_TRUE(limit.allow("a", t0 + seconds(61)));
}

TEST(SubmissionRateLimit, AFullTableNeverRefusesANewcomer) {
  SubmissionRateLimit limit(30, std::chrono::minutes(1), 4);
  const auto t0 = SubmissionRateLimit::Clock::time_point() + std::chrono::hours(1);
  using std::chrono::seconds;
  for (int i = 0; i < 30; ++i) ASSERT_TRUE(limit.allow("192.0.2.1", t0));
  for (const char* a : {"192.0.2.2", "192.0.2.3", "192.0.2.4"}) ASSERT_TRUE(limit.allow(a, t0));
  // The table is full of addresses inside their minute. The one that keeps
  // trying is refused and stays known; each newcomer takes the place of the
  // address seen longest ago.
  EXPECT_FALSE(limit.allow("192.0.2.1", t0 + seconds(1)));
  EXPECT_TRUE(limit.allow("198.51.100.1", t0 + seconds(2)));
  EXPECT_TRUE(limit.allow("198.51.100.2", t0 + seconds(2)));
  EXPECT_FALSE(limit.allow("192.0.2.1", t0 + seconds(3)));
  for (int i = 0; i < 100000; ++i) {
    const std::string address =
        numbered("10.", i >> 16) + numbered(".", (i >> 8) & 255) + numbered(".", i & 255);
    ASSERT_TRUE(limit.allow(address, t0 + seconds(4))) << address;
  }
  EXPECT_EQ(limit.clientsKept(), 4u);
  // Clients quiet for a minute are let go.
  EXPECT_TRUE(limit.allow("192.0.2.1", t0 + seconds(70)));
  EXPECT_EQ(limit.clientsKept(), 1u);
}

TEST(SubmissionRateLimit, AnIpv6ClientIsItsSlash64) {
  const auto t0 = SubmissionRateLimit::Clock::time_point() + std::chrono::hours(1);
  struct Case {
    const char* other;
    bool sameClient;
  };
  for (const Case& c : std::vector<Case>{
           {"2001:db8:1:2::ffff", true},
           {"2001:DB8:1:2:ffff:ffff:ffff:ffff", true},
           {"2001:db8:1:3::1", false},
           {"2001:db8::1", false},
       }) {
    SCOPED_TRACE(c.other);
    SubmissionRateLimit limit(1, std::chrono::minutes(1), 16);
    ASSERT_TRUE(limit.allow("2001:db8:1:2::1", t0));
    EXPECT_EQ(limit.allow(c.other, t0), !c.sameClient);
  }
  // An IPv4 address is a client of its own, however it is written.
  SubmissionRateLimit limit(1, std::chrono::minutes(1), 16);
  ASSERT_TRUE(limit.allow("192.0.2.1", t0));
  EXPECT_FALSE(limit.allow("::ffff:192.0.2.1", t0));
  EXPECT_TRUE(limit.allow("192.0.2.2", t0));
}

TEST(ClientAddress, ForwardedOnlyFromTrustedProxies) {
  const std::vector<std::string> trusted = {"10.0.0.1", "::1"};
  struct Case {
    std::string peer, forwarded, expected;
  };
  for (const Case& c : std::vector<Case>{
           {"10.0.0.1", "203.0.113.5", "203.0.113.5"},
           {"10.0.0.1", "1.2.3.4, 203.0.113.5", "203.0.113.5"},
           {"10.0.0.1", "1.2.3.4,2001:db8::7 ", "2001:db8::7"},
           {"::1", "203.0.113.5", "203.0.113.5"},
           {"10.0.0.1", "", "10.0.0.1"},
           {"10.0.0.1", "203.0.113.5, not-an-address", "10.0.0.1"},
           {"10.0.0.2", "203.0.113.5", "10.0.0.2"},
       }) {
    SCOPED_TRACE(c.peer + " " + c.forwarded);
    EXPECT_EQ(clientAddress(c.peer, c.forwarded, trusted), c.expected);
  }
}

// What clients send in earnest passes; the refusals are tested on the real
// server (MalformedRequests).
TEST(RequestHead, WellFormedHeadsPassAndRangesAreDropped) {
  for (const std::string head : {
           "POST /highscorescript/highscore.asp?game=g&init=A%20B HTTP/1.1\r\nHost: x\r\n\r\n",
           "GET / HTTP/1.0\r\n\r\n",
           "GET /a HTTP/1.1\r\nhost:\r\ncontent-length:  2 \r\n\r\n",
           "POST /a HTTP/1.1\r\nHOST: [::1]:8750\r\nTransfer-Encoding: Chunked\r\n\r\n",
           "GET /a HTTP/1.1\r\nHost: x\r\nUser-Agent: caf\xc3\xa9\t(x)\r\n\r\n",
       }) {
    SCOPED_TRACE(head);
    EXPECT_EQ(findHeadEnd(head + "body", 0), head.size());
    const RequestHeadCheck check = checkRequestHead(head);
    EXPECT_EQ(check.status, 0) << check.reason;
    EXPECT_FALSE(check.asksRange);
  }
  const std::string ranged =
      "GET /a HTTP/1.1\r\nRange: bytes=0-1\r\nHost: x\r\nif-range: \"t\"\r\n\r\n";
  EXPECT_TRUE(checkRequestHead(ranged).asksRange);
  EXPECT_EQ(withoutIgnoredFields(ranged), "GET /a HTTP/1.1\r\nHost: x\r\n\r\n");
  const std::string typed =
      "POST /a HTTP/1.1\r\nContent-Type: application/x-www-form-urlencoded\r\nHost: x\r\n\r\n";
  EXPECT_TRUE(checkRequestHead(typed).typed);
  EXPECT_EQ(withoutIgnoredFields(typed), "POST /a HTTP/1.1\r\nHost: x\r\n\r\n");
  // A head cut by LF alone is found at once, to be refused.
  EXPECT_EQ(findHeadEnd("GET / HTTP/1.1\nHost: x\n\nrest", 0), 24u);
  EXPECT_EQ(findHeadEnd("GET / HTTP/1.1\r\nHost: x\r\n", 0), std::string::npos);
}

TEST(AcceptEncoding, GzipUnlessItsQualityIsZero) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"gzip", true},           {"gzip, deflate, br", true},  {"br;q=1.0, GZip ;q=0.5", true},
      {"x-gzip", true},         {"gzip;q=0.001", true},       {"gzip;q=0", false},
      {"gzip; Q=0.000", false}, {"gzip;level=1;q=0.", false}, {"", false},
      {"identity", false},      {"gzipped, br", false},       {"*", true},
      {"*;q=0", false},         {"gzip;q=0, *", false},  // named, gzip's own quality decides
  };
  for (const auto& [header, taken] : cases) {
    SCOPED_TRACE(header);
    EXPECT_EQ(acceptsGzip(header), taken);
  }
}

TEST(EntityTag, IfNoneMatchNamesTheTagInAnyForm) {
  const std::string tag = entityTag(0x1a2b, 0x17f0c3d2e4a5b6c7, false);
  EXPECT_EQ(tag, "\"1a2b-17f0c3d2e4a5b6c7\"");
  EXPECT_EQ(entityTag(0x1a2b, 0x17f0c3d2e4a5b6c7, true), "\"1a2b-17f0c3d2e4a5b6c7-gz\"");
  const std::vector<std::pair<std::string, bool>> cases = {
      {tag, true},
      {"W/" + tag, true},  // compared weakly
      {" *\t", true},
      {"\"x\", " + tag, true},
      {", ,\"x\" ,\t" + tag + " ,", true},
      {"\"x\", \"1a2b-17f0c3d2e4a5b6c7-gz\"", false},  // the other variant
      {"1a2b-17f0c3d2e4a5b6c7", false},                // unquoted
      {"w/" + tag, false},
      {"", false},
      {"\"x\" " + tag, false},  // not a list
      {tag + ", *", false},
      {tag + ", \"bad tag\"", false},  // a malformed list names nothing
      {"\"" + tag, false},
  };
  for (const auto& [ifNoneMatch, named] : cases) {
    SCOPED_TRACE(ifNoneMatch);
    EXPECT_EQ(namesEntityTag(ifNoneMatch, tag), named);
  }
}

TEST(HttpDate, WrittenOneWayAndReadInAllThree) {
  using namespace std::chrono;
  const sys_seconds now = sys_days(2026y / 12 / 10) + 12h;
  const sys_seconds time = sys_days(1994y / 11 / 6) + 8h + 49min + 37s;
  EXPECT_EQ(formatHttpDate(time), "Sun, 06 Nov 1994 08:49:37 GMT");
  EXPECT_EQ(formatHttpDate(sys_days(2028y / 2 / 29) + 23h + 59min + 59s),
            "Tue, 29 Feb 2028 23:59:59 GMT");
  const std::vector<std::pair<std::string, std::optional<sys_seconds>>> cases = {
      {"Sun, 06 Nov 1994 08:49:37 GMT", time},
      {" Sun, 06 Nov 1994 08:49:37 GMT\t", time},
      {"Sunday, 06-Nov-94 08:49:37 GMT", time},
      {"Sun Nov  6 08:49:37 1994", time},
      {"Thursday, 01-Jan-76 00:00:00 GMT", sys_days(2076y / 1 / 1)},  // at most 50 years on
      {"Friday, 01-Jan-77 00:00:00 GMT", sys_days(1977y / 1 / 1)},
      {"Sat, 31 Dec 2005 23:59:60 GMT", sys_days(2006y / 1 / 1)},  // a leap second
      {"Mon, 06 Nov 1994 08:49:37 GMT", time},                     // the day's name is not checked
      {"Sun, 06 Nov 1994 08:49:37 gmt", std::nullopt},
      {"sun, 06 Nov 1994 08:49:37 GMT", std::nullopt},
      {"Sun, 6 Nov 1994 08:49:37 GMT", std::nullopt},
      {"Sun, 06 Nov 1994 08:49:37", std::nullopt},
      {"Sun, 06 Nov 1994 08:49:37 GMT, Sun, 06 Nov 1994 08:49:37 GMT", std::nullopt},
      {"Sun, 31 Nov 1994 08:49:37 GMT", std::nullopt},
      {"Sun, 29 Feb 2026 08:49:37 GMT", std::nullopt},
      {"Sun, 06 Nov 1994 24:00:00 GMT", std::nullopt},
      {"Sun, 06 Nov 1994 08:60:00 GMT", std::nullopt},
      {"Sun, 06 Xyz 1994 08:49:37 GMT", std::nullopt},
      {"Sun Nov 6 08:49:37 1994", std::nullopt},
      {"1994-11-06T08:49:37Z", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(parseHttpDate(text, now), expected);
  }
}

TEST(RequestLog, OneLineWithNothingForged) {
  RequestLogLine line;
  line.time = std::chrono::system_clock::time_point(std::chrono::milliseconds(1796860800123));
  line.address = "127.0.0.1";
  line.method = "POST";
  line.path = "/a b\n\\";
  line.status = 200;
  line.duration = std::chrono::microseconds(1234);
  EXPECT_EQ(RequestLog::format(line),
            "2026-12-10T00:00:00.123Z 127.0.0.1 POST /a\\x20b\\x0A\\x5C 200 1.23ms\n");
  line.status = 0;
  line.path = "";
  EXPECT_TRUE(RequestLog::format(line).ends_with(" - - 1.23ms\n"));
}

TEST(LogSink, ALogNobodyReadsDropsAndCountsInsteadOfWaiting) {
  struct Kind {
    const char* name;
    std::function<bool(int fds[2])> make;
  };
  const std::vector<Kind> kinds = {
      {"pipe", [](int fds[2]) { return ::pipe(fds) == 0; }},
      {"stream socket", [](int fds[2]) { return ::socketpair(AF_UNIX, SOCK_STREAM, 0, fds) == 0; }},
  };
  const std::string line(99, 'x');
  for (const Kind& kind : kinds) {
    SCOPED_TRACE(kind.name);
    int fds[2];
    ASSERT_TRUE(kind.make(fds));
    {
      // fds[0] is the reading end.
      LogSink sink(fds[1]);
      int written = 0;
      for (; written < 100000 && sink.dropped() < 10; ++written) sink.writeLine(line + "\n");
      ASSERT_EQ(sink.dropped(), 10u);
      ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
      std::string read;
      char buffer[65536];
      for (ssize_t got; (got = ::read(fds[0], buffer, sizeof buffer)) > 0;) {
        read.append(buffer, static_cast<size_t>(got));
      }
      // Every line that went is whole; the rest is counted, and the count
      // comes before the next line.
      EXPECT_EQ(read.size(), (written - 10) * 100u);
      sink.writeLine("next\n");
      const ssize_t got = ::read(fds[0], buffer, sizeof buffer);
      EXPECT_EQ(std::string(buffer, static_cast<size_t>(std::max<ssize_t>(got, 0))),
                "brambletop-scored: 10 log lines dropped: standard error was not taking them\n"
                "next\n");
      EXPECT_EQ(sink.dropped(), 0u);
    }
    ::close(fds[0]);
    ::close(fds[1]);
  }
}

TEST(ServerOptions, DefaultsAndValues) {
  auto parsed = parseServerOptions({});
  ASSERT_TRUE(std::holds_alternative<ServerOptions>(parsed));
  EXPECT_EQ(std::get<ServerOptions>(parsed).host, "127.0.0.1");
  EXPECT_EQ(std::get<ServerOptions>(parsed).port, 8750);
  EXPECT_TRUE(std::get<ServerOptions>(parsed).database.empty());
  EXPECT_EQ(std::get<ServerOptions>(parsed).limits.maxConnectionsPerClient, 32u);
  EXPECT_EQ(std::get<ServerOptions>(parsed).databaseTimeoutSeconds, 3);
  EXPECT_TRUE(std::get<ServerOptions>(parsed).checkDatabase);

  parsed = parseServerOptions({"--listen", "[::1]:0", "--db=postgresql://h/db", "--quiet",
                               "--trusted-proxy", "10.0.0.1", "--trusted-proxy=::1",
                               "--max-connections", "2000", "--connections-per-address=0",
                               "--min-send-rate", "1024", "--db-timeout", "60", "--no-db-check"});
  ASSERT_TRUE(std::holds_alternative<ServerOptions>(parsed));
  const ServerOptions& o = std::get<ServerOptions>(parsed);
  EXPECT_EQ(o.host, "::1");
  EXPECT_EQ(o.port, 0);
  EXPECT_EQ(o.database, "postgresql://h/db");
  EXPECT_TRUE(o.quiet);
  EXPECT_EQ(o.trustedProxies, (std::vector<std::string>{"10.0.0.1", "::1"}));
  EXPECT_EQ(o.limits.maxConnections, 2000u);
  EXPECT_EQ(o.limits.maxConnectionsPerClient, 0u);
  EXPECT_EQ(o.limits.minSendRate, 1024u);
  EXPECT_EQ(o.databaseTimeoutSeconds, 60);
  EXPECT_FALSE(o.checkDatabase);
  EXPECT_FALSE(o.today);

  parsed = parseServerOptions({"--today", "2026-12-08"});
  ASSERT_TRUE(std::holds_alternative<ServerOptions>(parsed));
  EXPECT_EQ(puzzle::formatDate(*std::get<ServerOptions>(parsed).today), "2026-12-08");
  for (const char* bad : {"2026-02-30", "today", ""}) {
    SCOPED_TRACE(bad);
    EXPECT_TRUE(std::holds_alternative<OptionsError>(parseServerOptions({"--today", bad})));
  }
}

// A date the server's clock cannot hold is a mistake on the command line,
// not a list of other days: 0000-01-01 once listed days of 1753.
TEST(ServerOptions, TodayStaysWithinTheYearsTheClockHolds) {
  for (const char* outside : {"0000-01-01", "1677-12-31", "2262-01-01", "9999-12-31"}) {
    SCOPED_TRACE(outside);
    const auto parsed = parseServerOptions({"--today", outside});
    ASSERT_TRUE(std::holds_alternative<OptionsError>(parsed));
    EXPECT_EQ(std::get<OptionsError>(parsed).message,
              "--today needs a date YYYY-MM-DD from 1678-01-01 to 2261-12-31, not " +
                  std::string(outside));
  }
  for (const char* inside : {"1678-01-01", "1970-01-01", "2261-12-31"}) {
    SCOPED_TRACE(inside);
    const auto parsed = parseServerOptions({"--today", inside});
    ASSERT_TRUE(std::holds_alternative<ServerOptions>(parsed));
    const puzzle::CivilDate today = *std::get<ServerOptions>(parsed).today;
    const DailyPuzzles puzzles([noon = noonOf(today)] { return noon; });
    const std::vector<DailyPuzzles::Day> days = puzzles.recentDays();
    EXPECT_EQ(puzzle::formatDate(days.front().date), inside);
    EXPECT_EQ(puzzle::daysSinceEpoch(days.back().date),
              puzzle::daysSinceEpoch(today) - (kDailyDays - 1));
  }
}

TEST(CommitQueue, ConcurrentRecordsShareCommitsAndShareTheirFailure) {
  std::atomic<int> batches{0}, records{0};
  std::atomic<bool> fail{false};
  CommitQueue queue([&](const std::vector<ScoreRecord>& batch) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));  // a disk flush
    if (fail) throw StoreError("disk full");
    ++batches;
    records += static_cast<int>(batch.size());
  });
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 10; ++i) queue.record({"g", "N", i});
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_EQ(records, 80);
  EXPECT_LT(batches, 80);  // commits were grouped
  fail = true;
  EXPECT_THROW(queue.record({"g", "N", 1}), StoreError);
}

}  // namespace
}  // namespace bt::scored

#include "ScoresPage.h"

#include "game/LevelData.h"
#include "query/ScoreQuery.h"

namespace bt::scored {
namespace {

// The moves of the level's recorded solution (level from 1).
size_t parOf(int level) {
  return levelSolutions()[static_cast<size_t>(level - 1)].size();
}

// Names shown are checked as they come in, and ids are the server's own;
// the rest is escaped all the same.
std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

constexpr const char* kHead =
    "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
    "<title>Brambletop scores</title>\n"
    "<style>body{font-family:sans-serif;margin:1em auto;max-width:30em;padding:0 .5em}"
    "table{border-collapse:collapse;width:100%;margin-bottom:1.5em}"
    "th,td{text-align:left;padding:.2em .4em;border-bottom:1px solid #ccc}"
    "th.n,td.n{text-align:right}</style>\n</head>\n<body>\n";

void appendTopTen(std::string& page, const std::vector<ScoreEntry>& topTen) {
  page += "<h1>Brambletop scores</h1>\n<h2>Top ten</h2>\n";
  if (topTen.empty()) {
    page += "<p>No scores yet.</p>\n";
    return;
  }
  page += "<table>\n<tr><th class=\"n\">#</th><th>Name</th><th class=\"n\">Levels</th></tr>\n";
  size_t shown = 0;
  for (const ScoreEntry& entry : topTen) {
    if (shown == 10 || entry.score < 0 || !isScoreName(entry.name)) continue;
    page += "<tr><td class=\"n\">" + std::to_string(++shown) + "</td><td>" + escaped(entry.name) +
            "</td><td class=\"n\">" + std::to_string(entry.score) + "</td></tr>\n";
  }
  page += "</table>\n";
}

std::string cell(const std::string& text) {
  return "<td class=\"n\">" + text + "</td>";
}

// How many players reached each number of moves, fewest first, the par
// marked, and those past the rows shown in one more.
void appendTallies(std::string& page, const RecordsTable& records, int par) {
  page += "<table>\n<tr><th class=\"n\">Moves</th><th class=\"n\">Players</th></tr>\n";
  int64_t shown = 0;
  for (const MovesTally& tally : records.tallies) {
    page += "<tr>" + cell(std::to_string(tally.count) + (tally.count == par ? " (par)" : "")) +
            cell(std::to_string(tally.players)) + "</tr>\n";
    shown += tally.players;
  }
  if (records.players > shown) {
    page += "<tr>" + cell("more") + cell(std::to_string(records.players - shown)) + "</tr>\n";
  }
  page += "</table>\n";
}

void appendDaily(std::string& page, const DailyTable& table) {
  page += "<h2>" + escaped(table.day) + " puzzle, " + puzzle::formatDate(table.date) +
          "</h2>\n<p>" + escaped(table.id);
  if (table.par > 0) {
    page += ", par " + std::to_string(table.par) + (table.proven ? "" : " (the best found)");
  }
  page += "</p>\n";
  const RecordsTable& records = table.records;
  if (records.tallies.empty()) {
    page += "<p>No records yet.</p>\n";
    return;
  }
  appendTallies(page, records, table.par);
  page += "<p>First to " + std::to_string(records.tallies.front().count) + " moves:";
  const char* separator = " ";
  for (const std::string& name : records.firstToFewest) {
    if (!isScoreName(name)) continue;
    page += separator + escaped(name);
    separator = ", ";
  }
  page += ". " + std::to_string(records.players) + " solved it.</p>\n";
}

void appendLevels(std::string& page, const std::vector<LevelBest>& bests) {
  page +=
      "<h2>Every level</h2>\n<p>The fewest moves each level was solved in, how many players "
      "solved it in them and how many in more, and who reached them first.</p>\n<table>\n"
      "<tr><th class=\"n\">Level</th><th class=\"n\">Par</th><th class=\"n\">Fewest</th>"
      "<th class=\"n\">At it</th><th class=\"n\">More</th><th>First</th></tr>\n";
  size_t next = 0;
  for (int level = 1; level <= kLevelCount; ++level) {
    while (next < bests.size() && bests[next].level < level) ++next;
    page += "<tr>" + cell(std::to_string(level)) + cell(std::to_string(parOf(level)));
    if (next < bests.size() && bests[next].level == level) {
      const BestOf& best = bests[next].best;
      page += cell(std::to_string(best.count)) + cell(std::to_string(best.atBest)) +
              cell(std::to_string(best.players - best.atBest)) + "<td>" +
              (isScoreName(best.first) ? escaped(best.first) : "") + "</td></tr>\n";
    } else {
      page += cell("-") + cell("0") + cell("0") + "<td></td></tr>\n";
    }
  }
  page += "</table>\n";
}

}  // namespace

std::string renderScoresPage(const std::vector<ScoreEntry>& topTen,
                             const std::vector<DailyTable>& daily,
                             const std::vector<LevelBest>& bests) {
  std::string page = kHead;
  appendTopTen(page, topTen);
  for (const DailyTable& table : daily) appendDaily(page, table);
  appendLevels(page, bests);
  page += "</body>\n</html>\n";
  return page;
}

}  // namespace bt::scored

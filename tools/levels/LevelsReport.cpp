#include "levels/LevelsReport.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "levels/LevelCriteria.h"
#include "levels/LevelFiles.h"

namespace bt::levels {

namespace {

std::string secondsText(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", seconds);
  return text;
}

std::string shortestText(const DesignedLevel& level) {
  if (level.shortest) return "yes";
  return "no, >= " + std::to_string(level.provenAtLeast);
}

std::string curve(const DesignedLevel& d) {
  std::string bar(1, '`');
  bar.append((d.solution.size() + 1) / 2, '#');
  bar += '`';
  return bar;
}

std::string figuresRow(int number, const DesignedLevel& d, const LevelFigures& f,
                       int chapterMedian) {
  std::ostringstream row;
  const bool fixed = number <= 3;
  std::string role = fixed ? "fixed" : isBreather(number) ? "breather" : "";
  if (isBreather(number)) role += " (median " + std::to_string(chapterMedian) + ")";
  row << "| " << number << " | " << d.level.side << " | " << d.level.tiles.size() << " | "
      << colourText(d.level) << " | " << chapterOf(number) << (role.empty() ? "" : " " + role)
      << " | " << d.solution.size() << " | " << shortestText(d) << " | " << d.nodes << " | "
      << secondsText(d.seconds) << " | " << f.home << " (" << f.forcedHome << ") | " << f.soloBound
      << " | " << f.margin() << " (" << wantedMargin(f.par) << ") | " << f.pairBound << " | "
      << (fixed ? "" : std::to_string(d.attempts)) << " | " << curve(d) << " |\n";
  return row.str();
}

void writeIntro(std::ostream& out, const std::vector<DesignedLevel>& levels) {
  std::vector<std::string> larger;  // the proofs past solve's default budget
  for (size_t i = 0; i < levels.size(); ++i) {
    if (levels[i].nodes > kQuickSolveBudget) larger.push_back(std::to_string(i + 1));
  }
  out << "# Levels\n\n"
      << "The " << levels.size()
      << " built-in levels, written with `src/game/LevelData.cpp` and\n"
         "`src/game/LevelSolutions.cpp` by `brambletop-levels generate .` (tools/levels).\n"
         "`brambletop-levels print N` shows a level.\n\n";
  out << "A solution counts every key that changes the position: a cursor move that\n"
         "moves the cursor, and a turn. *Par* is the recorded solution's length;\n"
         "*proven* means the solver (IDA* on ring turns with a transposition table and\n"
         "a lower bound from exact tables for pairs and triples of markers, see the\n"
         "[level tools](tools.md#brambletop-levels)) proved that nothing shorter exists;\n"
         "otherwise *no, >= N* gives the length below which it proved there is no solution.\n"
         "*Nodes* and *time* are the solver's work on the level as `brambletop-levels\n"
         "solve N` repeats it";
  if (!larger.empty()) {
    out << " (with `--nodes " << kProofBudget << "`, the designer's budget, for the\n"
        << "proofs larger than its default: level" << (larger.size() > 1 ? "s " : " ");
    for (size_t i = 0; i < larger.size(); ++i) {
      out << (i == 0 ? "" : i + 1 == larger.size() ? " and " : ", ") << larger[i];
    }
    out << ")";
  }
  out << ";\nnodes are the same on every run, the time is measured (one core, at low\n"
         "priority on a shared machine).\n\n";
}

void writeHowMade(std::ostream& out) {
  out << "## How the levels are made\n\n"
         "Levels 1 to 3 are fixed. Every later level keeps its side and number of\n"
         "pairs (level 6: nine markers of colour 1; level 72: twenty-five of colour 3)\n"
         "and is the best of up to 48 candidates from a fixed seed: tiles laid out in\n"
         "one of a few patterns, markers scrambled off them by random turns until none\n"
         "stands on a tile of its colour. Each candidate is solved exactly within\n"
         "2,000,000 nodes; one whose proof needs more is passed over, so every par\n"
         "below is proven by a quick search (where no candidate fits, twelve more are\n"
         "tried within 10,000,000 nodes each, and where none of those proves either,\n"
         "up to 24 more with shorter scrambles: a turn fewer after each candidate the\n"
         "budget did not prove). *Candidates* counts those tried up to the last one\n"
         "the search solved.\n"
         "Where every candidate's par falls short of the window and the board is small\n"
         "enough to search whole (up to five pairs on side 5, four on side 6, three on\n"
         "sides 7 to 9), the designer does that instead: for each of up to 96 tile\n"
         "layouts, the exact distance of every position to a solution by breadth-first\n"
         "search; among a sample of 64 starts at the wanted par (or the deepest the\n"
         "layout has) it keeps the one with the largest margin, and *candidates* counts\n"
         "the layouts too.\n"
         "Level 72 is made the other way round. Its twenty-five markers of one colour\n"
         "leave no cell without a tile empty, which random turns reach only after\n"
         "scrambles too long to prove; so its solution comes first: a beam search finds\n"
         "short sequences of overlapping turns whose cycles (the paths the turns carry\n"
         "the markers along) can hold all twenty cells without a tile, no two in a row;\n"
         "the tiles go on the other cells and the markers where the turns bring them\n"
         "onto tiles. The longest sequences are screened first, each solved exactly\n"
         "within 10,000,000 nodes; the first whose proven par is the highest that a\n"
         "breather of chapter 12 may have (3 keys and a fifth below the median of the\n"
         "chapter's other levels; level 72 itself counts among them) and whose margin\n"
         "is wide enough is kept.\n"
         "With `--cache FOLDER`, `generate` keeps each finished level there and a\n"
         "later run resumes after it (the repository's cache is `tools/levels/cache`).\n\n"
         "## Criteria\n\n"
      << "Every level from 4 on meets these, and `BuiltInLevelsTest` checks them:\n\n";
  out << "1. **No marker starts at home**: *home* counts the markers that start on a\n"
         "   tile of their own colour, against (in brackets) the fewest that the layout\n"
         "   forces: nonzero only where one colour has more pairs than the cells that\n"
         "   are not its tiles (level 72: 25 markers of one colour on 45 cells).\n"
         "2. **An interlock**: the *solo bound* is what the markers need if each went\n"
         "   home on its own: the larger of (i) the most keys any one marker needs alone\n"
         "   on the board (cursor moves from the start and turns, by breadth-first\n"
         "   search) and (ii) the most turns any one marker needs, or an eighth of all\n"
         "   their turns, plus the cursor moves that bring every misplaced marker into\n"
         "   the ring once. Both are lower bounds. The *margin* par - solo bound is what\n"
         "   the markers' getting in each other's way costs; it is at least 2 keys and\n"
         "   a tenth of par (wanted margin in brackets). *Pair bound* is the solver's\n"
         "   bound from pairs and triples of markers, for comparison.\n"
         "3. **A rising curve with breathers**: the levels come in chapters of six;\n"
         "   the sixth of each chapter (6, 12, ..., 66) is a breather, the others are\n"
         "   ordinary (the fixed levels 1 to 3 take no part). The designer aims the\n"
         "   ordinary levels of chapter k at par 13 + k; the median par of the ordinary\n"
         "   levels never falls from one chapter to the next and rises by at least 10\n"
         "   from the first chapter to the last; a breather's par is below its chapter's\n"
         "   median by at least 3 keys and a fifth of the median. Breathers with nine\n"
         "   pairs or more use three or four colours. Two exceptions: level 6, nine\n"
         "   markers of one colour, cannot be that easy with every marker off its\n"
         "   tile: it is the easiest candidate found. Chapter 11's median falls one\n"
         "   key below chapter 10's: its levels 63 and 65 are side 5 with five pairs,\n"
         "   where the whole search found no start deeper than 22 in 96 layouts, and\n"
         "   level 61, sixteen pairs on side 6, proved no deeper than 20 within the\n"
         "   designer's budgets.\n"
         "4. **No two levels alike**: no level is another turned or mirrored (the eight\n"
         "   symmetries of the cut square), with its colours renamed or not.\n"
         "5. **Par proven**: the *proven* column.\n\n";
}

}  // namespace

std::vector<int> chapterMedians(const std::vector<int>& pars) {
  std::vector<int> medians;
  for (int chapter = 1; chapter <= chapterOf(static_cast<int>(pars.size())); ++chapter) {
    std::vector<int> ordinary;
    for (int n = std::max(4, (chapter - 1) * 6 + 1); n <= std::min<int>(chapter * 6, pars.size());
         ++n) {
      if (!isBreather(n)) ordinary.push_back(pars[n - 1]);
    }
    medians.push_back(medianOf(ordinary));
  }
  return medians;
}

std::string levelsReport(const std::vector<DesignedLevel>& levels) {
  std::vector<int> pars;
  for (const DesignedLevel& d : levels) pars.push_back(static_cast<int>(d.solution.size()));
  const std::vector<int> medians = chapterMedians(pars);
  std::ostringstream out;
  writeIntro(out, levels);
  writeHowMade(out);
  out << "Chapter medians of the ordinary levels:";
  for (size_t k = 0; k < medians.size(); ++k) out << (k ? ", " : " ") << medians[k];
  out << ".\n\n";
  out << "| Level | Side | Pairs | Colours | Chapter | Par | Proven | Nodes | Time (s) | "
         "Home (forced) | Solo bound | Margin (wanted) | Pair bound | Candidates | Curve |\n"
         "|---:|---:|---:|---|---|---:|---|---:|---:|---:|---:|---:|---:|---:|---|\n";
  for (size_t i = 0; i < levels.size(); ++i) {
    const int number = static_cast<int>(i + 1);
    const LevelFigures f = measureLevel(levels[i].level, pars[i]);
    out << figuresRow(number, levels[i], f, medians[chapterOf(number) - 1]);
  }
  return out.str();
}

}  // namespace bt::levels

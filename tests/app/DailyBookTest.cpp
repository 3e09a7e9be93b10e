// The daily bests in "daily.dat": what a solve keeps, what is still to send,
// and the file read back (damaged and unreadable files: PlayerFilesTest).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/DailyBook.h"

namespace bt::test {
namespace {

// Side 5, one marker a clockwise turn of the first ring from its tile: ">"
// solves it, and so do seven turns the other way.
const Level kPuzzle{5, {{2, 1, 1}}, {{3, 1, 1}}};

TEST(DailyBook, KeepsTheFewestMovesThatSolveTheDaysPuzzle) {
  DailyBook book;
  EXPECT_FALSE(book.noteSolve("2026-12-07", "5c1p1e-00000", kPuzzle, 1, "<", false));  // no solve
  EXPECT_FALSE(book.noteSolve("2026-12-7", "5c1p1e-00000", kPuzzle, 1, ">", false));   // no date
  EXPECT_EQ(book.day("2026-12-07"), nullptr);

  EXPECT_TRUE(book.noteSolve("2026-12-07", "5c1p1e-00000", kPuzzle, 1, "<<<<<<<", false));
  EXPECT_TRUE(book.noteSolve("2026-12-07", "5c1p1e-00000", kPuzzle, 1, "DU>", false));
  EXPECT_FALSE(book.noteSolve("2026-12-07", "5c1p1e-00000", kPuzzle, 1, "DDUU>", false));
  // A hinted solve is noted, but never a best.
  EXPECT_TRUE(book.noteSolve("2026-12-07", "5c1p1e-00000", kPuzzle, 1, ">", true));
  const DailyBest* day = book.day("2026-12-07");
  ASSERT_NE(day, nullptr);
  EXPECT_EQ(day->moves, "DU>");
  EXPECT_EQ(day->best(), 3);
  EXPECT_EQ(day->par, 1);
  EXPECT_TRUE(day->hinted);
  // A day with only a hinted solve has no best to send.
  EXPECT_TRUE(book.noteSolve("2026-12-06", "5c1p1e-11111", kPuzzle, 1, ">", true));
  EXPECT_FALSE(book.day("2026-12-06")->solved);
  EXPECT_TRUE(book.noteSolve("2026-12-08", "5c1p1e-22222", kPuzzle, 1, ">", false));
  ASSERT_EQ(book.days().size(), 3u);
  EXPECT_EQ(book.days().front().date, "2026-12-06");  // kept in order
}

TEST(DailyBook, ListsTheBestsNotSentUntilTheServerTookThem) {
  DailyBook book;
  book.noteSolve("2026-12-07", "5c1p1e-00000", kPuzzle, 1, "DU>", false);
  book.noteSolve("2026-12-08", "5c1p1e-22222", kPuzzle, 1, ">", false);
  std::vector<DailyBest> unsent = book.unsent();
  ASSERT_EQ(unsent.size(), 2u);
  EXPECT_EQ(unsent[0].id, "5c1p1e-00000");
  EXPECT_EQ(unsent[0].moves, "DU>");
  EXPECT_FALSE(book.markSent("2026-12-07", ">"));  // not the best kept
  EXPECT_TRUE(book.markSent("2026-12-07", "DU>"));
  EXPECT_FALSE(book.markSent("2026-12-07", "DU>"));
  ASSERT_EQ(book.unsent().size(), 1u);
  EXPECT_EQ(book.unsent()[0].date, "2026-12-08");
  // A better solve is to be sent again.
  EXPECT_TRUE(book.noteSolve("2026-12-07", "5c1p1e-00000", kPuzzle, 1, ">", false));
  EXPECT_EQ(book.unsent().size(), 2u);
  // And the marks survive the file.
  book.markSent("2026-12-08", ">");
  const auto back = DailyBook::decode(book.encode());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->days(), book.days());
  EXPECT_EQ(back->unsent().size(), 1u);
}

TEST(DailyBook, KeepsTheLatestDaysOnly) {
  DailyBook book;
  for (size_t day = 0; day <= DailyBook::kMostDays; ++day) {
    const int month = 1 + static_cast<int>(day / 28) % 12,
              year = 2026 + static_cast<int>(day / 336);
    char date[11];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, 1 + static_cast<int>(day % 28));
    book.noteSolve(date, "5c1p1e-00000", kPuzzle, 1, ">", false);
  }
  EXPECT_EQ(book.days().size(), DailyBook::kMostDays);
  EXPECT_EQ(book.days().front().date, "2026-01-02");
  EXPECT_TRUE(DailyBook::decode(book.encode()));
}

}  // namespace
}  // namespace bt::test

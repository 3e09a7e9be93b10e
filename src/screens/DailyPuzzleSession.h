#pragma once
// The day's puzzle: a puzzle session whose solves go to the player's book
// of daily bests ("daily.dat"), whose lines name the day and show its best,
// and which returns to the level select's "daily" entry.
#include <string>

#include "game/PuzzleId.h"
#include "screens/PuzzleSession.h"

namespace bt {

class DailyPuzzleSession : public PuzzleSession {
 public:
  struct Day {
    puzzle::PuzzleSpec spec;
    std::string date;  // "YYYY-MM-DD" (UTC)
  };
  // Today's puzzle, by the platform's clock in UTC.
  static Day today(Application& app);

  DailyPuzzleSession(Application& app, Day day);
  const std::string& date() const { return date_; }

 protected:
  std::string title() const override;
  std::string resultName() const override;
  std::optional<int> best() const override;
  void noteSolve(const puzzle::GeneratedPuzzle& made, const SolvedLevel& solve) override;
  ScreenRequest back() const override;

 private:
  const std::string date_;
};

}  // namespace bt

#include "screens/DailyPuzzleSession.h"

#include "app/Application.h"
#include "game/DailyPuzzle.h"
#include "screens/PuzzleEntries.h"

namespace bt {

DailyPuzzleSession::Day DailyPuzzleSession::today(Application& app) {
  const puzzle::CivilDate today = puzzle::dateOfDay(app.platform().utcDay());
  return {puzzle::dailyPuzzle(today), puzzle::formatDate(today)};
}

DailyPuzzleSession::DailyPuzzleSession(Application& app, Day day)
    : PuzzleSession(app, day.spec), date_(std::move(day.date)) {}

std::string DailyPuzzleSession::title() const {
  return "Daily " + date_;
}

std::string DailyPuzzleSession::resultName() const {
  return "daily " + date_;
}

std::optional<int> DailyPuzzleSession::best() const {
  const DailyBest* day = app().player().daily().day(date_);
  if (day == nullptr || !day->solved) return std::nullopt;
  return day->best();
}

void DailyPuzzleSession::noteSolve(const puzzle::GeneratedPuzzle& made, const SolvedLevel& solve) {
  if (app().player().daily().noteSolve(date_, id(), made.level, made.par, solve.moves,
                                       solve.hintUsed)) {
    app().player().writeDaily();
  }
}

ScreenRequest DailyPuzzleSession::back() const {
  return ScreenRequest::levelSelect(PuzzleEntries::kDaily);
}

}  // namespace bt

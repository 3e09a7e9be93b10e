#pragma once
// How a score exchange meets the local table: the highlighted row is what a
// submission sends, and a reply's pairs fill the table from the bottom.
#include <optional>

#include "app/ScoreTable.h"
#include "net/HighScoreClient.h"
#include "net/ScoreReply.h"

namespace bt {

class PlayerData;

// The highlighted row as a submission; nullopt (a fetch) when no row is.
std::optional<ScoreSubmission> submissionFrom(const ScoreTable& table);
// The highlighted row of the application's table as a submission, with the
// proof of its score from "proof.dat" (GameProofFile) when that holds the
// levels it needs; nullopt (a fetch) when no row is.
std::optional<ScoreSubmission> provenSubmission(PlayerData& player);

// Writes the reply's pairs into entries 9, 8, ...; entries the reply does not
// reach keep their content. Only rows that could be true are taken (a score
// from 0 to the number of levels, a name of 1 to 15 of A-Z 0-9): the first
// that could not ends the reply, so a reply without one changes nothing.
void applyScoreReply(const ScoreReply& reply, ScoreTable& table);

// Takes the reply of the client's completed exchange into the table and
// clears the highlight, so that the next exchange fetches; false when there
// was none.
bool applyReceived(HighScoreClient& client, ScoreTable& table);

}  // namespace bt

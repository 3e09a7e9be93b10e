#pragma once
// How a score exchange of the online score screen carries the records:
// after its own request it sends the player's personal records that the
// score server has not settled yet, under the name typed last on the score
// table, and fetches each level's world best. What came back marks the
// settled records sent in "records.dat" (a record the server took or
// refused for good is not sent again; one without an answer goes next
// time) and replaces "worldbests.dat", which the level select shows.
#include "net/ExchangeExtras.h"

namespace bt {

class Application;

// The unsent records, levels in order, when the score table's last
// initials are a name the server keeps (else none, until they are); the
// world's bests always.
ExchangeExtras recordExtras(const Application& app);
// Takes the outcome of an exchange that sent `sent`. Records of puzzles
// (puzzleRecord: the daily puzzle's best, kept apart from "records.dat") may
// stand among them; their outcomes are left to whoever keeps them.
void takeRecordsOutcome(Application& app, const ExchangeExtras& sent, const ExtrasOutcome& outcome);

}  // namespace bt

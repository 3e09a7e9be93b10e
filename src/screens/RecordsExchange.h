#pragma once
// How a score exchange of the online score screen carries the records:
// after its own request it sends the player's personal records that the
// score server has not settled yet (the levels' and the daily puzzles'),
// under the name typed last on the score table, and fetches each level's
// world best. What came back marks the settled records sent in
// "records.dat" and "daily.dat" (a record the server took or refused for
// good is not sent again; one without an answer goes next time) and
// replaces "worldbests.dat", which the level select shows.
#include "net/ExchangeExtras.h"

namespace bt {

class PlayerData;

// The unsent records, the daily puzzles' bests first (oldest first), then
// the levels' in order, when the score table's last initials are a name
// the server keeps (else none, until they are); the world's bests always.
ExchangeExtras recordExtras(const PlayerData& player);
// Takes the outcome of an exchange that sent `sent`: the levels' records
// settled are marked in "records.dat", the daily puzzles' in "daily.dat".
// The world's bests fetched replace "worldbests.dat", but only those that
// could be true (a level of the game, no fewer moves than its proven par);
// a reply without one leaves the file as it was.
void takeRecordsOutcome(PlayerData& player, const ExchangeExtras& sent,
                        const ExtrasOutcome& outcome);

}  // namespace bt

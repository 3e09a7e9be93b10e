#pragma once
// brambletop --records: the personal records as text, one line per reached
// level ("LEVEL BEST PAR", BEST "-" while unsolved), then a summary line.
#include <string>

#include "app/RecordBook.h"

namespace bt {

std::string recordsReport(const RecordBook& records);

}  // namespace bt

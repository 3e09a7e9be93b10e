#pragma once
// docs/levels.md: the table of levels for people, each level's par, proof
// and figures against the published criteria (LevelCriteria.h).
#include <string>
#include <vector>

#include "levels/LevelDesigner.h"

namespace bt::levels {

// The report on all the levels, level 1 first.
std::string levelsReport(const std::vector<DesignedLevel>& levels);

// The median par of each chapter's ordinary levels (LevelCriteria.h), the
// first chapter first; `pars` holds each level's par, level 1 first.
std::vector<int> chapterMedians(const std::vector<int>& pars);

}  // namespace bt::levels

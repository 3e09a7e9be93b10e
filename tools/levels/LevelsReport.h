#pragma once
// docs/levels.md: the table of levels for people, each level's par, proof
// and figures against the published criteria (LevelCriteria.h).
#include <string>
#include <vector>

#include "levels/LevelDesigner.h"

namespace bt::levels {

// The report on all the levels, level 1 first. The first `redesigned` of
// them come from the designer; the rest are still the first design
// (FirstDesign.h) and get a table of their own.
std::string levelsReport(const std::vector<DesignedLevel>& levels, size_t redesigned);

// The median par of each chapter's ordinary levels (LevelCriteria.h), the
// first chapter first; `pars` holds each level's par, level 1 first.
std::vector<int> chapterMedians(const std::vector<int>& pars);

}  // namespace bt::levels

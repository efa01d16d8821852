#pragma once
// The project's connector schedule: remark lines and the entries, each entry a list of
// texts as the project file stores it.

#include <string>
#include <vector>

namespace vsk {

class TKStueckliste {
public:
    using Eintrag = std::vector<std::string>;

    std::vector<std::string> TBemerkung; // supplementary remark lines
    std::vector<Eintrag> Eintraege;      // numbered from 1 by the schedule's users
};

} // namespace vsk

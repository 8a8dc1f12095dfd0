// SPDX-License-Identifier: MIT
#include "cli/roster_json.h"

#include "cli/json_text.h"

namespace cli {

QByteArray rosterJson(const roster::Roster &roster)
{
    QByteArray out = "[\n";
    for (std::size_t k = 0; k < roster.size(); ++k) {
        const roster::RosterEntry &entry = roster[k];
        out += "  {\"name\": " + jsonString(entry.name) + ", \"year\": " + jsonString(entry.year)
            + ", \"month\": " + jsonString(entry.month) + ", \"day\": " + jsonString(entry.day)
            + (k + 1 < roster.size() ? "},\n" : "}\n");
    }
    out += "]\n";
    return out;
}

} // namespace cli

// SPDX-License-Identifier: MIT
#pragma once

#include "roster/roster_file.h"

#include <QByteArray>

namespace cli {

/// The ten entries as a JSON array of {"name", "year", "month", "day"}, texts as stored,
/// one entry a line, UTF-8, ending in a line end.
QByteArray rosterJson(const roster::Roster &roster);

} // namespace cli

// Vardeln — MIT licence, see LICENSE.
#pragma once

namespace vardeln {

/// Which definitions a conversion follows: the legacy tables' rules (the start, and all the
/// window offers), or today's definitions, by which the typed decimal is converted exactly and
/// rounded once.
enum class Definitions { LegacyTables, Today };

}  // namespace vardeln

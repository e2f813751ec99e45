// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "converter.h"

namespace vardeln {

/// The conversion on screen as a page address, "#length/1/Feet/Meters": the category's id,
/// the number in the converter's own form (a link reads the same under every number style),
/// and both units' labels, each percent-encoded as a browser's
/// encodeURIComponent does, so that a blank, a slash or a letter outside ASCII survives. A
/// conversion by today's definitions leads with "today/" ("#today/length/1/Feet/Meters").
std::string linkOf(const Converter& converter);

/// The length of the longest address linkOf writes (without its "#"): the longest category
/// id, a number of Converter::kLongestNumber code units encoded at their longest, two of the
/// longest labels and their slashes.
std::size_t longestLink();

/// Opens the conversion an address names, by today's definitions where it leads with "today/"
/// and by the legacy tables otherwise. Names match as the command line matches them: a
/// name exactly, else the one name equal to it ignoring case. A label whose slash was left
/// unencoded is found all the same. An address that names nothing the converter knows opens
/// the start's conversion and says in the note what it could not find; an empty address
/// opens the start. An address longer than longestLink() is refused whole, with a note, and
/// any other is read in time proportional to its length.
unsigned followLink(Converter& converter, std::string_view address);

}  // namespace vardeln

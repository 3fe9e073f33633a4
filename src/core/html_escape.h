// Text made safe for HTML: what the exported fragments and the maker's pages take from data.
#pragma once

#include <string>
#include <string_view>

namespace zak {

// Text made safe inside an element or a quoted attribute: & < > " become entities. Data from
// the network passes through here, so a hostile service cannot put markup into a user's page.
std::string HtmlEscape(std::string_view text);

}  // namespace zak

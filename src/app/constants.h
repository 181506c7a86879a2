#pragma once

#include "text/text.h"

namespace hotlist {

// Scheme and host of the aggregator, no trailing slash; prefix of page URLs and article links.
Text aggregatorBaseUrl();
// The community invitation page opened when the window is created.
Text communityPageUrl();

inline constexpr char kHotArticlesPath[] = "/n/WnBe01o371";
inline constexpr char kHotWordsPath[] = "/n/j8Rv21noLw";
inline constexpr char kVideosPath[] = "/n/W1VdJPZoLQ";

// One match per article row of the hot-list table: link path, title, readers figure.
inline constexpr char kExtractionPattern[] =
    R"re(<td class="al"><a href="([\s\S]*?)" target="_blank" rel="[\s\S]*?" itemid="[\s\S]*?">([\s\S]*?)</a></td>[\s\S]*?<td>([\s\S]*?)</td>)re";

inline constexpr int kCollectionPeriodMs = 300000;

}  // namespace hotlist

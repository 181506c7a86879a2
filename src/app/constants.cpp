#include "app/constants.h"

namespace hotlist {

Text aggregatorBaseUrl() {
    return HOTLIST_AGGREGATOR_BASE_URL;
}

Text communityPageUrl() {
    return HOTLIST_COMMUNITY_PAGE_URL;
}

}  // namespace hotlist

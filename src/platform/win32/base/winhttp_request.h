#pragma once

#include <memory>

#include "web/http_request_object.h"

namespace hotlist {

// Request objects of the system's HTTP service (ProgID WinHttp.WinHttpRequest.5.1), driven
// late-bound. COM must be initialised on the calling thread.
class WinHttpRequestFactory final : public HttpRequestFactory {
  public:
    std::shared_ptr<HttpRequestObject> create() override;
};

}  // namespace hotlist

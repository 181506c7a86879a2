#pragma once

#include <curl/curl.h>

#include <memory>
#include <string>

namespace hotlist {

struct EasyCleanup {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct HeaderListFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

using EasyHandle = std::unique_ptr<CURL, EasyCleanup>;
using HeaderList = std::unique_ptr<curl_slist, HeaderListFree>;

// A fresh easy handle, null when libcurl is not ready or out of memory.
EasyHandle makeEasyHandle();

// Appends one line to the list; false (the list unchanged) when out of memory.
bool appendHeaderLine(HeaderList& list, const std::string& line);

}  // namespace hotlist

#include "text/text.h"

#include <cstring>

#include "text/fatal_stop.h"
#include "text_texts.h"

namespace hotlist {

Text::Text(const char* cString) {
    if (cString != nullptr) {
        bytes_.assign(cString, std::strlen(cString));
    }
}

Text::Text(std::string_view bytes) : bytes_(bytes.substr(0, bytes.find('\0'))) {}

Text::Text(std::string&& bytes) : bytes_(std::move(bytes)) {
    if (const std::size_t zero = bytes_.find('\0'); zero != std::string::npos) {
        bytes_.resize(zero);
    }
}

Bytes::Bytes(std::string_view bytes) : bytes_(bytes.begin(), bytes.end()) {}

Bytes::Bytes(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

namespace {

void checkIndex(int index, int count) {
    if (index < 1) {
        fatalStop(4, texts::indexBelowOne);
    }
    if (index > count) {
        fatalStop(1, texts::indexBeyondCount);
    }
}

}  // namespace

const Text& TextArray::at(int index) const {
    checkIndex(index, count());
    return elements_[static_cast<std::size_t>(index - 1)];
}

Text& TextArray::at(int index) {
    checkIndex(index, count());
    return elements_[static_cast<std::size_t>(index - 1)];
}

}  // namespace hotlist

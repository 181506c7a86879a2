#include <cstddef>
#include <string_view>

#include "text/allocation_guard.h"
#include "text/text.h"
#include "text/text_walk.h"

namespace hotlist {

// Pieces between separators, matched byte for byte at character starts. Two separators in
// a row give an empty piece; a final separator gives no empty last piece.
TextArray splitText(const Text& text, const Text& separator) {
    const std::string_view bytes = text.view();
    const std::string_view cut = separator.view();
    TextArray pieces;
    if (bytes.empty()) {
        return pieces;
    }
    auto appendPiece = [&](std::string_view piece) {
        guardAllocation(piece.size(), [&] { pieces.append(Text(piece)); });
    };
    if (cut.empty()) {
        appendPiece(bytes);
        return pieces;
    }
    std::size_t pieceStart = 0;
    std::size_t at = 0;
    while (bytes.size() - at >= cut.size()) {
        if (walk::matchesAt(bytes, at, cut, false)) {
            appendPiece(bytes.substr(pieceStart, at - pieceStart));
            at += cut.size();
            pieceStart = at;
        } else {
            at += walk::charWidth(bytes, at);
        }
    }
    if (pieceStart < bytes.size()) {
        appendPiece(bytes.substr(pieceStart));
    }
    return pieces;
}

}  // namespace hotlist

// ArticleKeys: the keys that the articles of one import have taken so far, so that a second
// article with the same code, EAN or alternative code is refused before either is written (the
// database check cannot see rows that are still waiting for their batch).
#pragma once

#include <set>
#include <string>

#include "ArticleInput.h"

namespace orvelmag {

// Codes (own and type-0 alternative) and barcodes (EANs and the other alternative codes) live in
// separate sets, as the article lookups keep them apart.
class ArticleKeys {
public:
    // The reason the article's keys clash with one claimed before, or empty.
    std::string Clash(const ArticleInput& input) const;
    void Claim(const ArticleInput& input);

private:
    std::set<std::string> m_codes;     // own codes and type-0 alternative codes
    std::set<std::string> m_barcodes;  // EANs and barcode-like alternative codes
};

}  // namespace orvelmag

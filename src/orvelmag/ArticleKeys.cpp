// The keys taken by the articles of one import.
#include "ArticleKeys.h"

namespace orvelmag {

std::string ArticleKeys::Clash(const ArticleInput& input) const
{
    if (m_codes.count(input.code) != 0)
        return "the code " + input.code + " was already taken by an earlier row";
    if (!input.ean.empty() && m_barcodes.count(input.ean) != 0)
        return "the EAN " + input.ean + " was already taken by an earlier row";
    for (const auto& [code, type] : input.altCodes)
        if ((type == 0 ? m_codes : m_barcodes).count(code) != 0)
            return "the alternative code " + code + " was already taken by an earlier row";
    return {};
}

void ArticleKeys::Claim(const ArticleInput& input)
{
    m_codes.insert(input.code);
    if (!input.ean.empty())
        m_barcodes.insert(input.ean);
    for (const auto& [code, type] : input.altCodes)
        (type == 0 ? m_codes : m_barcodes).insert(code);
}

}  // namespace orvelmag

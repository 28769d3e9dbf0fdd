// ArticleBatchWriter: writes the checked rows of an article import, a batch to a transaction.
// When the database still refuses one article of a batch (a rule of its own, a row that another
// program added meanwhile), the whole batch is rolled back and written again row by row, each
// article with what it owns in a transaction of its own, so that only the refused row is lost.
// While it lives, the library's error boxes are collected as the reason of the refused row
// instead of being printed; the host's reporter is put back when it goes.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "ArticleInput.h"

class CDatabase;

namespace orvelmag {

// One checked row of the file, waiting for its batch.
struct ArticleRow {
    long line;
    ArticleInput input;
};

class ArticleBatchWriter {
public:
    ArticleBatchWriter(CDatabase& db, std::ostream& out);
    ~ArticleBatchWriter();
    ArticleBatchWriter(const ArticleBatchWriter&) = delete;
    ArticleBatchWriter& operator=(const ArticleBatchWriter&) = delete;

    // Writes the rows and empties the list.
    void Write(std::vector<ArticleRow>& rows);
    // Reports a row that was not written: "line N: reason".
    void Refuse(long line, const std::string& reason);

    long Added() const { return m_added; }
    long Refused() const { return m_refused; }

private:
    // Every row in one transaction; false, rolled back, when any of them was refused.
    bool WriteAll(const std::vector<ArticleRow>& rows);
    // One row in its own transaction; false with the reason when it was refused.
    bool WriteOne(const ArticleRow& row, std::string& reason);
    // Writes one article and what it owns; the reason when the database refused it, else empty.
    std::string WriteRow(const ArticleRow& row);

    CDatabase& m_db;
    std::ostream& m_out;
    std::string m_messages;
    long m_added = 0;
    long m_refused = 0;
};

}  // namespace orvelmag

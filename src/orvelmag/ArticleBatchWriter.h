// ArticleBatchWriter: writes the rows of an article import, a batch to a transaction. Each
// transaction takes the articles' writer lock and checks every row against the database before
// writing it (the code, EAN and alternative codes must not reach another article; VAT code,
// category and suppliers must exist), so that concurrent imports and "article add" cannot give a
// key to two articles. A row the checks refuse is reported and left out of its batch; when the
// database itself refuses a row (a rule of its own, a unique index), the whole batch is rolled
// back and written again row by row, each article with what it owns in a transaction of its own,
// so that only the refused row is lost. A failure that ends the transaction or the connection (a
// full disk, a lost connection) stops the writer with DatabaseFailure: what it counts as added
// is then exactly what was committed. While it lives, the library's error boxes are collected as
// the reason of the refused row instead of being printed.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "ArticleInput.h"

class CDatabase;
class CDBException;

namespace orvelmag {

// One row of the file that passed the checks needing no database, waiting for its batch.
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

    // Writes the rows and empties the list. Throws DatabaseFailure when the database failed;
    // the batch in progress is then rolled back and not counted.
    void Write(std::vector<ArticleRow>& rows);
    // Reports a row that was not written: "line N: reason".
    void Refuse(long line, const std::string& reason);

    long Added() const { return m_added; }
    long Refused() const { return m_refused; }

private:
    struct Refusal {
        long line;
        std::string reason;
    };
    // Every row in one transaction, those the checks refuse left out; false, rolled back, when
    // the database refused a row.
    bool WriteAll(const std::vector<ArticleRow>& rows);
    // One row in its own transaction, reported when refused.
    void WriteOne(const ArticleRow& row);
    // Checks the row against the database: the reason it is refused, or empty. A database error
    // that kept the check from answering is thrown on.
    std::string Check(const ArticleRow& row);
    // Writes one article and what it owns: the reason the database refused it, or empty.
    std::string WriteRow(const ArticleRow& row);
    // The reason of a database error that did not end the transaction; DatabaseFailure when it did.
    std::string Reason(const CDBException& e);

    CDatabase& m_db;
    std::ostream& m_out;
    std::string m_messages;
    long m_added = 0;
    long m_refused = 0;
};

}  // namespace orvelmag

// Writing the rows of an article import in batches, each checked inside its own transaction.
#include "ArticleBatchWriter.h"

#include <ostream>

#include "Cli.h"
#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "orveldblib/TransactionGuard.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"

namespace orvelmag {

ArticleBatchWriter::ArticleBatchWriter(CDatabase& db, std::ostream& out) : m_db(db), m_out(out)
{
    CollectErrorsInto(&m_messages);
}

ArticleBatchWriter::~ArticleBatchWriter()
{
    CollectErrorsInto(nullptr);
}

void ArticleBatchWriter::Write(std::vector<ArticleRow>& rows)
{
    if (rows.empty())
        return;
    if (!WriteAll(rows))
        for (const ArticleRow& row : rows)
            WriteOne(row);
    rows.clear();
}

void ArticleBatchWriter::Refuse(long line, const std::string& reason)
{
    ++m_refused;
    m_out << "line " << line << ": " << reason << "\n";
}

bool ArticleBatchWriter::WriteAll(const std::vector<ArticleRow>& rows)
{
    std::vector<Refusal> refusals;
    try {
        CTransactionGuard transaction(m_db, kArticleWriterLock);
        for (const ArticleRow& row : rows) {
            if (std::string reason = Check(row); !reason.empty()) {
                refusals.push_back({row.line, reason});
                continue;
            }
            if (!WriteRow(row).empty())
                return false;
        }
        transaction.Commit();
    } catch (const DatabaseError&) {
        return false;
    } catch (const CDBException& e) {
        Reason(e);
        return false;
    }
    m_added += static_cast<long>(rows.size() - refusals.size());
    for (const Refusal& r : refusals)
        Refuse(r.line, r.reason);
    return true;
}

void ArticleBatchWriter::WriteOne(const ArticleRow& row)
{
    std::string reason;
    try {
        CTransactionGuard transaction(m_db, kArticleWriterLock);
        reason = Check(row);
        if (reason.empty())
            reason = WriteRow(row);
        if (reason.empty()) {
            transaction.Commit();
            ++m_added;
            return;
        }
    } catch (const DatabaseError&) {
        reason = m_messages.empty() ? "the database could not check the article" : m_messages;
    } catch (const CDBException& e) {
        reason = Reason(e);
    }
    Refuse(row.line, reason);
}

std::string ArticleBatchWriter::Check(const ArticleRow& row)
{
    m_messages.clear();
    try {
        CheckArticleAgainstDatabase(m_db, row.input);
        return {};
    } catch (const InputError& e) {
        return e.message;
    }
}

std::string ArticleBatchWriter::WriteRow(const ArticleRow& row)
{
    m_messages.clear();
    try {
        CDomainArticolo article(&m_db);
        FillArticle(row.input, article);
        if (SaveNewArticle(article))
            return {};
        StopIfFailed(m_db);
        return m_messages.empty() ? "the database refused the article" : m_messages;
    } catch (const InputError& e) {
        return e.message;
    } catch (const DatabaseError&) {
        return m_messages.empty() ? "the database refused the article" : m_messages;
    } catch (const CDBException& e) {
        return Reason(e);
    }
}

std::string ArticleBatchWriter::Reason(const CDBException& e)
{
    if (e.IsFatal() || m_db.HasFailed())
        throw DatabaseFailure{m_db.HasFailed() ? std::string(m_db.GetFailure().GetString()) : FailureWords(e)};
    return e.what();
}

}  // namespace orvelmag

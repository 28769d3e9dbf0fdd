// Writing the checked rows of an article import in batches.
#include "ArticleBatchWriter.h"

#include <exception>
#include <ostream>

#include "Cli.h"
#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "orveldblib/DomainClass.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"

namespace orvelmag {

ArticleBatchWriter::ArticleBatchWriter(CDatabase& db, std::ostream& out) : m_db(db), m_out(out)
{
    CDomainClass::SetMessageHandler([this](const CString& text, UINT, UINT) {
        CString line(text);
        line.Replace('\n', ' ');
        if (!m_messages.empty())
            m_messages += "; ";
        m_messages += line.GetString();
    });
}

ArticleBatchWriter::~ArticleBatchWriter()
{
    InstallErrorReporter();
}

void ArticleBatchWriter::Write(std::vector<ArticleRow>& rows)
{
    if (rows.empty())
        return;
    if (WriteAll(rows)) {
        m_added += static_cast<long>(rows.size());
    } else {
        for (const ArticleRow& row : rows) {
            std::string reason;
            if (WriteOne(row, reason))
                ++m_added;
            else
                Refuse(row.line, reason);
        }
    }
    rows.clear();
}

void ArticleBatchWriter::Refuse(long line, const std::string& reason)
{
    ++m_refused;
    m_out << "line " << line << ": " << reason << "\n";
}

bool ArticleBatchWriter::WriteAll(const std::vector<ArticleRow>& rows)
{
    try {
        m_db.BeginTrans();
        for (const ArticleRow& row : rows) {
            if (!WriteRow(row).empty()) {
                m_db.Rollback();
                return false;
            }
        }
        m_db.CommitTrans();
        return true;
    } catch (const CDBException&) {
        if (m_db.IsInTransaction())
            m_db.Rollback();
        return false;
    }
}

bool ArticleBatchWriter::WriteOne(const ArticleRow& row, std::string& reason)
{
    try {
        m_db.BeginTrans();
        reason = WriteRow(row);
        if (reason.empty()) {
            m_db.CommitTrans();
            return true;
        }
        m_db.Rollback();
    } catch (const CDBException& e) {
        reason = e.what();
        if (m_db.IsInTransaction())
            m_db.Rollback();
    }
    return false;
}

std::string ArticleBatchWriter::WriteRow(const ArticleRow& row)
{
    m_messages.clear();
    try {
        CDomainArticolo article(&m_db);
        FillArticle(row.input, article);
        if (SaveNewArticle(article))
            return {};
        return m_messages.empty() ? "the database refused the article" : m_messages;
    } catch (const InputError& e) {
        return e.message;
    } catch (const std::exception& e) {
        // Database errors, and anything else that stops one article, refuse that row only.
        return e.what();
    }
}

}  // namespace orvelmag

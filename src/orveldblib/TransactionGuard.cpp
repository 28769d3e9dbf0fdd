// The scope-bound transaction: begin or join, writer lock, commit or roll back.
#include "orveldblib/TransactionGuard.h"

#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "orveldblib/DomainClass.h"

CTransactionGuard::CTransactionGuard(CDatabase& db, LPCTSTR writerLock) : m_db(&db)
{
    if (!db.IsInTransaction())
        m_owns = db.BeginTrans() != FALSE;
    if (writerLock == nullptr || *writerLock == '\0')
        return;
    CString lock = db.GetDialect().WriterLockSql(writerLock);
    if (lock.IsEmpty())
        return;
    try {
        db.ExecuteSQL(lock);
    } catch (...) {
        rollback();  // the destructor of a guard whose constructor threw does not run
        throw;
    }
}

CTransactionGuard::CTransactionGuard(CDomainClass& owner)
{
    CDatabase* db = owner.GetDatabase();
    if (!owner.IsTransController() || db == nullptr || !db->IsOpen() || db->IsInTransaction())
        return;
    m_db = db;
    m_owns = db->BeginTrans() != FALSE;
}

CTransactionGuard::~CTransactionGuard()
{
    rollback();
}

void CTransactionGuard::Commit()
{
    if (!m_owns || m_finished)
        return;
    try {
        m_db->CommitTrans();
    } catch (...) {
        // A commit that failed fatally leaves the transaction for a rollback to clear; do it
        // now rather than at the end of the scope, so that the connection is usable again.
        rollback();
        throw;
    }
    m_finished = true;
}

void CTransactionGuard::rollback() noexcept
{
    if (!m_owns || m_finished)
        return;
    m_finished = true;
    try {
        if (m_db->IsOpen())
            m_db->Rollback();
    } catch (...) {  // the error that made the scope unwind is the one the caller sees
    }
}

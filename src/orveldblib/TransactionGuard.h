// CTransactionGuard: one transaction for the span of a scope. It begins the transaction when
// it is made and rolls it back when it goes without Commit, so that an exception leaving a
// multi-table save never leaves half of it written nor the connection inside a transaction.
// When the connection is already inside a transaction (the caller's), the guard joins it and
// leaves committing or rolling back to whoever began it.
//
//     CTransactionGuard guard(db, "STOCK");   // begin, then take the writer lock "STOCK"
//     ... read the stock, check it, write the movement ...
//     guard.Commit();
#pragma once

#include "afx/Export.h"
#include "afx/Types.h"

class CDatabase;
class CDomainClass;

class ORVEL_API CTransactionGuard {
public:
    // Begins a transaction on db, or joins the one db is already in. writerLock (optional): a
    // name; after beginning (or joining) the guard takes an exclusive writer lock on it that
    // lasts until the transaction ends (PostgreSQL: an advisory transaction lock on the name's
    // hash; SQLite needs none, its transactions take the write lock when they begin), so that
    // checks made inside the transaction cannot be raced by another writer using the same
    // name. Throws CDBException when the transaction cannot begin or the lock cannot be taken
    // (a transaction it began is rolled back first).
    explicit CTransactionGuard(CDatabase& db, LPCTSTR writerLock = nullptr);
    // For a domain object's own multi-table save: begins only when the object controls its
    // transactions (IsTransController) and its connection is open and not already in one;
    // otherwise the guard does nothing.
    explicit CTransactionGuard(CDomainClass& owner);
    // Rolls back the transaction it began and did not commit; never throws.
    ~CTransactionGuard();
    CTransactionGuard(const CTransactionGuard&) = delete;
    CTransactionGuard& operator=(const CTransactionGuard&) = delete;

    // Commits the transaction the guard began (nothing when it joined one). Throws
    // CDBException when the commit fails, after rolling the transaction back.
    void Commit();
    // True when the guard began the transaction (and so commits or rolls it back).
    bool Owns() const { return m_owns; }

private:
    void rollback() noexcept;

    CDatabase* m_db = nullptr;
    bool m_owns = false;
    bool m_finished = false;
};

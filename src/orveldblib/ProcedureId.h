// CProcedureId: a new id from one of the database's id procedures ("GET_ID_DOCUMENTO" and the
// others). Open runs the procedure through the connection's dialect (a function on
// PostgreSQL, the NAME_CALL table on SQLite, see odbc/Dialect.h) and leaves the id in m_ID.
//
//   CProcedureId id(&db);
//   id.Open("GET_ID_DOCUMENTO", 1, NULL, 0);
//   long newId = id.m_ID;
//   id.Close();
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "odbc/Recordset.h"

class ORVEL_API CProcedureId : public CRecordset {
    DECLARE_DYNAMIC(CProcedureId)

public:
    explicit CProcedureId(CDatabase* pDatabase = nullptr);
    ~CProcedureId() override;

    // Runs the procedure (a bare name or "{call NAME(args)}"); lpszSQL is not used. Throws
    // CDBException when the procedure fails or hands back no id (no row, or NULL).
    virtual BOOL Open(LPCTSTR lpszProcedure, UINT nOpenType = snapshot, LPCTSTR lpszSQL = nullptr, DWORD dwOptions = none);
    // CRecordset's order of arguments: the SQL text names the procedure; without it the one of
    // the last Open runs again.
    BOOL Open(UINT nOpenType, LPCTSTR lpszSQL, DWORD dwOptions) override;

    long GetId() const { return m_ID; }

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

    // The new id: the first column of the procedure's single row.
    long m_ID = 0;

private:
    CString m_procedure;
};

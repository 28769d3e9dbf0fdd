// CRecordset: the rows of a table, view, query or procedure call, bound to the members of a
// derived class through DoFieldExchange, with the framework's snapshot behaviour.
//
// Open builds "SELECT <bound columns> FROM <GetDefaultSQL() or the given table> [WHERE
// m_strFilter] [ORDER BY m_strSort]"; a given text that starts with SELECT is used as it is (the
// filter and sort appended), and "{call ...}" goes through the dialect. All of it passes through
// the connection's dialect (bracketed names, STRLEN). The rows are read whole into memory at
// Open and Requery: they are those of that moment, and any number of recordsets may be open on
// one connection at once.
//
// Writes go through parameterised statements built from the bound columns:
//   AddNew + Update   INSERT INTO <table> (<columns that are not NULL>) VALUES (?, ...)
//   Edit + Update     UPDATE <table> SET <every bound column> = ? ... WHERE <key>
//   Delete            DELETE FROM <table> WHERE <key>
// The key is the table's primary key when it has one and all its columns are bound, otherwise
// the original values of every bound column, compared so that NULL matches NULL. An UPDATE or
// DELETE that touches no row (someone else deleted it) throws CDBException.
//
// NULL rules, as the framework's: a text field that is empty is written as NULL unless
// SetFieldNull(&field, FALSE) was called after AddNew/Edit; SetFieldNull(&field) (TRUE) writes
// NULL; a TIMESTAMP_STRUCT with month or day 0, a COleDateTime that is not valid and a CTime of 0
// are written as NULL. Reading NULL gives an empty text, 0 for numbers, an all-zero
// TIMESTAMP_STRUCT, a COleDateTime with null status and a CTime of 0; IsFieldNull tells.
#pragma once

#include <memory>
#include <vector>

#include "afx/Export.h"
#include "afx/Object.h"
#include "afx/String.h"
#include "afx/Types.h"
#include "odbc/Database.h"
#include "odbc/FieldExchange.h"
#include "odbc/FieldInfo.h"

#define AFX_DB_USE_DEFAULT_TYPE (0xFFFFFFFF)
// What AddNew puts into bound numbers: a value a caller is unlikely to write, which tells Update
// that the field was left alone and goes in as NULL.
#define AFX_RFX_INT_PSEUDO_NULL (0x7EE4)
#define AFX_RFX_LONG_PSEUDO_NULL (0x4a4d4120L)

namespace orvel::odbc::detail {
struct RecordsetState;
class Statement;
}

class ORVEL_API CRecordset : public CObject {
    DECLARE_DYNAMIC(CRecordset)

public:
    enum OpenType { dynaset = 0, snapshot = 1, forwardOnly = 2, dynamic = 3 };
    enum OpenOptions {
        none = 0x0,
        readOnly = 0x0004,
        appendOnly = 0x0008,
        skipDeletedRecords = 0x0010,
        noDirtyFieldCheck = 0x0020,
        useBookmarks = 0x0100,
        useMultiRowFetch = 0x0200,
        userAllocMultiRowBuffers = 0x0400,
        useExtendedFetch = 0x0800,
        executeDirect = 0x2000,
        optimizeBulkAdd = 0x4000,
        firstBulkAdd = 0x8000,
    };

    explicit CRecordset(CDatabase* pDatabase = nullptr);
    ~CRecordset() override;
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    // Opens the recordset (see the top of this file). nOpenType AFX_DB_USE_DEFAULT_TYPE takes
    // m_nDefaultType. Returns TRUE or throws CDBException; when DoFieldExchange binds a number
    // of columns other than m_nFields (or of parameters other than m_nParams) the exception
    // names the class and both counts. Without a database the recordset opens its own
    // connection with GetDefaultConnect().
    virtual BOOL Open(UINT nOpenType = AFX_DB_USE_DEFAULT_TYPE, LPCTSTR lpszSQL = nullptr, DWORD dwOptions = none);
    virtual void Close();
    // Runs the query again, with the current m_strFilter and m_strSort, and moves to the first row.
    virtual BOOL Requery();

    BOOL IsOpen() const;
    BOOL IsEOF() const;
    BOOL IsBOF() const;
    BOOL IsDeleted() const;
    // Moving past the last row (or before the first) is allowed once and sets IsEOF (IsBOF);
    // moving further throws CDBException.
    void MoveNext();
    void MovePrev();
    void MoveFirst();
    void MoveLast();
    long GetRecordCount() const;

    BOOL CanUpdate() const;
    BOOL CanAppend() const;
    BOOL CanTransact() const;
    // AddNew empties every bound member (texts empty, numbers at their pseudo-null marks
    // AFX_RFX_LONG_PSEUDO_NULL / AFX_RFX_INT_PSEUDO_NULL, dates null) and marks it NULL: a member
    // the caller does not set is inserted as NULL, an empty text too. Edit keeps the current values;
    // a number read as NULL that still holds 0 is written back as NULL (SetFieldNull(&field, FALSE)
    // makes it a real 0). Update writes and returns TRUE; after an AddNew the current
    // row and its values come back (the new row is seen after Requery). When Update throws, the
    // AddNew or Edit stays pending with the members as they were set, so that the caller can
    // correct and retry, or CancelUpdate.
    virtual void AddNew();
    virtual void Edit();
    virtual BOOL Update();
    virtual void Delete();
    virtual void CancelUpdate();

    // field: the address of a bound member; NULL means every bound column.
    void SetFieldNull(void* pField, BOOL bNull = TRUE);
    BOOL IsFieldNull(void* pField);
    BOOL IsFieldNullable(void* pField);

    // The statement text last sent to the driver (after the dialect's rewriting).
    const CString& GetSQL() const;
    const CString& GetTableName() const;

    virtual CString GetDefaultConnect();
    virtual CString GetDefaultSQL();
    virtual void DoFieldExchange(CFieldExchange* pFX);

    // The columns and parameters that DoFieldExchange binds, without any database.
    std::vector<CFieldInfo> DescribeFields();

    CDatabase* m_pDatabase;
    CString m_strFilter;
    CString m_strSort;
    UINT m_nFields = 0;
    UINT m_nParams = 0;
    UINT m_nDefaultType = snapshot;

protected:
    // Recordsets whose columns are known only when the query has run (free SQL) return true:
    // Open then reads every result column as text and skips the field-count check.
    virtual bool ReadsResultColumns() const { return false; }
    int GetResultColumnCount() const;
    CString GetResultColumnName(int index) const;  // 0-based
    // The text of a result column in the current row; false for NULL or no current row.
    bool GetResultText(int index, CString& value) const;

private:
    void collectBindings();
    void runQuery();
    void runStatements(const std::vector<CString>& statements, bool procedureCall);
    void readResult(orvel::odbc::detail::Statement& query);
    void loadCurrent();
    void requireOpen(const char* operation) const;
    void requireCurrent(const char* operation) const;
    void requireUpdatable(const char* operation) const;
    std::size_t columnIndex(const void* field, const char* operation) const;
    CString className() const;

    std::unique_ptr<orvel::odbc::detail::RecordsetState> m_state;
    std::unique_ptr<CDatabase> m_ownedDatabase;
};

// CDomainClass: the base of every business object. It carries the connection the object works on
// (never owned), the flag that says whether the object brackets its own multi-table save in a
// transaction, the load/save entry points that derived classes fill in, the conversions between
// the library's date forms, the quoting of text put into filters, and the error box through which
// database errors reach the user.
#pragma once

#include <functional>
#include <utility>

#include "afx/Export.h"
#include "afx/OleDateTime.h"
#include "afx/String.h"
#include "afx/Timestamp.h"
#include "afx/Types.h"
#include "odbc/DBException.h"

class CDatabase;

// The kind of write DB_Update performs.
enum EDB_Operation {
    DB_OPERATION_ADDNEW = 1,  // insert a new row
    DB_OPERATION_EDIT = 2,    // update the row of the object's key
    DB_OPERATION_DELETE = 3,  // delete the row of the object's key
};

// Styles and answers of the error box, with the values hosts know them by.
constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_ICONHAND = 0x00000010;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONINFORMATION = 0x00000040;
constexpr int IDOK = 1;

class ORVEL_API CDomainClass {
public:
    // Receives every error box: its text, style and help id. A host installs its own to show a
    // dialog or write a log; tests install one that records.
    using MessageHandler = std::function<void(const CString& text, UINT style, UINT helpId)>;

    explicit CDomainClass(CDatabase* pDatabase = nullptr);
    CDomainClass(const CDomainClass& other) = default;
    CDomainClass& operator=(const CDomainClass& other) = default;
    virtual ~CDomainClass();

    // Destroys the object itself; hosts use it to free objects that the library allocated.
    virtual void Delete();
    // Loads the row of the object's key; the base has nothing to load and returns false.
    virtual bool DB_Load();

    bool DB_AddNew() { return DB_Update(DB_OPERATION_ADDNEW); }
    bool DB_Edit() { return DB_Update(DB_OPERATION_EDIT); }
    bool DB_Delete() { return DB_Update(DB_OPERATION_DELETE); }

    void SetTransController(bool controller) { m_bTransController = controller; }
    bool IsTransController() const { return m_bTransController; }
    void SetDatabase(CDatabase* pDatabase) { m_pDatabase = pDatabase; }
    CDatabase* GetDatabase() const { return m_pDatabase; }

    // Begin, commit or roll back a transaction on the object's connection, but only when the
    // object controls the transaction or force is true. They return true when the call was made
    // and succeeded, false when nothing was done (no controller, no connection) or it failed.
    bool BeginControlledTrans(bool force = false);
    bool CommitControlledTrans(bool force = false);
    bool RollbackControlledTrans(bool force = false);

    // The unset timestamp: every field zero, then hour, minute and second 65535.
    static const TIMESTAMP_STRUCT Invalid_TIMESTAMP_STRUCT;

    // True for a real calendar date (year 1..9999) in the date part.
    static bool IsValid_TIMESTAMP_STRUCT_ONLY_DATE(const TIMESTAMP_STRUCT& ts);
    // True for a real time of day in the time part.
    static bool IsValid_TIMESTAMP_STRUCT_ONLY_TIME(const TIMESTAMP_STRUCT& ts);
    static bool IsValid_TIMESTAMP_STRUCT(const TIMESTAMP_STRUCT& ts)
    {
        return IsValid_TIMESTAMP_STRUCT_ONLY_DATE(ts) && IsValid_TIMESTAMP_STRUCT_ONLY_TIME(ts);
    }

    // Conversions between the date forms. An unset timestamp and a COleDateTime whose status is
    // not valid map to each other (null date <-> invalid timestamp); a timestamp with a valid date
    // and an unusable time converts as midnight of that day. The text form is "dd/mm/yyyy",
    // optionally followed by " hh:mm" or " hh:mm:ss"; the text conversions return false (and give
    // the unset value) for an empty or malformed text.
    static void From_TIMESTAMP_STRUCT_To_COleDateTime(const TIMESTAMP_STRUCT& source, COleDateTime& target);
    static void From_COleDateTime_To_TIMESTAMP_STRUCT(const COleDateTime& source, TIMESTAMP_STRUCT& target);
    static bool From_StringDate_To_TIMESTAMP_STRUCT(const CString& source, TIMESTAMP_STRUCT& target);
    static bool From_StringDate_To_COleDateTime(const CString& source, COleDateTime& target);
    // "dd/mm/yyyy" of the date part; the empty text for an unset timestamp.
    static void From_TIMESTAMP_STRUCT_To_StringDate(const TIMESTAMP_STRUCT& source, CString& target);

    // Makes a text safe between single quotes in a filter: every quote is doubled, so the text
    // stays one literal whatever it holds ("O'NEIL" -> "O''NEIL").
    static CString SetFilterParam(const CString& text);

    // Error boxes. The first shows a database error (its message, SQLSTATE and native code) with
    // the exclamation style; the second any text. Both go to the installed handler and return IDOK.
    static int AfxMessageBox(const CDBException& e);
    static int AfxMessageBox(const CString& text, UINT style = MB_OK, UINT helpId = 0);
    // Installs the handler of error boxes; an empty function restores the default, which writes
    // one line to standard error.
    static void SetMessageHandler(MessageHandler handler);

    // Run one database operation that answers true or false, the way every load and save reports
    // a failure to the host: a database error it throws is shown in the error box and answered
    // with false; other exceptions pass. ReportDBErrors shows the whole exception (message,
    // SQLSTATE and native code); ReportDBErrorText only its message, with the exclamation style.
    template <typename Operation>
    static bool ReportDBErrors(Operation&& operation)
    {
        try {
            return std::forward<Operation>(operation)();
        } catch (const CDBException& e) {
            AfxMessageBox(e);
            return false;
        }
    }
    template <typename Operation>
    static bool ReportDBErrorText(Operation&& operation)
    {
        try {
            return std::forward<Operation>(operation)();
        } catch (const CDBException& e) {
            AfxMessageBox(e.m_strError, MB_ICONEXCLAMATION, 0);
            return false;
        }
    }

protected:
    // Writes the object; the base has nothing to write and returns false.
    virtual bool DB_Update(EDB_Operation op);

private:
    bool m_bTransController = false;
    CDatabase* m_pDatabase = nullptr;
};

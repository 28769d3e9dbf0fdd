// The shared behaviour of business objects: controlled transactions, date conversions, filter
// quoting and error boxes.
#include "orveldblib/DomainClass.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <mutex>

#include "odbc/DBException.h"
#include "odbc/Database.h"

namespace {

std::mutex& handlerMutex()
{
    static std::mutex m;
    return m;
}

CDomainClass::MessageHandler& handlerSlot()
{
    static CDomainClass::MessageHandler handler;
    return handler;
}

void defaultHandler(const CString& text, UINT style, UINT helpId)
{
    CString line(text);
    line.Replace('\n', ' ');
    line.Replace('\r', ' ');
    std::cerr << "OrvelMagDb: " << line.GetString() << " (style " << style << ", help " << helpId << ")\n";
}

bool isRealDate(int year, int month, int day)
{
    if (year < 1 || year > 9999)
        return false;
    return std::chrono::year_month_day(std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                       std::chrono::day(static_cast<unsigned>(day)))
        .ok();
}

}  // namespace

const TIMESTAMP_STRUCT CDomainClass::Invalid_TIMESTAMP_STRUCT = {0, 0, 0, 65535, 65535, 65535, 0};

CDomainClass::CDomainClass(CDatabase* pDatabase) : m_pDatabase(pDatabase) {}

CDomainClass::~CDomainClass() = default;

void CDomainClass::Delete()
{
    delete this;
}

bool CDomainClass::DB_Load()
{
    return false;
}

bool CDomainClass::DB_Update(EDB_Operation)
{
    return false;
}

bool CDomainClass::BeginControlledTrans(bool force)
{
    if ((!m_bTransController && !force) || m_pDatabase == nullptr)
        return false;
    return m_pDatabase->BeginTrans() != FALSE;
}

bool CDomainClass::CommitControlledTrans(bool force)
{
    if ((!m_bTransController && !force) || m_pDatabase == nullptr)
        return false;
    return m_pDatabase->CommitTrans() != FALSE;
}

bool CDomainClass::RollbackControlledTrans(bool force)
{
    if ((!m_bTransController && !force) || m_pDatabase == nullptr)
        return false;
    return m_pDatabase->Rollback() != FALSE;
}

bool CDomainClass::IsValid_TIMESTAMP_STRUCT_ONLY_DATE(const TIMESTAMP_STRUCT& ts)
{
    return isRealDate(ts.year, ts.month, ts.day);
}

bool CDomainClass::IsValid_TIMESTAMP_STRUCT_ONLY_TIME(const TIMESTAMP_STRUCT& ts)
{
    return ts.hour < 24 && ts.minute < 60 && ts.second < 60;
}

void CDomainClass::From_TIMESTAMP_STRUCT_To_COleDateTime(const TIMESTAMP_STRUCT& source, COleDateTime& target)
{
    if (!IsValid_TIMESTAMP_STRUCT_ONLY_DATE(source)) {
        target = COleDateTime();
        target.SetStatus(COleDateTime::null);
        return;
    }
    if (IsValid_TIMESTAMP_STRUCT_ONLY_TIME(source))
        target.SetDateTime(source.year, source.month, source.day, source.hour, source.minute, source.second);
    else
        target.SetDateTime(source.year, source.month, source.day, 0, 0, 0);
}

void CDomainClass::From_COleDateTime_To_TIMESTAMP_STRUCT(const COleDateTime& source, TIMESTAMP_STRUCT& target)
{
    if (source.GetStatus() != COleDateTime::valid || !source.GetAsDBTIMESTAMP(target))
        target = Invalid_TIMESTAMP_STRUCT;
}

bool CDomainClass::From_StringDate_To_TIMESTAMP_STRUCT(const CString& source, TIMESTAMP_STRUCT& target)
{
    CString text(source);
    text.Trim();
    int day = -1, month = -1, year = -1, hour = 0, minute = 0, second = 0;
    int used = 0;
    // The date, then optionally " hh:mm" and ":ss"; nothing may follow.
    bool ok = std::sscanf(text, "%2d/%2d/%4d%n", &day, &month, &year, &used) == 3;
    ok = ok && used - (text.Left(used).ReverseFind('/') + 1) == 4;  // a four-digit year
    if (ok && used < text.GetLength()) {
        int more = 0;
        const char* rest = text.GetString() + used;
        ok = std::sscanf(rest, " %2d:%2d%n", &hour, &minute, &more) == 2;
        if (ok && rest[more] == ':') {
            int secs = 0;
            ok = std::sscanf(rest + more, ":%2d%n", &second, &secs) == 1;
            more += secs;
        }
        ok = ok && rest[more] == '\0';
    }
    TIMESTAMP_STRUCT ts{};
    ts.year = static_cast<SQLSMALLINT>(year);
    ts.month = static_cast<SQLUSMALLINT>(month);
    ts.day = static_cast<SQLUSMALLINT>(day);
    ts.hour = static_cast<SQLUSMALLINT>(hour);
    ts.minute = static_cast<SQLUSMALLINT>(minute);
    ts.second = static_cast<SQLUSMALLINT>(second);
    if (!ok || day < 1 || month < 1 || hour < 0 || minute < 0 || second < 0 || !IsValid_TIMESTAMP_STRUCT(ts)) {
        target = Invalid_TIMESTAMP_STRUCT;
        return false;
    }
    target = ts;
    return true;
}

bool CDomainClass::From_StringDate_To_COleDateTime(const CString& source, COleDateTime& target)
{
    TIMESTAMP_STRUCT ts;
    bool ok = From_StringDate_To_TIMESTAMP_STRUCT(source, ts);
    From_TIMESTAMP_STRUCT_To_COleDateTime(ts, target);
    return ok;
}

void CDomainClass::From_TIMESTAMP_STRUCT_To_StringDate(const TIMESTAMP_STRUCT& source, CString& target)
{
    if (!IsValid_TIMESTAMP_STRUCT_ONLY_DATE(source)) {
        target.Empty();
        return;
    }
    target.Format("%02u/%02u/%04d", static_cast<unsigned>(source.day), static_cast<unsigned>(source.month),
                  static_cast<int>(source.year));
}

CString CDomainClass::SetFilterParam(const CString& text)
{
    CString quoted(text);
    quoted.Replace("'", "''");
    return quoted;
}

int CDomainClass::AfxMessageBox(const CDBException& e)
{
    CString text(e.m_strError);
    text.TrimRight();
    if (!e.m_strStateNativeOrigin.IsEmpty())
        text += CString(" [") + e.m_strStateNativeOrigin + "]";
    return AfxMessageBox(text, MB_ICONEXCLAMATION, 0);
}

int CDomainClass::AfxMessageBox(const CString& text, UINT style, UINT helpId)
{
    MessageHandler handler;
    {
        std::lock_guard<std::mutex> lock(handlerMutex());
        handler = handlerSlot();
    }
    if (handler)
        handler(text, style, helpId);
    else
        defaultHandler(text, style, helpId);
    return IDOK;
}

void CDomainClass::SetMessageHandler(MessageHandler handler)
{
    std::lock_guard<std::mutex> lock(handlerMutex());
    handlerSlot() = std::move(handler);
}

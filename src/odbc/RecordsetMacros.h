// How the recordset classes are declared from the column lists of the catalogue.
//
// A column list is a macro taking one argument X, and calling X(kind, NAME, arg) once per column,
// in binding order. The kinds are:
//   T   text (CString), arg = longest value in characters, bound as "[NAME]"
//   T0  text that a new recordset starts at "0" instead of empty, arg = length
//   L   long, arg = its value in a new recordset (0, or 1 for the flags that start set)
//   S   int (a 16-bit column held in an int), arg = starting value
//   TS  date-time in a TIMESTAMP_STRUCT, DT in a COleDateTime, CT in a CTime (arg unused)
// and RT, RL, RS, RTS: the same as T, L, S, TS for the few columns that are bound by their bare
// name rather than the bracketed one. From one list the macros below make the members, the
// constructor defaults, the field count and the bindings, so a column is written down once.
#pragma once

#include "afx/OleDateTime.h"
#include "afx/RuntimeClass.h"
#include "afx/String.h"
#include "afx/Time.h"
#include "afx/Timestamp.h"
#include "odbc/FieldExchange.h"
#include "odbc/Recordset.h"

// Members.
#define ORVEL_RS_MEMBER(kind, name, arg) ORVEL_RS_MEMBER_##kind(name)
#define ORVEL_RS_MEMBER_T(name) CString name;
#define ORVEL_RS_MEMBER_T0(name) CString name;
#define ORVEL_RS_MEMBER_RT(name) CString name;
#define ORVEL_RS_MEMBER_L(name) long name;
#define ORVEL_RS_MEMBER_RL(name) long name;
#define ORVEL_RS_MEMBER_S(name) int name;
#define ORVEL_RS_MEMBER_RS(name) int name;
#define ORVEL_RS_MEMBER_TS(name) TIMESTAMP_STRUCT name;
#define ORVEL_RS_MEMBER_RTS(name) TIMESTAMP_STRUCT name;
#define ORVEL_RS_MEMBER_DT(name) COleDateTime name;
#define ORVEL_RS_MEMBER_CT(name) CTime name;

// Values of a new recordset, before any row is read.
#define ORVEL_RS_INIT(kind, name, arg) ORVEL_RS_INIT_##kind(name, arg)
#define ORVEL_RS_INIT_T(name, arg) name = "";
#define ORVEL_RS_INIT_T0(name, arg) name = "0";
#define ORVEL_RS_INIT_RT(name, arg) name = "";
#define ORVEL_RS_INIT_L(name, arg) name = (arg);
#define ORVEL_RS_INIT_RL(name, arg) name = (arg);
#define ORVEL_RS_INIT_S(name, arg) name = (arg);
#define ORVEL_RS_INIT_RS(name, arg) name = (arg);
#define ORVEL_RS_INIT_TS(name, arg) name = TIMESTAMP_STRUCT{};
#define ORVEL_RS_INIT_RTS(name, arg) name = TIMESTAMP_STRUCT{};
#define ORVEL_RS_INIT_DT(name, arg) name = COleDateTime(0.0);
#define ORVEL_RS_INIT_CT(name, arg) name = CTime();

// Field count.
#define ORVEL_RS_COUNT(kind, name, arg) +1

// Bindings.
#define ORVEL_RS_BIND(kind, name, arg) ORVEL_RS_BIND_##kind(name, arg)
#define ORVEL_RS_BIND_T(name, arg) RFX_Text(pFX, "[" #name "]", name, (arg), SQL_VARCHAR, 0);
#define ORVEL_RS_BIND_T0(name, arg) RFX_Text(pFX, "[" #name "]", name, (arg), SQL_VARCHAR, 0);
#define ORVEL_RS_BIND_RT(name, arg) RFX_Text(pFX, #name, name, (arg), SQL_VARCHAR, 0);
#define ORVEL_RS_BIND_L(name, arg) RFX_Long(pFX, "[" #name "]", name);
#define ORVEL_RS_BIND_RL(name, arg) RFX_Long(pFX, #name, name);
#define ORVEL_RS_BIND_S(name, arg) RFX_Int(pFX, "[" #name "]", name);
#define ORVEL_RS_BIND_RS(name, arg) RFX_Int(pFX, #name, name);
#define ORVEL_RS_BIND_TS(name, arg) RFX_Date(pFX, "[" #name "]", name);
#define ORVEL_RS_BIND_RTS(name, arg) RFX_Date(pFX, #name, name);
#define ORVEL_RS_BIND_DT(name, arg) RFX_Date(pFX, "[" #name "]", name);
#define ORVEL_RS_BIND_CT(name, arg) RFX_Date(pFX, "[" #name "]", name);

// Inside a class body: the constructor, the column members and the overrides.
#define ORVEL_RECORDSET_DECLARE(cls, COLUMNS)                 \
public:                                                       \
    explicit cls(CDatabase* pDatabase = nullptr);             \
    ~cls() override;                                          \
    COLUMNS(ORVEL_RS_MEMBER)                                  \
    static constexpr int kOwnFieldCount = 0 COLUMNS(ORVEL_RS_COUNT); \
    CString GetDefaultConnect() override;                     \
    CString GetDefaultSQL() override;                         \
    void DoFieldExchange(CFieldExchange* pFX) override;       \
    DECLARE_DYNCREATE(cls)

// The catalogue names, for each class, ORVEL_COLUMNS_<class>, ORVEL_SOURCE_<class> (the table or
// view) and ORVEL_CONNECT_<class> (the connect string the class reports).
#define ORVEL_RECORDSET(cls) ORVEL_RECORDSET_DECLARE(cls, ORVEL_COLUMNS_##cls)
#define ORVEL_RECORDSET_IMPLEMENT(cls) \
    ORVEL_RECORDSET_IMPLEMENT_AS(cls, ORVEL_COLUMNS_##cls, ORVEL_SOURCE_##cls, ORVEL_CONNECT_##cls)
#define ORVEL_RECORDSET_IMPLEMENT_DERIVED(cls, base) \
    ORVEL_RECORDSET_IMPLEMENT_DERIVED_AS(cls, base, ORVEL_COLUMNS_##cls, ORVEL_SOURCE_##cls, ORVEL_CONNECT_##cls)

// Connect strings. They are reported by GetDefaultConnect and never used to connect: every
// recordset is built on the connection its business object holds.
#define ORVEL_CONNECT_ODBC "ODBC;DSN="
#define ORVEL_CONNECT_DSN "DSN="
#define ORVEL_CONNECT_DSN_SEMICOLON "DSN;"
#define ORVEL_CONNECT_DSN_EMPTY "DSN=;"

// In the class's source: a recordset straight on CRecordset over the given table or view.
#define ORVEL_RECORDSET_IMPLEMENT_AS(cls, COLUMNS, source, connect) \
    IMPLEMENT_DYNCREATE(cls, CRecordset)                         \
    cls::cls(CDatabase* pDatabase) : CRecordset(pDatabase)       \
    {                                                            \
        COLUMNS(ORVEL_RS_INIT)                                   \
        m_nFields = kOwnFieldCount;                              \
        m_nDefaultType = snapshot;                               \
    }                                                            \
    cls::~cls() = default;                                       \
    CString cls::GetDefaultConnect() { return connect; }         \
    CString cls::GetDefaultSQL() { return "[" source "]"; }      \
    void cls::DoFieldExchange(CFieldExchange* pFX)               \
    {                                                            \
        pFX->SetFieldType(CFieldExchange::outputColumn);         \
        COLUMNS(ORVEL_RS_BIND)                                   \
    }

// In the class's source: a recordset that extends another one; the base's columns are bound
// first, then the class's own.
#define ORVEL_RECORDSET_IMPLEMENT_DERIVED_AS(cls, base, COLUMNS, source, connect) \
    IMPLEMENT_DYNCREATE(cls, base)                                             \
    cls::cls(CDatabase* pDatabase) : base(pDatabase)                           \
    {                                                                          \
        COLUMNS(ORVEL_RS_INIT)                                                 \
        m_nFields = base::kOwnFieldCount + kOwnFieldCount;                     \
        m_nDefaultType = snapshot;                                             \
    }                                                                          \
    cls::~cls() = default;                                                     \
    CString cls::GetDefaultConnect() { return connect; }                       \
    CString cls::GetDefaultSQL() { return "[" source "]"; }                    \
    void cls::DoFieldExchange(CFieldExchange* pFX)                             \
    {                                                                          \
        base::DoFieldExchange(pFX);                                            \
        pFX->SetFieldType(CFieldExchange::outputColumn);                       \
        COLUMNS(ORVEL_RS_BIND)                                                 \
    }

// CSchemaDefinition: a database schema as data — base tables, indexes, views and the statements
// that make the procedures — gathered area by area and turned into the statements that create it.
// Tables and views are written once in SQL that every supported database reads the same way;
// whatever differs per database is added as ready statements by the area that needs it.
#pragma once

#include <vector>

#include "afx/Export.h"
#include "afx/String.h"

class ORVEL_API CSchemaDefinition {
public:
    struct Table {
        CString name;
        CString definition;  // the body of CREATE TABLE: columns and constraints
    };
    struct Index {
        CString name;
        CString table;
        CString columns;
    };
    struct View {
        CString name;
        CString select;
    };

    void AddTable(const CString& name, const CString& definition) { m_tables.push_back({name, definition}); }
    void AddIndex(const CString& name, const CString& table, const CString& columns)
    {
        m_indexes.push_back({name, table, columns});
    }
    void AddView(const CString& name, const CString& select) { m_views.push_back({name, select}); }
    // A statement run after every table, index and view exists (procedures, triggers, rows).
    void AddStatement(const CString& sql) { m_statements.push_back(sql); }

    const std::vector<Table>& Tables() const { return m_tables; }
    const std::vector<Index>& Indexes() const { return m_indexes; }
    const std::vector<View>& Views() const { return m_views; }
    const std::vector<CString>& Statements() const { return m_statements; }

    // The table or view of that name (compared without case); nullptr when absent.
    const Table* FindTable(const CString& name) const;
    const View* FindView(const CString& name) const;

    // The column names of a table, read from its definition (constraints such as PRIMARY KEY
    // (A, B) or FOREIGN KEY are not columns).
    static std::vector<CString> ColumnsOf(const Table& table);

    // Every statement, in the order that creates the schema: tables in the order added, then
    // indexes, then views in the order added, then the other statements.
    std::vector<CString> CreationStatements() const;

private:
    std::vector<Table> m_tables;
    std::vector<Index> m_indexes;
    std::vector<View> m_views;
    std::vector<CString> m_statements;
};

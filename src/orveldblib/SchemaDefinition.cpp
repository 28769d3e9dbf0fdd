// Schema definitions: lookups, column lists and the creation order.
#include "orveldblib/SchemaDefinition.h"

namespace {

// Splits a table body at the commas that are not inside parentheses.
std::vector<CString> SplitTopLevel(const CString& body)
{
    std::vector<CString> parts;
    CString current;
    int depth = 0;
    for (int i = 0; i < body.GetLength(); ++i) {
        char c = body[i];
        if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        if (c == ',' && depth == 0) {
            parts.push_back(current.Trim());
            current.Empty();
        } else {
            current += c;
        }
    }
    if (!current.Trim().IsEmpty())
        parts.push_back(current);
    return parts;
}

bool StartsWithWord(CString text, const char* word)
{
    text.MakeUpper();
    return text.Find(word) == 0;
}

}  // namespace

const CSchemaDefinition::Table* CSchemaDefinition::FindTable(const CString& name) const
{
    for (const Table& t : m_tables) {
        if (t.name.CompareNoCase(name) == 0)
            return &t;
    }
    return nullptr;
}

const CSchemaDefinition::View* CSchemaDefinition::FindView(const CString& name) const
{
    for (const View& v : m_views) {
        if (v.name.CompareNoCase(name) == 0)
            return &v;
    }
    return nullptr;
}

std::vector<CString> CSchemaDefinition::ColumnsOf(const Table& table)
{
    std::vector<CString> columns;
    for (const CString& part : SplitTopLevel(table.definition)) {
        if (StartsWithWord(part, "PRIMARY KEY") || StartsWithWord(part, "FOREIGN KEY") ||
            StartsWithWord(part, "UNIQUE") || StartsWithWord(part, "CHECK") || StartsWithWord(part, "CONSTRAINT"))
            continue;
        int blank = part.FindOneOf(" \t\n");
        columns.push_back(blank < 0 ? part : part.Left(blank));
    }
    return columns;
}

std::vector<CString> CSchemaDefinition::CreationStatements() const
{
    std::vector<CString> out;
    CString sql;
    for (const Table& t : m_tables) {
        sql.Format("CREATE TABLE %s (%s)", t.name.GetString(), t.definition.GetString());
        out.push_back(sql);
    }
    for (const Index& i : m_indexes) {
        sql.Format("CREATE INDEX %s ON %s (%s)", i.name.GetString(), i.table.GetString(), i.columns.GetString());
        out.push_back(sql);
    }
    for (const View& v : m_views) {
        sql.Format("CREATE VIEW %s AS %s", v.name.GetString(), v.select.GetString());
        out.push_back(sql);
    }
    out.insert(out.end(), m_statements.begin(), m_statements.end());
    return out;
}

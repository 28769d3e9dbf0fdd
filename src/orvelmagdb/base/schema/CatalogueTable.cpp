// Tables whose columns come from the recordset catalogue.
#include "orvelmagdb/base/detail/CatalogueTable.h"

#include <stdexcept>
#include <string>

namespace orvel_schema {

void AddCatalogueTable(CSchemaDefinition& schema, const char* name, std::initializer_list<CatalogueColumn> columns,
                       std::initializer_list<ColumnConstraint> constraints, const char* tableConstraints)
{
    CString body;
    std::size_t used = 0;
    for (const CatalogueColumn& column : columns) {
        if (!body.IsEmpty())
            body += ", ";
        body += CString(column.name) + " " + column.type;
        for (const ColumnConstraint& c : constraints) {
            if (CString(c.column) == column.name) {
                body += CString(" ") + c.constraint;
                ++used;
            }
        }
    }
    if (used != constraints.size())
        throw std::logic_error(std::string("table ") + name + ": a constraint names a column the table lacks");
    if (tableConstraints != nullptr)
        body += CString(", ") + tableConstraints;
    schema.AddTable(name, body);
}

}  // namespace orvel_schema

// Reading a query's text at its top level, for the two things a recordset does to the queries it
// runs: adding its filter and sort to a SELECT, and taking the text literals out of a SELECT as
// parameters so that its prepared statement can be kept and run again with other values.
//
// Both read the text as SQL: string literals ('...' with '' for a quote), quoted names ("...",
// [...] and `...`), parentheses and comments are recognised, so that a word inside a literal, a
// name or a subquery is never taken for a clause of the query itself.
#pragma once

#include <string>
#include <vector>

namespace orvel::odbc::detail {

// The query with the filter and the sort added at its top level:
//   no WHERE         " WHERE filter" before GROUP BY / HAVING / WINDOW / ORDER BY / LIMIT...
//   a WHERE          "WHERE (its condition) AND (filter)"
//   no ORDER BY      " ORDER BY sort" before LIMIT / OFFSET / FETCH / FOR, or at the end
//   an ORDER BY      "ORDER BY sort, its own terms": the recordset's sort comes first
//   UNION, INTERSECT or EXCEPT with a filter: the whole query becomes a derived table,
//                    "SELECT * FROM (query) FILTERED WHERE filter [ORDER BY sort]", so that
//                    the filter applies to the rows of the whole query by their result names.
// An empty filter or sort adds nothing. A trailing ";" is dropped.
std::string AddFilterAndSort(const std::string& query, const std::string& filter, const std::string& sort);

// A value taken out of a query by LiftTextLiterals, one per "?" of the result: a parameter the
// query already had (its own), the text of a text literal (quotes undoubled), or the digits of
// a whole number compared with a value.
struct LiftedValue {
    enum Kind { own, quoted, number };
    Kind kind = own;
    std::string text;
};

// Rewrites a SELECT with each text literal that stands for a value as "?": "... WHERE ID = 'A1'"
// becomes "... WHERE ID = ?". A literal that is not a plain value is left in the text: one joined
// to a prefix (X'..', E'..'), a typed literal (DATE '...', INTERVAL '...') and an alias (AS
// 'name'), that is every literal that follows a word other than a keyword that takes an
// expression (WHERE, AND, LIKE, THEN...). A whole number without sign is taken out too when it is
// the value a key column (ID, ID_..., ..._ID) is compared with (=, <>, !=, <, >, <=, >=) and
// nothing but a word, a ")" or the end follows it ("ID_DOCUMENTO = 42 AND ...": the key of a
// lookup), so that the same lookup with another key has the same text; every other number
// (TIPO = 0, LIMIT 10, ORDER BY 1, A - 1, 1.5, -1) stays.
// values receives one entry per "?" of the result, in order. Returns false, and the query must
// run as written, for text that is not read with certainty: comments, "$" outside literals, or an
// unterminated quote or name.
bool LiftTextLiterals(const std::string& sql, std::string& out, std::vector<LiftedValue>& values);

}  // namespace orvel::odbc::detail

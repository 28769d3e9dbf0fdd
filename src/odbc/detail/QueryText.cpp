// The top-level reading of query text behind a recordset's filter, sort and kept statements (see
// QueryText.h).
#include "odbc/detail/QueryText.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace orvel::odbc::detail {

namespace {

constexpr std::size_t npos = std::string::npos;

// Letters, digits and "_" of the C locale, tested inline: every character of a query passes here.
bool isIdentChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool isSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// True when the word is the keyword (upper case), whatever the word's case.
bool isWord(std::string_view word, std::string_view keyword)
{
    return word.size() == keyword.size() &&
           std::equal(word.begin(), word.end(), keyword.begin(),
                      [](char a, char b) { return (a >= 'a' && a <= 'z' ? static_cast<char>(a - 'a' + 'A') : a) == b; });
}

// Index just past the literal or quoted name opening at s[i] (', ", ` or [), a doubled quote
// standing for itself; npos when it is never closed.
std::size_t skipQuoted(const std::string& s, std::size_t i)
{
    const char close = s[i] == '[' ? ']' : s[i];
    for (std::size_t k = i + 1; k < s.size(); ++k) {
        if (s[k] != close)
            continue;
        if (close != ']' && k + 1 < s.size() && s[k + 1] == close) {
            ++k;
            continue;
        }
        return k + 1;
    }
    return npos;
}

// Index just past a comment opening at s[i], i itself when none opens there.
std::size_t skipComment(const std::string& s, std::size_t i)
{
    if ((s[i] != '-' && s[i] != '/') || i + 1 >= s.size())
        return i;
    if (s[i] == '-' && s[i + 1] == '-') {
        std::size_t end = s.find('\n', i);
        return end == npos ? s.size() : end + 1;
    }
    if (s[i] == '/' && s[i + 1] == '*') {
        std::size_t end = s.find("*/", i + 2);
        return end == npos ? s.size() : end + 2;
    }
    return i;
}

// The top-level words of a query, each with its position, read past literals, quoted names,
// comments and parenthesised sections.
template <typename OnWord>
void forEachTopLevelWord(const std::string& s, OnWord onWord)
{
    int depth = 0;
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (c == '\'' || c == '"' || c == '`' || c == '[') {
            std::size_t end = skipQuoted(s, i);
            i = end == npos ? s.size() : end;
        } else if (std::size_t end = skipComment(s, i); end != i) {
            i = end;
        } else if (c == '(' || c == ')') {
            depth += c == '(' ? 1 : -1;
            ++i;
        } else if (isIdentChar(c)) {
            std::size_t k = i;
            while (k < s.size() && isIdentChar(s[k]))
                ++k;
            if (depth == 0)
                onWord(std::string_view(s).substr(i, k - i), i, k);
            i = k;
        } else {
            ++i;
        }
    }
}

// The word that follows position i (past blanks); end receives where it ends.
std::string_view nextWord(const std::string& s, std::size_t i, std::size_t& end)
{
    while (i < s.size() && isSpace(s[i]))
        ++i;
    end = i;
    while (end < s.size() && isIdentChar(s[end]))
        ++end;
    return std::string_view(s).substr(i, end - i);
}

std::string trimmed(const std::string& s)
{
    std::size_t b = s.find_first_not_of(" \t\r\n");
    if (b == npos)
        return std::string();
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

// How pieces of a statement are put together. When the query, the filter or the sort holds a
// line comment ("--"), a piece whose last line may end in one is followed by a new line, so that
// the comment does not take in what follows; otherwise by a blank.
struct Joiner {
    bool comments;

    bool endsInLineComment(const std::string& piece) const
    {
        if (!comments)
            return false;
        std::size_t lineStart = piece.rfind('\n');
        return piece.find("--", lineStart == npos ? 0 : lineStart + 1) != npos;
    }
    std::string join(const std::string& first, const std::string& second) const
    {
        if (second.empty())
            return first;
        return first + (endsInLineComment(first) ? "\n" : " ") + second;
    }
    // A piece closed by a parenthesis.
    std::string closed(const std::string& piece) const { return piece + (endsInLineComment(piece) ? "\n)" : ")"); }
    // text with clause put at pos.
    std::string insert(const std::string& text, std::size_t pos, const std::string& clause) const
    {
        return join(join(trimmed(text.substr(0, pos)), clause), trimmed(text.substr(pos)));
    }
};

// Keywords after which a literal is a value of an expression.
bool takesExpression(std::string_view word)
{
    static const char* const keywords[] = {"SELECT", "WHERE", "AND",  "OR",   "NOT",    "LIKE",   "ILIKE", "GLOB",
                                           "BETWEEN", "THEN", "ELSE", "WHEN", "CASE", "ON", "HAVING", "ESCAPE"};
    return std::any_of(std::begin(keywords), std::end(keywords), [&](const char* k) { return isWord(word, k); });
}

}  // namespace

std::string AddFilterAndSort(const std::string& query, const std::string& filter, const std::string& sort)
{
    std::string text = query;
    while (!text.empty() && (isSpace(text.back()) || text.back() == ';'))
        text.pop_back();
    if (filter.empty() && sort.empty())
        return text;

    // Where the clauses of the query's last SELECT start, and those of the whole query.
    std::size_t where = npos, whereBody = npos, grouping = npos, order = npos, orderBody = npos, tail = npos;
    bool compound = false;
    forEachTopLevelWord(text, [&](std::string_view word, std::size_t begin, std::size_t end) {
        std::size_t afterBy = npos;
        if (isWord(word, "UNION") || isWord(word, "INTERSECT") || isWord(word, "EXCEPT")) {
            compound = true;
            where = whereBody = grouping = order = orderBody = tail = npos;
        } else if (isWord(word, "WHERE") && where == npos) {
            where = begin;
            whereBody = end;
        } else if ((isWord(word, "HAVING") || isWord(word, "WINDOW") ||
                    (isWord(word, "GROUP") && isWord(nextWord(text, end, afterBy), "BY"))) &&
                   grouping == npos) {
            grouping = begin;
        } else if (isWord(word, "ORDER") && isWord(nextWord(text, end, afterBy), "BY") && order == npos) {
            order = begin;
            orderBody = afterBy;
        } else if ((isWord(word, "LIMIT") || isWord(word, "OFFSET") || isWord(word, "FETCH") || isWord(word, "FOR")) &&
                   tail == npos) {
            tail = begin;
        }
    });

    const Joiner pieces{text.find("--") != npos || filter.find("--") != npos || sort.find("--") != npos};
    if (!filter.empty() && compound) {
        text = "SELECT * FROM (" + pieces.closed(text) + " FILTERED WHERE " + filter;
        return sort.empty() ? text : pieces.join(text, "ORDER BY " + sort);
    }
    // The sort first: it changes only text after the place of the filter.
    const std::size_t clauseEnd = std::min({grouping, order, tail, text.size()});
    if (!sort.empty()) {
        if (order != npos)
            text = pieces.join(text.substr(0, orderBody), sort + (pieces.endsInLineComment(sort) ? "\n," : ",")) +
                   text.substr(orderBody);
        else
            text = pieces.insert(text, tail == npos ? text.size() : tail, "ORDER BY " + sort);
    }
    if (!filter.empty()) {
        if (where == npos)
            return pieces.insert(text, clauseEnd, "WHERE " + filter);
        std::string condition = trimmed(text.substr(whereBody, clauseEnd - whereBody));
        text = pieces.join(text.substr(0, where) + "WHERE (" + pieces.closed(condition) + " AND (" + pieces.closed(filter),
                           trimmed(text.substr(clauseEnd)));
    }
    return text;
}

namespace {

// The end of the whole number that starts at sql[i] when it is a comparison's value as
// LiftTextLiterals takes it out (see QueryText.h), npos otherwise. Numbers too long for 64 bits
// stay in the text.
std::size_t comparedNumberEnd(const std::string& sql, std::size_t i)
{
    std::size_t k = i;
    while (k < sql.size() && sql[k] >= '0' && sql[k] <= '9')
        ++k;
    if (k == i || k - i > 18 || (k < sql.size() && (isIdentChar(sql[k]) || sql[k] == '.')))
        return npos;
    if (sql[i] == '0' && k - i > 1)
        return npos;  // leading zeros: kept as written
    std::size_t next = k;
    while (next < sql.size() && isSpace(sql[next]))
        ++next;
    if (next < sql.size() && sql[next] != ')' && !isIdentChar(sql[next]))
        return npos;  // an operator follows: part of a larger expression
    return k;
}

// Whether the text written so far ends with a key column and a comparison ("D.ID = ",
// "[ID_DOCUMENTO] <> "): a column named ID, ID_... or ..._ID. Only keys take their numbers out:
// a key changes from one lookup to the next, while a flag or a kind (TIPO = 0, F_EVASA = 1)
// keeps a few values that SQLite plans for, partial indexes included, and would compile the
// statement again at every new value bound.
bool comparesKey(const std::string& out)
{
    std::size_t end = out.size();
    while (end > 0 && (isSpace(out[end - 1]) || out[end - 1] == '=' || out[end - 1] == '<' || out[end - 1] == '>' ||
                       out[end - 1] == '!'))
        --end;
    if (end > 0 && (out[end - 1] == ']' || out[end - 1] == '"' || out[end - 1] == '`'))
        --end;
    std::size_t begin = end;
    while (begin > 0 && isIdentChar(out[begin - 1]))
        --begin;
    const std::string_view name = std::string_view(out).substr(begin, end - begin);
    return isWord(name, "ID") || (name.size() > 3 && (isWord(name.substr(0, 3), "ID_") || isWord(name.substr(name.size() - 3), "_ID")));
}

}  // namespace

bool LiftTextLiterals(const std::string& sql, std::string& out, std::vector<LiftedValue>& values)
{
    out.clear();
    out.reserve(sql.size());
    values.clear();
    std::string_view lastWord;  // the word just before, empty after any other token
    bool afterComparison = false;  // the token just before is a comparison operator
    for (std::size_t i = 0; i < sql.size();) {
        const char c = sql[i];
        const bool comparedValue = afterComparison;
        afterComparison = false;
        if (c == '\'' || c == '"' || c == '`' || c == '[') {
            std::size_t end = skipQuoted(sql, i);
            if (end == npos)
                return false;
            const bool attached = i > 0 && isIdentChar(sql[i - 1]);
            if (c == '\'' && !attached && (lastWord.empty() || takesExpression(lastWord))) {
                LiftedValue value{LiftedValue::quoted, {}};
                for (std::size_t k = i + 1; k + 1 < end; ++k) {
                    value.text += sql[k];
                    if (sql[k] == '\'')
                        ++k;  // a doubled quote stands for one
                }
                out += '?';
                values.push_back(std::move(value));
                lastWord = {};
            } else {
                out.append(sql, i, end - i);
                lastWord = c == '\'' ? std::string_view() : std::string_view("\"");  // a name: not a keyword
            }
            i = end;
        } else if (skipComment(sql, i) != i || c == '$') {
            return false;
        } else if (isIdentChar(c)) {
            std::size_t k = i;
            while (k < sql.size() && isIdentChar(sql[k]))
                ++k;
            if (std::size_t numberEnd = comparedValue && comparesKey(out) ? comparedNumberEnd(sql, i) : npos;
                numberEnd == k) {
                out += '?';
                values.push_back({LiftedValue::number, sql.substr(i, k - i)});
                lastWord = {};
            } else {
                lastWord = std::string_view(sql).substr(i, k - i);
                out.append(sql, i, k - i);
            }
            i = k;
        } else if (isSpace(c)) {
            out += c;  // a blank keeps the word or the comparison before
            afterComparison = comparedValue;
            ++i;
        } else {
            if (c == '?')
                values.push_back({LiftedValue::own, {}});
            lastWord = {};
            afterComparison = c == '=' || c == '<' || c == '>';
            out += c;
            ++i;
        }
    }
    return true;
}

}  // namespace orvel::odbc::detail

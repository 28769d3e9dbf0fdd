// "orvelmag article import": loading articles from a CSV file in batches.
#pragma once

#include <iosfwd>
#include <string>

class CDatabase;

namespace orvelmag {

// Reads the CSV file at `path` (a header line naming the columns, then one article a row) and
// adds its articles, `batchSize` rows to a transaction. Bad rows are reported with their line
// number and reason and skipped; the good rows around them are kept. Returns the exit code: 0
// when every row went in, 1 when some row was refused, 3 when the database failed and the import
// stopped (what it reports as added is what was committed). A file that cannot be read at all is
// a UsageError (exit code 2).
int ImportArticles(CDatabase& db, const std::string& path, long batchSize, std::ostream& out);

}  // namespace orvelmag

// Finding an article the way a till does, by whatever key it receives; shared by the commands
// that take article keys ("article find|price", "doc new").
#pragma once

#include <string>

class CDatabase;
class CDomainArticolo;

namespace orvelmag {

// The article that a till would find for the key: by code (own or alternative of type 0), else
// by EAN (own or barcode-like alternative). `how` says which. False when no article has the key;
// a database error is not a missing article: it throws DatabaseFailure or DatabaseError.
bool FindArticle(CDatabase& db, const std::string& key, CDomainArticolo& article, std::string& how);

}  // namespace orvelmag

// Finding an article by any of its keys.
#include "ArticleLookup.h"

#include "Cli.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"

namespace orvelmag {

bool FindArticle(CDatabase& db, const std::string& key, CDomainArticolo& article, std::string& how)
{
    const CString k(key.c_str());
    {
        CDomainArticolo byCode(&db);
        byCode.Set_ID(k);
        if (Found(db, [&] { return byCode.DB_Load(); })) {
            how = byCode.Get_ID() == k ? "its code" : "alternative code " + key;
            article = byCode;
            return true;
        }
    }
    CDomainArticolo byBarcode(&db);
    byBarcode.Set_CODICE_EAN(k);
    if (!Found(db, [&] { return byBarcode.DB_Load(); }))
        return false;
    how = byBarcode.Get_CODICE_EAN() == k ? "its EAN" : "barcode " + key;
    article = byBarcode;
    return true;
}

}  // namespace orvelmag

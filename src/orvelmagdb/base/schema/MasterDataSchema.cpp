// The tables and views of the master data: VAT codes, units, departments and the category,
// family and group tree. Keys are text codes; amounts are TEXT holding the invariant decimal form,
// so that no database rounds them.
#include "orvelmagdb/base/detail/CatalogueTable.h"
#include "orvelmagdb/base/detail/SchemaAreas.h"
#include "orvelmagdb/recordsets/catalogue/MasterDataCatalogue.h"

namespace orvel_schema {

void AddMasterDataSchema(CDialect::Kind /*kind*/, CSchemaDefinition& schema)
{
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CIvaSet), {{"CODICE", "NOT NULL PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CUnitaMisuraSet), {{"ID", "NOT NULL PRIMARY KEY"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CRepartoSet), {{"ID", "NOT NULL PRIMARY KEY"},
        {"ID_IVA", "REFERENCES IVA (CODICE)"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CCategoriaSet), {{"ID", "NOT NULL PRIMARY KEY"},
        {"ID_REPARTO", "REFERENCES REPARTO (ID)"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CFamigliaSet), {{"ID", "NOT NULL PRIMARY KEY"},
        {"ID_CATEGORIA", "REFERENCES CATEGORIA (ID)"}});
    AddCatalogueTable(schema, ORVEL_CATALOGUE_TABLE(CGruppoSet), {{"ID", "NOT NULL PRIMARY KEY"},
        {"ID_FAMIGLIA", "REFERENCES FAMIGLIA (ID)"}});

    schema.AddIndex("IX_REPARTO_IVA", "REPARTO", "ID_IVA");
    schema.AddIndex("IX_CATEGORIA_REPARTO", "CATEGORIA", "ID_REPARTO");
    schema.AddIndex("IX_FAMIGLIA_CATEGORIA", "FAMIGLIA", "ID_CATEGORIA");
    schema.AddIndex("IX_GRUPPO_FAMIGLIA", "GRUPPO", "ID_FAMIGLIA");

    schema.AddView("REPARTO_COMPLETO",
                   "SELECT R.ID AS REP_ID, R.DESCRIZIONE AS REP_DESCRIZIONE, R.ID_IVA AS REP_IVA_ID, "
                   "I.ALIQUOTA AS REP_IVA_ALIQUOTA, I.CODICE_CASSA AS REP_IVA_CODICE_CASSA, "
                   "R.PREZZO_MINIMO AS REP_PREZZO_MINIMO, R.PREZZO_MASSIMO AS REP_PREZZO_MASSIMO, "
                   "R.PREZZO_DUE AS REP_PREZZO_DUE, R.PREZZO_UNO AS REP_PREZZO_UNO, R.STAMPANTE AS REP_STAMPANTE, "
                   "R.ID_SOCIETA AS REP_SOCIETA_ID, S.NOME AS REP_SOCIETA_NOME "
                   "FROM REPARTO R LEFT JOIN IVA I ON I.CODICE = R.ID_IVA LEFT JOIN SOCIETA S ON S.ID = R.ID_SOCIETA");
    schema.AddView("FAMIGLIA_LIST",
                   "SELECT F.ID AS ID, F.DESCRIZIONE AS DESCRIZIONE, F.ID_CATEGORIA AS CAT_ID, "
                   "C.F_COMPLETA AS CAT_F_COMPLETA FROM FAMIGLIA F LEFT JOIN CATEGORIA C ON C.ID = F.ID_CATEGORIA");
}

}  // namespace orvel_schema

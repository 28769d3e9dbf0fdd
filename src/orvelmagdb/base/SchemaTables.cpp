// The tables, views and indexes of the shop database, written once for both databases.
// Keys of articles and of the code tables are text; ids of companies, documents, schedules and
// the like are integers. Amounts, prices, rates and quantities are TEXT holding the invariant
// decimal form, so that no database rounds them.
#include "orvelmagdb/base/Schema.h"

const std::vector<CSchema::Table>& CSchema::Tables()
{
    static const std::vector<Table> tables = {
        // Companies of the group using the database (the partner library owns their details).
        {"SOCIETA", "ID INTEGER PRIMARY KEY, NOME TEXT, RAGIONE_SOCIALE TEXT"},

        // Master data.
        {"IVA", "CODICE TEXT PRIMARY KEY, DESCRIZIONE TEXT, ALIQUOTA TEXT, CODICE_CASSA INTEGER, NOTE TEXT"},
        {"UNITA_MISURA", "ID TEXT PRIMARY KEY, DESCRIZIONE TEXT"},
        {"REPARTO",
         "ID TEXT PRIMARY KEY, DESCRIZIONE TEXT, ID_IVA TEXT REFERENCES IVA (CODICE), PREZZO_MINIMO TEXT, "
         "PREZZO_MASSIMO TEXT, PREZZO_DUE TEXT, PREZZO_UNO TEXT, STAMPANTE TEXT, ID_SOCIETA INTEGER"},
        {"CATEGORIA",
         "ID TEXT PRIMARY KEY, DESCRIZIONE TEXT, DESCRIZIONE_ESTESA TEXT, FILE_FOTO TEXT, F_COMPLETA INTEGER, "
         "DESCRIZIONE_ESTESA2 TEXT, FILE_FOTO2 TEXT, ID_REPARTO TEXT REFERENCES REPARTO (ID)"},
        {"FAMIGLIA",
         "ID TEXT PRIMARY KEY, DESCRIZIONE TEXT, DESCRIZIONE_ESTESA TEXT, FILE_FOTO TEXT, "
         "ID_CATEGORIA TEXT REFERENCES CATEGORIA (ID), DESCRIZIONE_ESTESA2 TEXT, FILE_FOTO2 TEXT, "
         "PERC_COSTO_OMAGGIO TEXT"},
        {"GRUPPO",
         "ID TEXT PRIMARY KEY, DESCRIZIONE TEXT, DESCRIZIONE_ESTESA TEXT, FILE_FOTO TEXT, "
         "ID_FAMIGLIA TEXT REFERENCES FAMIGLIA (ID), DESCRIZIONE_ESTESA2 TEXT, FILE_FOTO2 TEXT"},
    };
    return tables;
}

const std::vector<CSchema::View>& CSchema::Views()
{
    static const std::vector<View> views = {
        {"REPARTO_COMPLETO",
         "SELECT R.ID AS REP_ID, R.DESCRIZIONE AS REP_DESCRIZIONE, R.ID_IVA AS REP_IVA_ID, "
         "I.ALIQUOTA AS REP_IVA_ALIQUOTA, I.CODICE_CASSA AS REP_IVA_CODICE_CASSA, "
         "R.PREZZO_MINIMO AS REP_PREZZO_MINIMO, R.PREZZO_MASSIMO AS REP_PREZZO_MASSIMO, "
         "R.PREZZO_DUE AS REP_PREZZO_DUE, R.PREZZO_UNO AS REP_PREZZO_UNO, R.STAMPANTE AS REP_STAMPANTE, "
         "R.ID_SOCIETA AS REP_SOCIETA_ID, S.NOME AS REP_SOCIETA_NOME "
         "FROM REPARTO R LEFT JOIN IVA I ON I.CODICE = R.ID_IVA LEFT JOIN SOCIETA S ON S.ID = R.ID_SOCIETA"},
        {"FAMIGLIA_LIST",
         "SELECT F.ID AS ID, F.DESCRIZIONE AS DESCRIZIONE, F.ID_CATEGORIA AS CAT_ID, C.F_COMPLETA AS CAT_F_COMPLETA "
         "FROM FAMIGLIA F LEFT JOIN CATEGORIA C ON C.ID = F.ID_CATEGORIA"},
    };
    return views;
}

const std::vector<CSchema::Index>& CSchema::Indexes()
{
    static const std::vector<Index> indexes = {
        {"IX_REPARTO_IVA", "REPARTO", "ID_IVA"},
        {"IX_FAMIGLIA_CATEGORIA", "FAMIGLIA", "ID_CATEGORIA"},
        {"IX_GRUPPO_FAMIGLIA", "GRUPPO", "ID_FAMIGLIA"},
    };
    return indexes;
}

const std::vector<const char*>& CSchema::GeneratedIdTables()
{
    static const std::vector<const char*> tables = {"DOCUMENTO",      "EFFETTO",   "EMISSIONE_BUONO", "PRELIEVO_BANCO",
                                                    "PROMOZIONE",     "SCADENZA",  "SCADENZARIO"};
    return tables;
}

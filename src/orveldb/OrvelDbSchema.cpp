// The tables and views of the partner library: the companies of the group and their sites (a
// depot is a company site that holds goods), staff and agents, banks and accounts, discount
// bands, price lists, business partners (customers and suppliers) with their sites, and the coins
// and banknotes of the till.
//
// Partner and site columns keep the compact names the partner library has always used
// (RAGIONESOCIALE, PARTITAIVA, IDAZIENDA, NOMEZONAPOSTALE...); the hosts filter partner sites by
// "IDAZIENDA = n" and order them by F_PRIMARIA. Band and price-list keys are text codes, the
// others integer ids that the host assigns. Percentages and amounts are TEXT in the invariant
// decimal form, as everywhere in the shop database.
#include "orveldb/detail/OrvelDbSchema.h"

namespace orveldb {

void AddSchema(CDialect::Kind /*kind*/, CSchemaDefinition& schema)
{
    // Companies of the group that share the database, with what their printed documents carry.
    schema.AddTable("SOCIETA",
                    "ID INTEGER PRIMARY KEY, NOME TEXT, RAGIONE_SOCIALE TEXT, PARTITA_IVA TEXT, CODICE_FISCALE TEXT, "
                    "INFO1 TEXT, INFO2 TEXT, FILE_LOGO TEXT, FILE_TESTATA TEXT, FILE_PIEPAGINA TEXT");
    // Kinds of site: registered office, shop, warehouse, delivery address...
    schema.AddTable("TIPO_SEDE", "ID INTEGER PRIMARY KEY, NOME TEXT");
    // Sites of a company; those with F_DEPOSITO = 1 are depots, and ID_DEPOSITO of documents and
    // stock rows names one of them.
    schema.AddTable("SEDE_SOCIETA",
                    "ID INTEGER PRIMARY KEY, ID_SOCIETA INTEGER REFERENCES SOCIETA (ID) ON DELETE CASCADE, "
                    "IDTIPOSEDE INTEGER REFERENCES TIPO_SEDE (ID), VIA TEXT, CAP TEXT, NOMEZONAPOSTALE TEXT, "
                    "SIGLAPROVINCIA TEXT, TELEFONO TEXT, F_DEPOSITO INTEGER, F_PRIMARIA INTEGER");
    // Staff of a company: shop assistants, cashiers and agents (F_AGENTE = 1), each working at a
    // company site. Documents name the agent of their site by ID_AGENTE_SEDE_SOCIETA.
    schema.AddTable("COLLABORATORE",
                    "ID INTEGER PRIMARY KEY, COGNOME TEXT, NOME TEXT, ID_SOCIETA INTEGER REFERENCES SOCIETA (ID), "
                    "ID_SEDE_SOCIETA INTEGER REFERENCES SEDE_SOCIETA (ID), F_AGENTE INTEGER, PROVVIGIONE TEXT");
    // Banks (ABI code) and their branches (CAB code).
    schema.AddTable("BANCA", "ID INTEGER PRIMARY KEY, DESCRIZIONE TEXT, ABI TEXT");
    schema.AddTable("BANCA_AGENZIA",
                    "ID INTEGER PRIMARY KEY, ID_BANCA INTEGER REFERENCES BANCA (ID), DESCRIZIONE TEXT, CAB TEXT, "
                    "VIA TEXT, NOMEZONAPOSTALE TEXT");
    // Accounts money is paid into or out of: a bank account at a branch, or a cash account
    // without branch.
    schema.AddTable("CONTO",
                    "ID INTEGER PRIMARY KEY, DESCRIZIONE TEXT, ID_SOCIETA INTEGER REFERENCES SOCIETA (ID), "
                    "ID_BANCA_AGENZIA INTEGER REFERENCES BANCA_AGENZIA (ID), CIN TEXT, CONTO_CORRENTE TEXT, IBAN TEXT");
    // Discount bands: four cascading discounts and the agent's commission, in percent.
    schema.AddTable("SCONTO",
                    "ID TEXT NOT NULL PRIMARY KEY, DESCRIZIONE TEXT, SCONTO_1 TEXT, SCONTO_2 TEXT, SCONTO_3 TEXT, "
                    "SCONTO_4 TEXT, PROVVIGIONE TEXT");
    // Price lists: TIPO_LISTINO 1 for sale prices, -1 for purchase prices; F_IVATO = 1 when its
    // prices include VAT.
    schema.AddTable("LISTINO", "ID TEXT NOT NULL PRIMARY KEY, DESCRIZIONE TEXT, TIPO_LISTINO INTEGER, F_IVATO INTEGER");
    // Business partners. F_TIPO_RAPPORTO is the relation with the shop: 1 customer, 2 supplier
    // (schedules and bills turn it into receivable / payable); F_TIPO the legal kind as a short
    // text. The payment formula is read by schedules; band and price list by document lines.
    schema.AddTable("AZIENDA",
                    "ID INTEGER PRIMARY KEY, RAGIONESOCIALE TEXT, ATTIVITASPECIFICA TEXT, PARTITAIVA TEXT, "
                    "CODICEFISCALE TEXT, DATAINSERIMENTO TIMESTAMP, INFO1 TEXT, INFO2 TEXT, INFO3 TEXT, INFO4 TEXT, "
                    "INFO5 TEXT, INFO6 TEXT, INFOSINO1 INTEGER, INFOSINO2 INTEGER, INFOSINO3 INTEGER, "
                    "INFOSINO4 INTEGER, INFOSINO5 INTEGER, NOTE TEXT, INIZIALE TEXT, IDSOTTOSETTORE INTEGER, "
                    "IDFORMAGIURIDICA INTEGER, F_TIPO_RAPPORTO INTEGER, F_TIPO TEXT, ID_FORMULA_PAGAMENTO INTEGER, "
                    "ID_SCONTO TEXT REFERENCES SCONTO (ID), ID_LISTINO TEXT REFERENCES LISTINO (ID), "
                    "ID_AGENTE INTEGER REFERENCES COLLABORATORE (ID), "
                    "ID_BANCA_AGENZIA INTEGER REFERENCES BANCA_AGENZIA (ID), TELEFONO TEXT, EMAIL TEXT");
    // Sites of a partner: invoicing and delivery addresses. F_PRIMARIA = 1 marks the main one.
    schema.AddTable("SEDE_AZIENDA",
                    "ID INTEGER PRIMARY KEY, IDAZIENDA INTEGER NOT NULL REFERENCES AZIENDA (ID) ON DELETE CASCADE, "
                    "IDTIPOSEDE INTEGER REFERENCES TIPO_SEDE (ID), VIA TEXT, CAP TEXT, NOMEZONAPOSTALE TEXT, "
                    "SIGLAPROVINCIA TEXT, NAZIONE TEXT, TELEFONO TEXT, F_PRIMARIA INTEGER");
    // Coins and banknotes the till counts, with their face value.
    schema.AddTable("PEZZO_MONETA", "ID INTEGER PRIMARY KEY, DESCRIZIONE TEXT, VALORE TEXT, F_BANCONOTA INTEGER");

    schema.AddIndex("IX_SEDE_SOCIETA_SOCIETA", "SEDE_SOCIETA", "ID_SOCIETA");
    schema.AddIndex("IX_COLLABORATORE_SEDE", "COLLABORATORE", "ID_SEDE_SOCIETA");
    schema.AddIndex("IX_BANCA_AGENZIA_BANCA", "BANCA_AGENZIA", "ID_BANCA");
    schema.AddIndex("IX_AZIENDA_RAGIONESOCIALE", "AZIENDA", "RAGIONESOCIALE");
    schema.AddIndex("IX_AZIENDA_AGENTE", "AZIENDA", "ID_AGENTE");
    schema.AddIndex("IX_SEDE_AZIENDA_AZIENDA", "SEDE_AZIENDA", "IDAZIENDA, F_PRIMARIA");

    // A partner's site with the partner's name and the kind of site.
    schema.AddView("SEDE_COMPLETA",
                   "SELECT S.ID AS ID, S.IDAZIENDA AS IDAZIENDA, A.RAGIONESOCIALE AS RAGIONESOCIALE, "
                   "S.IDTIPOSEDE AS IDTIPOSEDE, T.NOME AS NOMETIPOSEDE, S.VIA AS VIA, S.CAP AS CAP, "
                   "S.NOMEZONAPOSTALE AS NOMEZONAPOSTALE, S.SIGLAPROVINCIA AS SIGLAPROVINCIA, S.NAZIONE AS NAZIONE, "
                   "S.TELEFONO AS TELEFONO, S.F_PRIMARIA AS F_PRIMARIA "
                   "FROM SEDE_AZIENDA S LEFT JOIN AZIENDA A ON A.ID = S.IDAZIENDA "
                   "LEFT JOIN TIPO_SEDE T ON T.ID = S.IDTIPOSEDE");
    // An account with its branch and bank.
    schema.AddView("CONTO_COMPLETO",
                   "SELECT C.ID AS ID, C.DESCRIZIONE AS DESCRIZIONE, C.ID_SOCIETA AS ID_SOCIETA, "
                   "B.ID AS BANCA_ID, B.DESCRIZIONE AS BANCA_DESCRIZIONE, B.ABI AS BANCA_ABI, "
                   "G.ID AS AGENZIA_ID, G.DESCRIZIONE AS AGENZIA_DESCRIZIONE, G.CAB AS AGENZIA_CAB, "
                   "C.CIN AS CIN, C.CONTO_CORRENTE AS CONTO_CORRENTE, C.IBAN AS IBAN "
                   "FROM CONTO C LEFT JOIN BANCA_AGENZIA G ON G.ID = C.ID_BANCA_AGENZIA "
                   "LEFT JOIN BANCA B ON B.ID = G.ID_BANCA");
    // A partner with its discount band and price list, in the order the discount information of
    // a document line reads them: partner id, band id and description, the four discounts and the
    // commission, then the price list's description and id.
    schema.AddView("AZIENDA_SCONTO_COMPLETO",
                   "SELECT A.ID AS ID, S.ID AS SCONTO_ID, S.DESCRIZIONE AS SCONTO_DESCRIZIONE, "
                   "S.SCONTO_1 AS SCONTO_SCONTO_1, S.SCONTO_2 AS SCONTO_SCONTO_2, S.SCONTO_3 AS SCONTO_SCONTO_3, "
                   "S.SCONTO_4 AS SCONTO_SCONTO_4, S.PROVVIGIONE AS SCONTO_PROVVIGIONE, "
                   "L.DESCRIZIONE AS LISTINO_DESCRIZIONE, L.ID AS LISTINO_ID, A.RAGIONESOCIALE AS RAGIONESOCIALE "
                   "FROM AZIENDA A LEFT JOIN SCONTO S ON S.ID = A.ID_SCONTO LEFT JOIN LISTINO L ON L.ID = A.ID_LISTINO");
}

}  // namespace orveldb

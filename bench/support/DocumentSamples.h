// The warehouse documents the document benchmarks build and save: line n of a document, with
// varied quantities and prices, one or two discounts on most lines, VAT codes 22 and 10 and a free
// gift every fiftieth line (half of them charged with VAT); a header of reason 1, series "B", an
// extra discount of 5 and transport expenses; and the save a till makes, numbered and written in
// one transaction under the documents' writer lock.
#pragma once

#include <cstdio>

#include "odbc/Database.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumento.h"
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"

namespace bench_documents {

// The reason of every benchmark document: a sale that unloads stock, numbered per series "B".
constexpr long kReason = 1;
constexpr const char* kSeries = "B";
// The writer lock every document writer takes around numbering and saving, the host's too.
constexpr const char* kDocumentWriterLock = "DOCUMENTO";

// The shop's default configuration (precisions, current user, expenses' VAT code), once.
inline void Configure()
{
    static const bool done = [] {
        CApplicationAdministrator::GetInstance()->LoadConfigFile(ORVEL_SOURCE_DIR "/config/default.conf");
        return true;
    }();
    (void)done;
}

inline Decimal D(const char* text)
{
    return Decimal(text, 127);
}

inline CDomainVoceDocumentoMagazzino Line(long n)
{
    CDomainVoceDocumentoMagazzino line;
    char text[32];
    std::snprintf(text, sizeof text, "A%07ld", n % 10 + 1);
    line.Set_TIPO("A");
    line.Set_ID_ARTICOLO(text);
    line.Set_DESCRIZIONE(CString("Articolo ") + text);
    line.Set_UM("PZ");
    std::snprintf(text, sizeof text, "%ld.%03ld", 1 + n % 7, (n * 250) % 1000);
    line.Set_QUANTITA(D(text));
    std::snprintf(text, sizeof text, "%ld.%02ld", 2 + (n * 37) % 150, (n * 13) % 100);
    line.Set_PREZZO_PZ(D(text), false);
    std::snprintf(text, sizeof text, "%ld.%02ld", 1 + (n * 37) % 100, (n * 7) % 100);
    line.Set_PREZZO_ACQUISTO(D(text));
    const bool reduced = n % 3 == 0;
    line.Set_ID_IVA(reduced ? "10" : "22", false);
    line.Set_ALIQUOTA_IVA(reduced ? D("10") : D("22"));
    if (n % 4 != 0)
        line.Set_SCONTO1(D(n % 2 == 0 ? "10" : "5"));
    if (n % 5 == 0)
        line.Set_SCONTO2(D("2.5"));
    if (n % 50 == 7) {
        line.Set_QUANTITA_OMAGGIO(D("1"));
        line.Set_SCONTA_IVA(n % 100 == 7 ? 0 : 1);
    }
    line.Set_PROVVIGIONE(D("3"));
    line.Set_NRIGA(n + 1);
    return line;
}

inline void AddLines(CDomainDocumento& doc, long count)
{
    CDomainDettaglioDocumento* detail = doc.Ref_DETTAGLIO();
    for (long n = 0; n < count; ++n) {
        const CDomainVoceDocumentoMagazzino line = Line(n);
        detail->Add(&line, false);
    }
}

// Extra discount and transport expenses at VAT 22.
inline void SetAmounts(CDomainDocumento& doc)
{
    doc.Set_SCONTO_EXTRA(D("5"));
    doc.Set_SPESE_TRASPORTO(D("10.05"));
    doc.Set_ID_IVA_SPESE_TRASPORTO("22");
    doc.Set_ALIQUOTA_IVA_SPESE_TRASPORTO(D("22"));
}

// One new document of `lines` lines, built, numbered and saved as a till does: the counter is
// read and the document written in the same transaction, under the writer lock, so that no other
// writer takes the same number in between. Its key, or -1 when the save failed.
inline long SaveDocument(CDatabase& db, long lines)
{
    CDomainDocumentoMagazzino doc(&db);
    doc.SetCausale(kReason);
    doc.Set_SERIE(kSeries);
    SetAmounts(doc);
    AddLines(doc, lines);
    doc.Ricalcola_TOTALI();
    CTransactionGuard transaction(db, kDocumentWriterLock);
    doc.Set_NUMERO(doc.GeneraNumeroDocumento() + 1);
    if (!doc.DB_AddNew())
        return -1;
    transaction.Commit();
    return doc.Get_ID();
}

}  // namespace bench_documents

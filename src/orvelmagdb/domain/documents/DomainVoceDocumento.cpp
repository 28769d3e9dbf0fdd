// The document line: defaults and precisions, copying with the rounding of every field, the
// three setters that derive one value from another, the amounts of the line built from the
// shared amounts arithmetic, equality and sum for merging, and the row mapping that the concrete
// kinds share.
#include "orvelmagdb/domain/documents/DomainVoceDocumento.h"

#include <cstdlib>

#include "odbc/DBException.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/domain/promotions/DomainInformazioneSconti.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoModaOperSet.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoOperSet.h"
#include "orvelmagdb/recordsets/documentlines/VociDocumentoSet.h"
#include "orvelmagdb/recordsets/documentlines/detail/VociDocumentoModaLoadSet.h"
#include "orvelmagdb/recordsets/masterdata/IvaSet.h"

using Amounts::CascadeFactor;
using Amounts::PercentOf;
using Amounts::Rounded;

namespace {

int ConfigInt(const char* key) { return CApplicationAdministrator::GetInstance()->GetConfig()->GetParamAsInt(key); }

}  // namespace

CDomainVoceDocumento::CDomainVoceDocumento(CDatabase* pDatabase)
    : CDomainClass(pDatabase),
      m_nPrecisioneQuantita(ConfigInt("precisione/quantita")),
      m_nPrecisionePrezzi(ConfigInt("precisione/prezzi")),
      m_nPrecisioneSconti(ConfigInt("precisione/sconti")),
      m_nPrecisioneIva(ConfigInt("precisione/iva")),
      ID(-1),
      SCONTA_IVA(1),
      MOLTIPLICATORE_QTA(1),
      COEFFICIENTE_UM(1L),
      TIPO("A"),
      PZ_X_CONF("1"),
      NUMERO_IMBALLI(0),
      LOTTO_ANNO(-1),
      LOTTO_NUMERO(-1),
      NRIGA(0)
{
    RoundFields();
}

CDomainVoceDocumento::CDomainVoceDocumento(const CDomainVoceDocumento& other) : CDomainClass(other)
{
    CDomainVoceDocumento::operator=(other);
}

CDomainVoceDocumento::~CDomainVoceDocumento() = default;

CDomainVoceDocumento& CDomainVoceDocumento::operator=(const CDomainVoceDocumento& other)
{
    if (this == &other)
        return *this;
    // The connection and the transaction flag are the target's own: only the line travels.
    m_nPrecisioneQuantita = other.m_nPrecisioneQuantita;
    m_nPrecisionePrezzi = other.m_nPrecisionePrezzi;
    m_nPrecisioneSconti = other.m_nPrecisioneSconti;
    m_nPrecisioneIva = other.m_nPrecisioneIva;
    ID = other.ID;
    ID_ARTICOLO = other.ID_ARTICOLO;
    DESCRIZIONE = other.DESCRIZIONE;
    UM = other.UM;
    QUANTITA = other.QUANTITA;
    QUANTITA_EVASA = other.QUANTITA_EVASA;
    QUANTITA_DA_EVADERE = other.QUANTITA_DA_EVADERE;
    QUANTITA_OMAGGIO = other.QUANTITA_OMAGGIO;
    QUANTITA_OMAGGIO_PAGATA = other.QUANTITA_OMAGGIO_PAGATA;
    SCONTA_IVA = other.SCONTA_IVA;
    MOLTIPLICATORE_QTA = other.MOLTIPLICATORE_QTA;
    COEFFICIENTE_UM = other.COEFFICIENTE_UM;
    // The complete price is the host's value, stored and loaded with the line: a copy keeps it.
    PREZZO_COMPLETO = other.PREZZO_COMPLETO;
    PREZZO_PZ = other.PREZZO_PZ;
    PREZZO_PZ_IVATO = other.PREZZO_PZ_IVATO;
    PREZZO_ACQUISTO = other.PREZZO_ACQUISTO;
    ALIQUOTA_IVA = other.ALIQUOTA_IVA;
    ID_IVA = other.ID_IVA;
    SCONTO1 = other.SCONTO1;
    SCONTO2 = other.SCONTO2;
    SCONTO3 = other.SCONTO3;
    SCONTO4 = other.SCONTO4;
    SCONTO_EXTRA = other.SCONTO_EXTRA;
    PROVVIGIONE = other.PROVVIGIONE;
    TIPO = other.TIPO;
    PZ_X_CONF = other.PZ_X_CONF;
    CODICE_EAN = other.CODICE_EAN;
    INFO1 = other.INFO1;
    INFO2 = other.INFO2;
    INFO3 = other.INFO3;
    INFO4 = other.INFO4;
    INFO5 = other.INFO5;
    INFO6 = other.INFO6;
    ID_SCONTO = other.ID_SCONTO;
    ID_LISTINO = other.ID_LISTINO;
    ID_IMBALLO = other.ID_IMBALLO;
    NUMERO_IMBALLI = other.NUMERO_IMBALLI;
    QUANTITA_LORDA = other.QUANTITA_LORDA;
    PESO_IMBALLO = other.PESO_IMBALLO;
    LOTTO_ANNO = other.LOTTO_ANNO;
    LOTTO_NUMERO = other.LOTTO_NUMERO;
    NRIGA = other.NRIGA;
    NOTE = other.NOTE;
    RoundFields();
    return *this;
}

CDomainVoceDocumento* CDomainVoceDocumento::Clone() const { return new CDomainVoceDocumento(*this); }

void CDomainVoceDocumento::Reset() {}

void CDomainVoceDocumento::RoundFields()
{
    for (Decimal* quantity : {&QUANTITA, &QUANTITA_EVASA, &QUANTITA_DA_EVADERE, &QUANTITA_OMAGGIO, &QUANTITA_LORDA,
                              &PESO_IMBALLO})
        quantity->Round3(m_nPrecisioneQuantita);
    QUANTITA_OMAGGIO_PAGATA.Round3(kPrecisioneOmaggioPagato);
    for (Decimal* price : {&PREZZO_PZ, &PREZZO_PZ_IVATO, &PREZZO_ACQUISTO, &PREZZO_COMPLETO})
        price->Round3(m_nPrecisionePrezzi);
    for (Decimal* percent : {&SCONTO1, &SCONTO2, &SCONTO3, &SCONTO4, &SCONTO_EXTRA, &PROVVIGIONE})
        percent->Round3(m_nPrecisioneSconti);
    ALIQUOTA_IVA.Round3(m_nPrecisioneIva);
    COEFFICIENTE_UM.Round3(kPrecisioneCoefficienteUm);
}

// ---- prices and VAT code ----

void CDomainVoceDocumento::Set_PREZZO_PZ(const Decimal& value, bool derive)
{
    (PREZZO_PZ = value).Round3(m_nPrecisionePrezzi);
    if (derive)
        PREZZO_PZ_IVATO = Rounded(CDomainArticolo::CalcolaPrezzoIvato(PREZZO_PZ, ALIQUOTA_IVA), m_nPrecisionePrezzi);
}

void CDomainVoceDocumento::Set_PREZZO_PZ(const CString& value, bool derive) { Set_PREZZO_PZ(Decimal(value, 127), derive); }

void CDomainVoceDocumento::Set_PREZZO_PZ_IVATO(const Decimal& value, bool derive)
{
    (PREZZO_PZ_IVATO = value).Round3(m_nPrecisionePrezzi);
    if (derive)
        PREZZO_PZ = Rounded(CDomainArticolo::CalcolaPrezzoDaIvato(PREZZO_PZ_IVATO, ALIQUOTA_IVA), m_nPrecisionePrezzi);
}

void CDomainVoceDocumento::Set_PREZZO_PZ_IVATO(const CString& value, bool derive)
{
    Set_PREZZO_PZ_IVATO(Decimal(value, 127), derive);
}

void CDomainVoceDocumento::Set_ID_IVA(const CString& value, bool lookUpRate)
{
    ID_IVA = value;
    if (!lookUpRate)
        return;
    // A failure to read the table is shown and leaves the rate as it was: the line stays usable.
    ReportDBErrors([this] {
        CIvaSet rs(GetDatabase());
        rs.m_strFilter.Format("CODICE = '%s'", (LPCTSTR)SetFilterParam(ID_IVA));
        rs.Open();
        if (!rs.IsEOF())
            ALIQUOTA_IVA = Rounded(Decimal(rs.ALIQUOTA, 127), m_nPrecisioneIva);
        rs.Close();
        return true;
    });
}

// ---- building blocks ----

Decimal CDomainVoceDocumento::Get_QT_X_PR() const { return Decimal(MOLTIPLICATORE_QTA) * QUANTITA * PREZZO_PZ; }

Decimal CDomainVoceDocumento::Get_QTO_X_PR() const
{
    return Decimal(MOLTIPLICATORE_QTA) * QUANTITA_OMAGGIO * PREZZO_PZ;
}

Decimal CDomainVoceDocumento::Get_QT_M_QTO_X_PR() const
{
    return Decimal(MOLTIPLICATORE_QTA) * (QUANTITA - QUANTITA_OMAGGIO) * PREZZO_PZ;
}

Decimal CDomainVoceDocumento::Get_QT_M_QTO_X_PR_POSITIVO() const
{
    Decimal gross = Get_QT_M_QTO_X_PR();
    return gross.MakeAbsolute();
}

Decimal CDomainVoceDocumento::Get_QTOPAG_X_PR() const
{
    return Decimal(MOLTIPLICATORE_QTA) * QUANTITA_OMAGGIO_PAGATA * PREZZO_PZ;
}

Decimal CDomainVoceDocumento::Get_QT_X_PRACQ() const
{
    return Decimal(MOLTIPLICATORE_QTA) * COEFFICIENTE_UM * QUANTITA * PREZZO_ACQUISTO;
}

Decimal CDomainVoceDocumento::Get_QTO_X_PRACQ() const
{
    return Decimal(MOLTIPLICATORE_QTA) * COEFFICIENTE_UM * QUANTITA_OMAGGIO * PREZZO_ACQUISTO;
}

Decimal CDomainVoceDocumento::Get_QT_M_QTO_X_PRACQ() const
{
    return Decimal(MOLTIPLICATORE_QTA) * COEFFICIENTE_UM * (QUANTITA - QUANTITA_OMAGGIO) * PREZZO_ACQUISTO;
}

Decimal CDomainVoceDocumento::Get_QTOPAG_X_PRACQ() const
{
    return Decimal(MOLTIPLICATORE_QTA) * COEFFICIENTE_UM * QUANTITA_OMAGGIO_PAGATA * PREZZO_ACQUISTO;
}

Decimal CDomainVoceDocumento::Get_FATTORE_SCONTO_1() const { return CascadeFactor({SCONTO1}); }

Decimal CDomainVoceDocumento::Get_FATTORE_SCONTO_2() const { return CascadeFactor({SCONTO1, SCONTO2}); }

Decimal CDomainVoceDocumento::Get_FATTORE_SCONTO_3() const { return CascadeFactor({SCONTO1, SCONTO2, SCONTO3}); }

Decimal CDomainVoceDocumento::Get_FATTORE_SCONTO() const { return CascadeFactor({SCONTO1, SCONTO2, SCONTO3, SCONTO4}); }

Decimal CDomainVoceDocumento::Get_FATTORE_SCONTO_TOTALE(const Decimal& extra) const
{
    return CascadeFactor({SCONTO1, SCONTO2, SCONTO3, SCONTO4, extra});
}

long CDomainVoceDocumento::Get_INV_SCONTA_IVA() const
{
    return std::labs(std::labs(SCONTA_IVA) - 1);
}

long CDomainVoceDocumento::Get_FLAG_IVA() const { return ALIQUOTA_IVA > Decimal() ? 1 : 0; }

long CDomainVoceDocumento::Get_FLAG_OMAGGIO() const { return SCONTA_IVA <= 0 ? 1 : 0; }

long CDomainVoceDocumento::Get_FLAG_SCONTO() const { return SCONTA_IVA > 0 ? 1 : 0; }

// ---- amounts ----

// Discounts apply only to a positive unit price: a zero or negative price (a return, a refund
// line) keeps its paid gross whole.
Decimal CDomainVoceDocumento::Scontato(const Decimal& extra) const
{
    Decimal gross = Get_QT_M_QTO_X_PR();
    if (PREZZO_PZ > Decimal())
        gross *= Get_FATTORE_SCONTO_TOTALE(extra);
    return gross;
}

// A negative rate marks a code outside the VAT field (exempt by law, not taxed at all): such a
// line has no taxable amount, so it is charged no VAT either, and its total is its net amount.
Decimal CDomainVoceDocumento::AliquotaApplicata() const { return ALIQUOTA_IVA < Decimal() ? Decimal() : ALIQUOTA_IVA; }

Decimal CDomainVoceDocumento::OmaggioConIva() const { return Get_QTO_X_PR() * Decimal(Get_INV_SCONTA_IVA()); }

Decimal CDomainVoceDocumento::Get_TOTALE_IMPORTO() const { return Rounded(Get_QT_X_PR(), m_nPrecisionePrezzi); }

Decimal CDomainVoceDocumento::Get_TOTALE_IMPORTO_ACQUISTO() const
{
    return Rounded(Get_QT_M_QTO_X_PRACQ() + Get_QTOPAG_X_PRACQ(), m_nPrecisionePrezzi);
}

Decimal CDomainVoceDocumento::Get_TOTALE_OMAGGIO() const
{
    return Rounded(Get_QTO_X_PR() * Decimal(Get_FLAG_OMAGGIO()), m_nPrecisionePrezzi);
}

Decimal CDomainVoceDocumento::Get_TOTALE_IMPONIBILE(const Decimal& extra) const
{
    if (ALIQUOTA_IVA < Decimal())
        return Rounded(Decimal(), m_nPrecisionePrezzi);
    return Rounded(Scontato(extra) + OmaggioConIva(), m_nPrecisionePrezzi);
}

Decimal CDomainVoceDocumento::Get_TOTALE_IMPONIBILE_NOSCONTOEXTRA() const
{
    if (ALIQUOTA_IVA < Decimal())
        return Rounded(Decimal(), m_nPrecisionePrezzi);
    Decimal gross = Get_QT_M_QTO_X_PR();
    if (PREZZO_PZ > Decimal())
        gross *= Get_FATTORE_SCONTO();
    return Rounded(gross + OmaggioConIva(), m_nPrecisionePrezzi);
}

Decimal CDomainVoceDocumento::Get_TOTALE_IMPORTO_NETTO(const Decimal& extra) const
{
    return Rounded(Scontato(extra), m_nPrecisionePrezzi);
}

Decimal CDomainVoceDocumento::Get_TOTALE_IVA(const Decimal& extra) const
{
    return Rounded(PercentOf(Scontato(extra) + OmaggioConIva(), AliquotaApplicata()), m_nPrecisionePrezzi);
}

Decimal CDomainVoceDocumento::Get_TOTALE(const Decimal& extra) const
{
    const Decimal net = Scontato(extra);
    return Rounded(net + PercentOf(net + OmaggioConIva(), AliquotaApplicata()), m_nPrecisionePrezzi);
}

Decimal CDomainVoceDocumento::Get_TOTALE_SCONTO(const Decimal& extra) const
{
    if (PREZZO_PZ <= Decimal())
        return Rounded(Decimal(), m_nPrecisionePrezzi);
    const Decimal gross = Get_QT_M_QTO_X_PR();
    // The free gift given as a discount, then each discount on what the previous ones left.
    Decimal total = SCONTA_IVA > 0 ? Get_QTO_X_PR() : Decimal();
    // The factors are built one from the other, as the cascade builds them.
    const Decimal f1 = CascadeFactor({SCONTO1});
    const Decimal f2 = f1 * Amounts::Remainder(SCONTO2);
    const Decimal f3 = f2 * Amounts::Remainder(SCONTO3);
    const Decimal f = f3 * Amounts::Remainder(SCONTO4);
    total += PercentOf(gross, SCONTO1);
    total += PercentOf(gross * f1, SCONTO2);
    total += PercentOf(gross * f2, SCONTO3);
    total += PercentOf(gross * f3, SCONTO4);
    total += PercentOf(gross * f, extra);
    return Rounded(total, m_nPrecisionePrezzi);
}

Decimal CDomainVoceDocumento::Get_TOTALE_PROVVIGIONE(const Decimal& extra) const
{
    return Rounded(PercentOf(Get_TOTALE_IMPORTO_NETTO(extra), PROVVIGIONE), m_nPrecisionePrezzi);
}

CDomainVoceDocumento::Importi CDomainVoceDocumento::Get_IMPORTI(const Decimal& extra) const
{
    Importi result;
    result.importo = Get_TOTALE_IMPORTO();
    result.importoAcquisto = Get_TOTALE_IMPORTO_ACQUISTO();
    result.omaggio = Get_TOTALE_OMAGGIO();
    const Decimal net = Scontato(extra);
    result.importoNetto = Rounded(net, m_nPrecisionePrezzi);
    result.importoNettoSenzaExtra = Rounded(Scontato(Decimal()), m_nPrecisionePrezzi);
    const Decimal taxable = net + OmaggioConIva();
    result.imponibile = Rounded(ALIQUOTA_IVA < Decimal() ? Decimal() : taxable, m_nPrecisionePrezzi);
    result.iva = Rounded(PercentOf(taxable, AliquotaApplicata()), m_nPrecisionePrezzi);
    result.provvigione = Rounded(PercentOf(result.importoNetto, PROVVIGIONE), m_nPrecisionePrezzi);
    return result;
}

Decimal CDomainVoceDocumento::Get_PREZZO_FINITO_IVA_ESCLUSA() const
{
    return Rounded(PREZZO_PZ * Get_FATTORE_SCONTO_TOTALE(SCONTO_EXTRA), m_nPrecisionePrezzi);
}

Decimal CDomainVoceDocumento::Get_MARGINE_APPLICATO() const
{
    // Net price per base unit, before the extra discount; the multiplier takes no part.
    const Decimal base = PREZZO_PZ / COEFFICIENTE_UM * Get_FATTORE_SCONTO();
    const Decimal sold = QUANTITA - QUANTITA_OMAGGIO;
    const Decimal borne = sold + QUANTITA_OMAGGIO_PAGATA;
    Decimal margin;
    if (base > Decimal() && sold > Decimal())
        margin = (sold * base - borne * PREZZO_ACQUISTO) * Decimal(100L) / (sold * base);
    return margin.Round3(ConfigInt("precisione/sconti") + 1);
}

// ---- merging ----

bool CDomainVoceDocumento::operator==(const CDomainVoceDocumento& other) const
{
    // Only article lines merge; the other line's type is not looked at.
    return TIPO.Left(1) == "A" && ID_ARTICOLO == other.ID_ARTICOLO && CODICE_EAN == other.CODICE_EAN &&
           UM == other.UM && PREZZO_PZ == other.PREZZO_PZ && SCONTA_IVA == other.SCONTA_IVA &&
           ID_IVA == other.ID_IVA && SCONTO1 == other.SCONTO1 && SCONTO2 == other.SCONTO2 &&
           SCONTO3 == other.SCONTO3 && SCONTO4 == other.SCONTO4 && PROVVIGIONE == other.PROVVIGIONE &&
           ID_IMBALLO == other.ID_IMBALLO && LOTTO_ANNO == other.LOTTO_ANNO && LOTTO_NUMERO == other.LOTTO_NUMERO;
}

void CDomainVoceDocumento::AddQuantities(const CDomainVoceDocumento& other, bool withPackaging)
{
    Set_QUANTITA(QUANTITA + other.QUANTITA);
    Set_QUANTITA_OMAGGIO(QUANTITA_OMAGGIO + other.QUANTITA_OMAGGIO);
    Set_QUANTITA_OMAGGIO_PAGATA(QUANTITA_OMAGGIO_PAGATA + other.QUANTITA_OMAGGIO_PAGATA);
    Set_QUANTITA_DA_EVADERE(QUANTITA_DA_EVADERE + other.QUANTITA_DA_EVADERE);
    Set_QUANTITA_EVASA(QUANTITA_EVASA + other.QUANTITA_EVASA);
    if (withPackaging) {
        Set_QUANTITA_LORDA(QUANTITA_LORDA + other.QUANTITA_LORDA);
        NUMERO_IMBALLI += other.NUMERO_IMBALLI;
    }
}

CDomainVoceDocumento CDomainVoceDocumento::operator+(const CDomainVoceDocumento& other) const
{
    CDomainVoceDocumento sum(*this);
    sum.AddQuantities(other, true);
    return sum;
}

CDomainVoceDocumento& CDomainVoceDocumento::operator+=(const CDomainVoceDocumento& other)
{
    // Virtual: a line of another kind takes the sum through its own assignment of the line.
    return operator=(*this + other);
}

// ---- row mapping ----

template <class Set>
void CDomainVoceDocumento::LoadLine(Set& rs)
{
    ID = rs.ID;
    Set_PREZZO_PZ(rs.PREZZO, false);
    PREZZO_COMPLETO = Decimal();
    if (!rs.IsFieldNull(&rs.PREZZO_COMPLETO))
        Set_PREZZO_COMPLETO(rs.PREZZO_COMPLETO);
    Set_PREZZO_ACQUISTO(rs.PREZZO_ACQUISTO);
    Set_QUANTITA(rs.QUANTITA);
    Set_QUANTITA_EVASA(rs.QUANTITA_EVASA);
    Set_QUANTITA_DA_EVADERE(rs.QUANTITA_DA_EVADERE);
    Set_QUANTITA_OMAGGIO(rs.QUANTITA_OMAGGIO);
    Set_QUANTITA_OMAGGIO_PAGATA(rs.QUANTITA_OMAGGIO_PAGATA);
    Set_ALIQUOTA_IVA(rs.ALIQUOTA_IVA);
    ID_IVA = rs.ID_IVA;
    Set_SCONTO1(rs.SCONTO_1);
    Set_SCONTO2(rs.SCONTO_2);
    Set_SCONTO3(rs.SCONTO_3);
    Set_SCONTO4(rs.SCONTO_4);
    Set_SCONTO_EXTRA(rs.SCONTO_EXTRA);
    Set_PROVVIGIONE(rs.PROVVIGIONE);
    ID_ARTICOLO = rs.ID_ARTICOLO;
    DESCRIZIONE = rs.DESCRIZIONE;
    UM = rs.UM;
    PZ_X_CONF = rs.PZ_X_CONF;
    CODICE_EAN = rs.CODICE_EAN;
    SCONTA_IVA = rs.SCONTA_IVA;
    TIPO = rs.TIPO;
    MOLTIPLICATORE_QTA = rs.MOLTIPLICATORE_QTA;
    Set_COEFFICIENTE_UM(rs.COEFFICIENTE_UM);
    INFO1 = rs.INFO1;
    INFO2 = rs.INFO2;
    INFO3 = rs.INFO3;
    INFO4 = rs.INFO4;
    INFO5 = rs.INFO5;
    INFO6 = rs.INFO6;
    NOTE = rs.NOTE;
    Set_PREZZO_PZ_IVATO(rs.PREZZO_IVATO, false);
    ID_SCONTO = rs.ID_SCONTO;
    ID_LISTINO = rs.ID_LISTINO;
    ID_IMBALLO = rs.ID_IMBALLO;
    NUMERO_IMBALLI = rs.NUMERO_IMBALLI;
    Set_QUANTITA_LORDA(rs.QUANTITA_LORDA);
    Set_PESO_IMBALLO(rs.PESO_IMBALLO);
    LOTTO_ANNO = rs.IsFieldNull(&rs.LOTTO_ANNO) ? -1 : rs.LOTTO_ANNO;
    LOTTO_NUMERO = rs.IsFieldNull(&rs.LOTTO_NUMERO) ? -1 : rs.LOTTO_NUMERO;
    NRIGA = rs.IsFieldNull(&rs.NRIGA) ? 0 : rs.NRIGA;
}

namespace {

// A long that the row always holds, also when it is 0 on a row read with NULL there.
void LongValue(CRecordset& rs, long& field, long value)
{
    field = value;
    rs.SetFieldNull(&field, FALSE);
}

// A lot year or number: none (below 1) is NULL.
void LotValue(CRecordset& rs, long& field, long value)
{
    if (value < 1) {
        rs.SetFieldNull(&field);
    } else {
        LongValue(rs, field, value);
    }
}

}  // namespace

template <class Set>
void CDomainVoceDocumento::StoreLine(Set& rs) const
{
    rs.PREZZO = ToStoredText(PREZZO_PZ);
    rs.PREZZO_COMPLETO = ToStoredText(PREZZO_COMPLETO);
    rs.PREZZO_ACQUISTO = ToStoredText(PREZZO_ACQUISTO);
    rs.QUANTITA = ToStoredText(QUANTITA);
    rs.QUANTITA_EVASA = ToStoredText(QUANTITA_EVASA);
    rs.QUANTITA_DA_EVADERE = ToStoredText(QUANTITA_DA_EVADERE);
    rs.QUANTITA_OMAGGIO = ToStoredText(QUANTITA_OMAGGIO);
    rs.QUANTITA_OMAGGIO_PAGATA = ToStoredText(QUANTITA_OMAGGIO_PAGATA);
    rs.ALIQUOTA_IVA = ToStoredText(ALIQUOTA_IVA);
    rs.ID_IVA = ID_IVA;
    rs.SCONTO_1 = ToStoredText(SCONTO1);
    rs.SCONTO_2 = ToStoredText(SCONTO2);
    rs.SCONTO_3 = ToStoredText(SCONTO3);
    rs.SCONTO_4 = ToStoredText(SCONTO4);
    rs.SCONTO_EXTRA = ToStoredText(SCONTO_EXTRA);
    rs.PROVVIGIONE = ToStoredText(PROVVIGIONE);
    rs.ID_ARTICOLO = ID_ARTICOLO;
    rs.DESCRIZIONE = DESCRIZIONE;
    rs.UM = UM;
    rs.PZ_X_CONF = PZ_X_CONF;
    rs.CODICE_EAN = CODICE_EAN;
    LongValue(rs, rs.SCONTA_IVA, SCONTA_IVA);
    rs.TIPO = TIPO;
    LongValue(rs, rs.MOLTIPLICATORE_QTA, MOLTIPLICATORE_QTA);
    rs.COEFFICIENTE_UM = ToStoredText(COEFFICIENTE_UM);
    rs.INFO1 = INFO1;
    rs.INFO2 = INFO2;
    rs.INFO3 = INFO3;
    rs.INFO4 = INFO4;
    rs.INFO5 = INFO5;
    rs.INFO6 = INFO6;
    rs.NOTE = NOTE;
    rs.PREZZO_IVATO = ToStoredText(PREZZO_PZ_IVATO);
    rs.ID_SCONTO = ID_SCONTO;
    // The last-price marker only says where the price came from while the line is edited; a
    // stored line has no price list then.
    rs.ID_LISTINO = ID_LISTINO == CDomainInformazioneSconti::GetIDListinoUltimoPrezzo() ? CString() : ID_LISTINO;
    rs.ID_IMBALLO = ID_IMBALLO;
    LongValue(rs, rs.NUMERO_IMBALLI, NUMERO_IMBALLI);
    rs.QUANTITA_LORDA = ToStoredText(QUANTITA_LORDA);
    rs.PESO_IMBALLO = ToStoredText(PESO_IMBALLO);
    LotValue(rs, rs.LOTTO_ANNO, LOTTO_ANNO);
    LotValue(rs, rs.LOTTO_NUMERO, LOTTO_NUMERO);
    LongValue(rs, rs.NRIGA, NRIGA);
}

template void CDomainVoceDocumento::LoadLine(CVociDocumentoSet&);
template void CDomainVoceDocumento::LoadLine(CVociDocumentoModaLoadSet&);
template void CDomainVoceDocumento::StoreLine(CVociDocumentoOperSet&) const;
template void CDomainVoceDocumento::StoreLine(CVociDocumentoModaOperSet&) const;

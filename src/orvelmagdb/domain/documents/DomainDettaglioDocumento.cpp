// The detail's collection, merging, import, reference lines and totals. Every pointer the array
// holds is owned here: new lines enter as unique_ptr and are released into the array only once
// nothing can throw any more, so a failed operation never leaks the line it was adding.
#include "orvelmagdb/domain/documents/DomainDettaglioDocumento.h"

#include <memory>
#include <utility>

#include "afx/Exception.h"
#include "orvelmagdb/base/Amounts.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/domain/documents/DomainCausaleMagazzino.h"
#include "orvelmagdb/domain/documents/DomainDocumentoAssociato.h"
#include "orvelmagdb/domain/documents/DomainListaIvaDocumento.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumento.h"

namespace {

CConfigAdministrator* Config() { return CApplicationAdministrator::GetInstance()->GetConfig(); }

void CheckIndex(int nIndex, int nSize)
{
    if (nIndex < 0 || nIndex >= nSize)
        AfxThrowInvalidArgException("document detail: line index out of range");
}

bool TipoInizia(const CDomainVoceDocumento& voce, char tipo)
{
    const CString& text = voce.Get_TIPO();
    return !text.IsEmpty() && text[0] == tipo;
}

}  // namespace

bool CDomainDettaglioDocumento::IsTipoArticolo(const CDomainVoceDocumento& voce) { return TipoInizia(voce, 'A'); }
bool CDomainDettaglioDocumento::IsTipoSenzaArticolo(const CDomainVoceDocumento& voce) { return TipoInizia(voce, 'B'); }
bool CDomainDettaglioDocumento::IsTipoRiferimento(const CDomainVoceDocumento& voce) { return TipoInizia(voce, 'R'); }

CDomainDettaglioDocumento::CDomainDettaglioDocumento(CDatabase* pDatabase)
    : CDomainClass(pDatabase), m_nPrecisioneTotali(Config()->GetParamAsInt("precisione/totali"))
{
}

CDomainDettaglioDocumento::CDomainDettaglioDocumento(const CDomainDettaglioDocumento& other)
    : CDomainDettaglioDocumento(other.GetDatabase())
{
    *this = other;
}

CDomainDettaglioDocumento& CDomainDettaglioDocumento::operator=(const CDomainDettaglioDocumento& other)
{
    if (this == &other)
        return *this;
    // The copies are made before anything of this detail is dropped: if a copy fails, this
    // detail is left as it was and the copies made so far are freed.
    std::vector<std::unique_ptr<CDomainVoceDocumento>> copies;
    copies.reserve(static_cast<std::size_t>(other.GetSize()));
    for (int i = 0; i < other.GetSize(); ++i) {
        const CDomainVoceDocumento* pVoce = other.GetAt(i);
        if (pVoce != nullptr)
            copies.emplace_back(pVoce->Clone());
    }
    CDomainClass::operator=(other);
    RemoveAll();
    for (auto& copy : copies)
        AppendOwned(copy.release());
    m_nPrecisioneTotali = other.m_nPrecisioneTotali;
    return *this;
}

CDomainDettaglioDocumento::~CDomainDettaglioDocumento() { RemoveAll(); }

// ---- the collection ----

int CDomainDettaglioDocumento::GetSize() const { return static_cast<int>(m_arrVoci.GetSize()); }

void CDomainDettaglioDocumento::SetSize(int nNewSize)
{
    if (nNewSize < 0)
        AfxThrowInvalidArgException("document detail: negative size");
    for (int i = nNewSize; i < GetSize(); ++i)
        delete m_arrVoci[i];
    m_arrVoci.SetSize(nNewSize);
}

const CDomainVoceDocumento* CDomainDettaglioDocumento::GetAt(int nIndex) const { return RefAt(nIndex); }

CDomainVoceDocumento* CDomainDettaglioDocumento::RefAt(int nIndex) const
{
    CheckIndex(nIndex, GetSize());
    return m_arrVoci[nIndex];
}

void CDomainDettaglioDocumento::SetAt(int nIndex, const CDomainVoceDocumento* pVoce)
{
    std::unique_ptr<CDomainVoceDocumento> copy(pVoce != nullptr ? pVoce->Clone() : nullptr);
    CheckIndex(nIndex, GetSize());
    delete m_arrVoci[nIndex];
    m_arrVoci[nIndex] = copy.release();
}

void CDomainDettaglioDocumento::RemoveAt(int nIndex)
{
    CheckIndex(nIndex, GetSize());
    delete m_arrVoci[nIndex];
    m_arrVoci.RemoveAt(nIndex);
}

void CDomainDettaglioDocumento::RemoveAll()
{
    for (int i = 0; i < GetSize(); ++i)
        delete m_arrVoci[i];
    m_arrVoci.RemoveAll();
    m_arrVoci.FreeExtra();
}

int CDomainDettaglioDocumento::AppendOwned(CDomainVoceDocumento* pVoce)
{
    std::unique_ptr<CDomainVoceDocumento> owned(pVoce);
    const int nIndex = GetSize();
    m_arrVoci.Add(pVoce);
    owned.release();
    return nIndex;
}

// ---- adding lines ----

int CDomainDettaglioDocumento::Add(const CDomainDettaglioDocumento* pDettaglio, bool bMerge)
{
    if (pDettaglio == nullptr)
        return -1;
    // Adding a detail to itself must not walk the lines it is appending.
    const int nSize = pDettaglio->GetSize();
    for (int i = 0; i < nSize; ++i) {
        if (const CDomainVoceDocumento* pVoce = pDettaglio->GetAt(i))
            Add(pVoce, bMerge);
    }
    return nSize;
}

int CDomainDettaglioDocumento::Add(const CDomainVoceDocumento* pVoce, bool bMerge)
{
    return AddVoce(pVoce, bMerge, false);
}

int CDomainDettaglioDocumento::AddQtaDaEvadere(const CDomainDettaglioDocumento* pDettaglio, bool bMerge)
{
    if (pDettaglio == nullptr)
        return -1;
    const int nSize = pDettaglio->GetSize();
    for (int i = 0; i < nSize; ++i) {
        if (const CDomainVoceDocumento* pVoce = pDettaglio->GetAt(i))
            AddQtaDaEvadere(pVoce, bMerge);
    }
    return nSize;
}

int CDomainDettaglioDocumento::AddQtaDaEvadere(const CDomainVoceDocumento* pVoce, bool bMerge)
{
    return AddVoce(pVoce, bMerge, true);
}

int CDomainDettaglioDocumento::AddVoce(const CDomainVoceDocumento* pVoce, bool bMerge, bool bDaEvadere)
{
    if (pVoce == nullptr)
        return -1;
    if (bMerge && IsTipoArticolo(*pVoce)) {
        const int nIndex = IsVoceInDettaglio(pVoce);
        if (nIndex >= 0) {
            // Only the quantities of the held line grow: its prices, free gifts and packages stay.
            CDomainVoceDocumento& held = *m_arrVoci[nIndex];
            if (bDaEvadere) {
                held.Set_QUANTITA(held.Get_QUANTITA() + pVoce->Get_QUANTITA_DA_EVADERE());
                held.Set_QUANTITA_DA_EVADERE(held.Get_QUANTITA_DA_EVADERE() + pVoce->Get_QUANTITA_DA_EVADERE());
            } else {
                held.Set_QUANTITA(held.Get_QUANTITA() + pVoce->Get_QUANTITA());
                held.Set_QUANTITA_DA_EVADERE(held.Get_QUANTITA_DA_EVADERE() + pVoce->Get_QUANTITA_DA_EVADERE());
                held.Set_QUANTITA_EVASA(held.Get_QUANTITA_EVASA() + pVoce->Get_QUANTITA_EVASA());
            }
            return nIndex;
        }
    }
    std::unique_ptr<CDomainVoceDocumento> copy(pVoce->Clone());
    if (bDaEvadere) {
        copy->Set_QUANTITA(pVoce->Get_QUANTITA_DA_EVADERE());
        copy->Set_QUANTITA_EVASA(Decimal(0));
    }
    return AppendOwned(copy.release());
}

// ---- lookups and import ----

int CDomainDettaglioDocumento::IsArticoloInDettaglio(const CString& strIdArticolo) const
{
    for (int i = 0; i < GetSize(); ++i) {
        const CDomainVoceDocumento* pVoce = m_arrVoci[i];
        if (pVoce != nullptr && pVoce->Get_ID_ARTICOLO() == strIdArticolo)
            return i;
    }
    return -1;
}

bool CDomainDettaglioDocumento::ImportaQuantitaRiga(const CDomainCausaleMagazzino& causale, CDomainVoceDocumento& voce)
{
    if (causale.Get_F_ORDINE_AL_FORNITORE() == 1 || causale.Get_F_ORDINE_DA_CLIENTE() == 1) {
        if (IsTipoArticolo(voce) || IsTipoSenzaArticolo(voce)) {
            // A fully fulfilled order line has nothing left to bring over.
            if (voce.Get_QUANTITA_DA_EVADERE() > Decimal(0)) {
                voce.Set_QUANTITA(voce.Get_QUANTITA_DA_EVADERE());
                return true;
            }
            return false;
        }
        return IsTipoRiferimento(voce);
    }
    voce.Set_QUANTITA_DA_EVADERE(voce.Get_QUANTITA());
    voce.Set_QUANTITA_EVASA(Decimal("0", 127));
    return true;
}

bool CDomainDettaglioDocumento::ApplicaPromozione(const CDomainPromozione&) { return false; }

// ---- reference lines ----

bool CDomainDettaglioDocumento::AggiungiRiferimentoDocumento(const CDomainDocumentoAssociato& documento)
{
    return AggiungiRiferimentoDocumento(documento.Get_TIPO_DOCUMENTO(), documento.Get_SERIE(), documento.Get_NUMERO(),
                                        documento.Get_DATA_DOCUMENTO());
}

bool CDomainDettaglioDocumento::AggiungiRiferimentoDocumento(const CString& strTipoDocumento, const CString& strSerie,
                                                             long lNumero, const TIMESTAMP_STRUCT& dataDocumento)
{
    CString strData;
    From_TIMESTAMP_STRUCT_To_StringDate(dataDocumento, strData);
    // A single blank is how a document without series is stored.
    CString strTesto;
    if (!strSerie.IsEmpty() && strSerie != " ")
        strTesto.Format("RIF.%s  %s/%ld DEL %s", strTipoDocumento.GetString(), strSerie.GetString(), lNumero, strData.GetString());
    else
        strTesto.Format("RIF. %s %ld DEL %s", strTipoDocumento.GetString(), lNumero, strData.GetString());

    CDomainVoceDocumento riferimento(GetDatabase());
    riferimento.Set_TIPO("R");
    riferimento.Set_DESCRIZIONE(strTesto);
    Add(&riferimento, false);
    return true;
}

// ---- parcels and VAT ----

Decimal CDomainDettaglioDocumento::CalcolaNumeroColli() const
{
    switch (Config()->GetParamAsInt("magazzino/documento/collicomesommaqta")) {
    case 1:
        return Get_TOTALE_QUANTITA();
    case 2:
        return Decimal(Get_TOTALE_IMBALLI());
    default:
        return Decimal(0);
    }
}

CDomainListaIvaDocumento CDomainDettaglioDocumento::GetIvaDocumento() const
{
    CDomainListaIvaDocumento lista(GetDatabase());
    for (int i = 0; i < GetSize(); ++i) {
        const CDomainVoceDocumento* pVoce = m_arrVoci[i];
        if (pVoce == nullptr || IsTipoRiferimento(*pVoce))
            continue;
        // A VAT code missing from the VAT table is refused by the summary and left out.
        lista.Add(pVoce->Get_ID_IVA(), pVoce->Get_TOTALE_IMPONIBILE(pVoce->Get_SCONTO_EXTRA()),
                  pVoce->Get_TOTALE_IVA(pVoce->Get_SCONTO_EXTRA()));
    }
    return lista;
}

// ---- totals ----

template <typename Value>
Decimal CDomainDettaglioDocumento::Somma(bool bSoloArticoli, Value&& value) const
{
    Decimal totale(0);
    for (int i = 0; i < GetSize(); ++i) {
        const CDomainVoceDocumento* pVoce = m_arrVoci[i];
        if (pVoce == nullptr || IsTipoRiferimento(*pVoce) || (bSoloArticoli && !IsTipoArticolo(*pVoce)))
            continue;
        totale += value(*pVoce);
    }
    return Amounts::Rounded(totale, m_nPrecisioneTotali);
}

Decimal CDomainDettaglioDocumento::Get_TOTALE_IMPORTO(bool bSoloArticoli) const
{
    return Somma(bSoloArticoli, [](const CDomainVoceDocumento& v) { return v.Get_TOTALE_IMPORTO(); });
}

Decimal CDomainDettaglioDocumento::Get_TOTALE_IMPORTO_ACQUISTO(bool bSoloArticoli) const
{
    return Somma(bSoloArticoli, [](const CDomainVoceDocumento& v) { return v.Get_TOTALE_IMPORTO_ACQUISTO(); });
}

Decimal CDomainDettaglioDocumento::Get_TOTALE_IMPORTO_NETTO(const Decimal& scontoExtra, bool bSoloArticoli) const
{
    return Somma(bSoloArticoli, [&](const CDomainVoceDocumento& v) { return v.Get_TOTALE_IMPORTO_NETTO(scontoExtra); });
}

Decimal CDomainDettaglioDocumento::Get_TOTALE_PROVVIGIONE(const Decimal& scontoExtra) const
{
    return Somma(false, [&](const CDomainVoceDocumento& v) { return v.Get_TOTALE_PROVVIGIONE(scontoExtra); });
}

Decimal CDomainDettaglioDocumento::Get_TOTALE_IMPONIBILE(const Decimal& scontoExtra) const
{
    return Somma(false, [&](const CDomainVoceDocumento& v) { return v.Get_TOTALE_IMPONIBILE(scontoExtra); });
}

Decimal CDomainDettaglioDocumento::Get_TOTALE_IVA(const Decimal& scontoExtra) const
{
    return Somma(false, [&](const CDomainVoceDocumento& v) { return v.Get_TOTALE_IVA(scontoExtra); });
}

Decimal CDomainDettaglioDocumento::Get_TOTALE_OMAGGIO(bool bSoloArticoli) const
{
    return Somma(bSoloArticoli, [](const CDomainVoceDocumento& v) { return v.Get_TOTALE_OMAGGIO(); });
}

Decimal CDomainDettaglioDocumento::Get_TOTALE_SCONTO_EXTRA(const Decimal& scontoExtra, bool bSoloArticoli) const
{
    return Amounts::Rounded(Amounts::PercentOf(Get_TOTALE_IMPORTO_NETTO(Decimal(0), bSoloArticoli), scontoExtra),
                            m_nPrecisioneTotali);
}

Decimal CDomainDettaglioDocumento::Get_TOTALE_SCONTO(const Decimal& scontoExtra, bool bSoloArticoli) const
{
    return Amounts::Rounded(Get_TOTALE_IMPORTO(bSoloArticoli) - Get_TOTALE_IMPORTO_NETTO(scontoExtra, bSoloArticoli) -
                                Get_TOTALE_OMAGGIO(bSoloArticoli),
                            m_nPrecisioneTotali);
}

Decimal CDomainDettaglioDocumento::Get_TOTALE(const Decimal& scontoExtra) const
{
    return Amounts::Rounded(Get_TOTALE_IVA(scontoExtra) + Get_TOTALE_IMPORTO_NETTO(scontoExtra, false),
                            m_nPrecisioneTotali);
}

CDomainDettaglioDocumento::Totali CDomainDettaglioDocumento::Get_TOTALI(const Decimal& scontoExtra) const
{
    Totali t;
    for (int i = 0; i < GetSize(); ++i) {
        const CDomainVoceDocumento* pVoce = m_arrVoci[i];
        if (pVoce == nullptr || IsTipoRiferimento(*pVoce))
            continue;
        const CDomainVoceDocumento::Importi line = pVoce->Get_IMPORTI(scontoExtra);
        t.importo += line.importo;
        t.importoAcquisto += line.importoAcquisto;
        t.omaggio += line.omaggio;
        t.importoNetto += line.importoNetto;
        t.importoNettoSenzaExtra += line.importoNettoSenzaExtra;
        t.imponibile += line.imponibile;
        t.iva += line.iva;
        t.provvigione += line.provvigione;
    }
    for (Decimal* total : {&t.importo, &t.importoAcquisto, &t.omaggio, &t.importoNetto, &t.importoNettoSenzaExtra,
                           &t.imponibile, &t.iva, &t.provvigione})
        total->Round3(m_nPrecisioneTotali);
    t.sconto = Amounts::Rounded(t.importo - t.importoNetto - t.omaggio, m_nPrecisioneTotali);
    return t;
}

Decimal CDomainDettaglioDocumento::Get_TOTALE_QUANTITA() const
{
    Decimal totale(0);
    for (int i = 0; i < GetSize(); ++i) {
        const CDomainVoceDocumento* pVoce = m_arrVoci[i];
        if (pVoce != nullptr && !IsTipoRiferimento(*pVoce))
            totale += pVoce->Get_QUANTITA();
    }
    return totale;
}

long CDomainDettaglioDocumento::Get_TOTALE_IMBALLI() const
{
    long totale = 0;
    for (int i = 0; i < GetSize(); ++i) {
        const CDomainVoceDocumento* pVoce = m_arrVoci[i];
        if (pVoce != nullptr && !IsTipoRiferimento(*pVoce))
            totale += pVoce->Get_NUMERO_IMBALLI();
    }
    return totale;
}

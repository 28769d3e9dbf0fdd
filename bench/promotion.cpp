// How fast a till prices an article under the shop's promotions.
//
// The shop: 5,000 articles and 1,000 promotions, all running today, of the four kinds in turn,
// each on 10 articles, so that every article takes part in two. A step at the till finds the
// article by its code, reads the promotions it takes part in, asks each whether it runs today and
// what it takes off 3 pieces, and keeps the best: exactly what "orvelmag promo price" does. The
// promotion part alone is measured too, on an article already loaded. The database is built on
// every run (SQLite: a file in /tmp; PostgreSQL, when ORVEL_BENCH_PG or else ORVEL_TEST_PG holds a
// connection string: the schema orvel_bench_promotions). Target: the whole step under 200 µs on
// SQLite, like an article lookup.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "PromoPricing.h"
#include "odbc/Database.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"

#include "support/BenchPostgres.h"

namespace {

constexpr long kArticles = 5000;
constexpr long kPromotions = 1000;
constexpr long kArticlesPerPromotion = 10;

void Configure()
{
    CApplicationAdministrator* admin = CApplicationAdministrator::GetInstance();
    for (const char* key : {"precisione/prezzi", "precisione/iva", "precisione/sconti", "precisione/totali"})
        admin->GetConfig()->SetParam(key, "2");
    admin->GetConfig()->SetParam("precisione/quantita", "3");
    admin->GetConfig()->SetParam("default/articolo/moltiplicatorelistino", "1");
    admin->GetConfig()->SetParam("default/documento/unitamisura", "PZ");
    admin->GetUser()->Set_ID_SOCIETA(1);
}

std::string Code(long n)
{
    char text[16];
    std::snprintf(text, sizeof text, "P%06ld", n);
    return text;
}

std::string Day(int offset)
{
    return (COleDateTime::GetCurrentTime() + COleDateTimeSpan(offset, 0, 0, 0)).Format("%Y-%m-%d 00:00:00").GetString();
}

// Rows go in by statements of many rows each, in one transaction.
void InsertRows(CDatabase& db, const std::string& head, long count, const std::function<std::string(long)>& row)
{
    std::string sql;
    for (long i = 1; i <= count; ++i) {
        sql += (sql.empty() ? head + " VALUES " : ", ") + row(i);
        if (i % 500 == 0 || i == count) {
            db.ExecuteSQL(sql.c_str());
            sql.clear();
        }
    }
}

void Build(CDatabase& db)
{
    CSchema::Create(db);
    db.BeginTrans();
    db.ExecuteSQL("INSERT INTO IVA (CODICE, ALIQUOTA) VALUES ('22', '22')");
    InsertRows(db, "INSERT INTO ARTICOLO (ID, DESCRIZIONE, PREZZO_PZ_EURO, PREZZO_PZ_EURO_IVATO, ID_IVA)", kArticles,
               [](long i) { return "('" + Code(i) + "', 'Articolo " + std::to_string(i) + "', '10.00', '12.20', '22')"; });
    const std::string from = Day(-7), to = Day(30);
    InsertRows(db,
               "INSERT INTO PROMOZIONE (ID, TIPO_PROMOZIONE, DATA_INIZIO, DATA_FINE, DESCRIZIONE, PREZZO_PROMOZIONE, "
               "SCONTO_1_PROMOZIONE, SCONTO_2_PROMOZIONE, MXN_PARTE_M, MXN_PARTE_N, SCONTO_EURO, ID_SOCIETA, F_SUBTOTALE)",
               kPromotions, [&](long p) {
                   const long kind = p % 4;
                   return "(" + std::to_string(p) + ", " + std::to_string(kind) + ", '" + from + "', " +
                          (p % 2 ? "NULL" : "'" + to + "'") + ", 'Promozione " + std::to_string(p) + "', " +
                          (kind == 0 ? "'9.90'" : "NULL") + ", " + (kind == 1 ? "'10', '5'" : "NULL, NULL") + ", " +
                          (kind == 2 ? "'3', '2'" : "'1', NULL") + ", " + (kind == 3 ? "'1.50'" : "NULL") + ", 1, 0)";
               });
    InsertRows(db, "INSERT INTO ARTICOLO_PROMOZIONE (ID_PROMOZIONE, ID_ARTICOLO)", kPromotions * kArticlesPerPromotion,
               [](long i) {
                   const long promotion = (i - 1) / kArticlesPerPromotion + 1;
                   return "(" + std::to_string(promotion) + ", '" + Code((i - 1) % kArticles + 1) + "')";
               });
    db.CommitTrans();
    db.ExecuteSQL("ANALYZE");
}

using bench_support::PostgresConnect;

CDatabase& Shop(bool postgres)
{
    static std::map<bool, std::unique_ptr<CDatabase>> shops;
    auto& db = shops[postgres];
    if (db)
        return *db;
    Configure();
    db = bench_support::OpenFreshShop(postgres, "promotions");
    Build(*db);
    return *db;
}

// Every article takes part in two running promotions; the best of them must take something off.
bool Priced(const orvelmag::PromotedPrice& price)
{
    return price.offers.size() == 2 && price.best >= 0 && price.net < price.gross;
}

void PromotedPrice(benchmark::State& state, bool postgres, bool withLookup)
{
    CDatabase& db = Shop(postgres);
    const Decimal quantity(3);
    long k = 0;
    CDomainArticolo loaded(&db);
    loaded.Set_ID(Code(1).c_str());
    loaded.DB_Load();
    for (auto _ : state) {
        k = (k + 787) % kArticles;  // scattered over the articles
        CDomainArticolo article(&db);
        if (withLookup) {
            article.Set_ID(Code(k + 1).c_str());
            if (!article.DB_Load()) {
                state.SkipWithError("the article was not found");
                break;
            }
        } else {
            article = loaded;
        }
        const orvelmag::PromotedPrice price = orvelmag::PricePromoted(db, article, quantity, 1);
        if (!Priced(price)) {
            state.SkipWithError("the article was not priced by its two promotions");
            break;
        }
        benchmark::DoNotOptimize(price.net);
    }
}

}  // namespace

static void BM_PromotedPrice_WithLookup(benchmark::State& state) { PromotedPrice(state, false, true); }
static void BM_PromotedPrice_PromotionsOnly(benchmark::State& state) { PromotedPrice(state, false, false); }
BENCHMARK(BM_PromotedPrice_WithLookup)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PromotedPrice_PromotionsOnly)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (!PostgresConnect().empty()) {
        benchmark::RegisterBenchmark("BM_PG_PromotedPrice_WithLookup", [](benchmark::State& s) {
            PromotedPrice(s, true, true);
        })->Unit(benchmark::kMicrosecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

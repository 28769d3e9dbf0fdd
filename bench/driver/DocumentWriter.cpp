// A till that saves documents one after the other, for the concurrent-saving benchmark: it opens
// one connection and saves COUNT documents of LINES lines each, every one numbered and written in
// its own transaction under the documents' writer lock, as the host's "doc new" does (but without
// starting a process per document). Exits 1 at the first document that is not saved.
//
//     bench_document_writer CONNECT COUNT LINES
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "support/DocumentSamples.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s CONNECT COUNT LINES\n", argv[0]);
        return 2;
    }
    try {
        bench_documents::Configure();
        CDatabase db;
        db.OpenEx(argv[1]);
        const long count = std::atol(argv[2]), lines = std::atol(argv[3]);
        for (long i = 0; i < count; ++i) {
            if (bench_documents::SaveDocument(db, lines) < 1) {
                std::fprintf(stderr, "document %ld was not saved\n", i + 1);
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

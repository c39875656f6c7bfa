// Writes a generated phrase book as Talk.txt (code page 932, CR LF), for the
// start-up benchmark. Usage: bench_phrase_book COUNT PATH
#include "generated_book.h"
#include "platform/record_file.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s COUNT PATH\n", argv[0]);
        return 2;
    }
    RecordFile book(QString::fromLocal8Bit(argv[2]));
    return book.write(book.encode(generatedPhraseBook(std::atoi(argv[1])))) ? 0 : 1;
}

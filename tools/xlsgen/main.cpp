// lumicord-xlsgen: writes the empty workbook that per-device spreadsheets start from
// (ExcelTemplate/Template.xls), with the program's own workbook writer.
#include <cstdio>

#include "content/XlsBook.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: lumicord-xlsgen OUTPUT.xls\n");
        return 2;
    }
    lumicord::XlsBook book;
    book.AddSheet(u"Sheet1");
    if (!book.Save(argv[1])) {
        std::fprintf(stderr, "lumicord-xlsgen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

// Writes the three start-up tables exactly as the game ships them:
//
//   tablewriter DIR
//
// resource.xml and strings.xml hold the built-in defaults; config.xml holds the defaults plus
// the game's company and product names. DIR is created when missing.
#include "GAME/data/Config.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2 || !argv[1][0]) {
        std::fprintf(stderr, "usage: tablewriter DIR\n");
        return 2;
    }
    if (!WriteShippedTables(argv[1])) {
        std::fprintf(stderr, "tablewriter: cannot write the tables into %s\n", argv[1]);
        return 1;
    }
    return 0;
}

// Another user of a database: opens the table named on the command line in
// shared use, says "ready" on stdout and keeps it open until stdin closes.
#include "dbase/Error.h"
#include "dbase/Table.h"

#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: store_table_holder TABLE.dbf\n";
        return 2;
    }
    dbase::Table table;
    try {
        table.open(argv[1], false);
    } catch (const dbase::Error &error) {
        std::cout << "failed: " << error.what() << std::endl;
        return 1;
    }
    std::cout << "ready" << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) { }
    table.close();
    return 0;
}

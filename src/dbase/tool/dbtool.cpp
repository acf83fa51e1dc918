// dbtool: looks into dBASE tables and makes the program's template tables.
//   dbtool info FILE       header and fields
//   dbtool dump FILE       records as tab-separated text
//   dbtool templates DIR   writes data.dbf, master.dbf and list.dbf into DIR
#include "dbase/CardTableLayout.h"
#include "dbase/Error.h"
#include "dbase/Table.h"
#include "dbase/TableDump.h"

#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    const std::string usage = "usage: dbtool info FILE | dump FILE | templates DIR\n";
    if (argc != 3) {
        std::cerr << usage;
        return 2;
    }
    const std::string command = argv[1];
    const std::string target = argv[2];
    try {
        if (command == "templates") {
            dbase::layout::writeTemplateTables(target);
            return 0;
        }
        if (command != "info" && command != "dump") {
            std::cerr << usage;
            return 2;
        }
        if (command == "info")
            dbase::dumpInfo(target, std::cout);
        else
            dbase::dumpRecords(target, std::cout);
        return 0;
    } catch (const dbase::Error &e) {
        std::cerr << "dbtool: " << e.what() << "\n";
        return 1;
    }
}

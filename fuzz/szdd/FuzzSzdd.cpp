#include "dbase/szdd/Szdd.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        (void)dbase::expandSzdd(data, size);
    } catch (const dbase::SzddError &) {
    }
    return 0;
}

// The program's constant table.
#include "app/constant_table.h"

const ConstantTable constantTable = {
    {0},
    // "by：jvq" in code page 936; the full-width colon is A3 BA.
    {7, 'b', 'y', 0xA3, 0xBA, 'j', 'v', 'q'},
    2.0,
    0.0000001,
    1.0,
};

// The program's version, for the version resource.
#pragma once

#define PF_VERSION_NUMBERS 1, 0, 0, 0
#define PF_VERSION_TEXT "1.0.0.0"

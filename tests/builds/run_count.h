// A count of routine runs shown in 标签7's caption, where a driver reads it.
#pragma once

// Adds one run and writes the count in decimal into 标签7.
void CountRunInLabel7();

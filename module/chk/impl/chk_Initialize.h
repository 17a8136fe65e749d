// Start and stop of the model-checks module: a use count only; the first
// initialize raises the caller's counter and the last finalize lowers it.
#pragma once

void chk_initialize(int& counter);
void chk_finalize(int& counter);

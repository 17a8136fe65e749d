// Start and stop of the writer module and of the whole library. Each function
// keeps a use count: only the first initialize and the last finalize act, and
// they raise or lower the caller's counter by one. A finalize with no
// initialize outstanding does nothing.
#pragma once

// The writer module alone.
void aif_initialize(int& counter);
// The last one destroys the set-name registry and lets the kernel's amplitude,
// adaptive-mesh and filter modules clean up.
void aif_finalize(int& counter);

// The library: the host modules it stands on, the model checks and the writer,
// started in that order and stopped in the reverse order.
void InputFileWriter_initialize(int& counter);
void InputFileWriter_finalize(int& counter);

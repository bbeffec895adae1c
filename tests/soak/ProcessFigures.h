// What /proc tells about another process: its open descriptors and its resident memory.
#pragma once

#include <sys/types.h>

namespace vorlin_soak {

// The number of entries of /proc/<pid>/fd; -1 if it cannot be read.
int OpenDescriptors(pid_t pid);
// VmRSS of /proc/<pid>/status in kB; -1 if it cannot be read.
long ResidentKilobytes(pid_t pid);

// Waits until the process has used no processor time for a while (it waits for input),
// up to timeoutMs; false if it is still busy then.
bool WaitUntilIdle(pid_t pid, int timeoutMs);

}  // namespace vorlin_soak

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vantrell::cli {

// On SIGINT, SIGTERM and SIGHUP the half-written output beside its target is removed before
// the process ends as the signal would end it.
void RemoveTemporariesOnSignals();

}  // namespace vantrell::cli

// SPDX-License-Identifier: MIT
#pragma once

namespace runtime::qt {

// Keeps assistive technology from hearing of a window's controls before the
// window first shows. Qt's AT-SPI bridge reports a control coming into view
// as "showing" alone, never as "visible"; a screen reader that read the
// control's states while its window was still being built (as it does for
// any event from it) keeps it invisible for good, and its review of the
// screen skips it. Until a window shows, no reader can reach its controls
// anyway: once it shows, readers ask afresh.
void quietenUnshownWindows();

} // namespace runtime::qt

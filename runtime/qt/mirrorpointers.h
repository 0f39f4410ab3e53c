// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace runtime::platform {

// The mouse, touches and the wheel on the page mirror's elements, given to
// the canvas under them as if they had happened there.
void passPointersToCanvas(const std::string &mirrorId, const std::string &canvasId);

} // namespace runtime::platform

// SPDX-License-Identifier: MIT
#include "rules/targetchoice.h"

#include "rules/formview.h"
#include "runtime/randomstream.h"

#include <cmath>

namespace rules {

void choose(FormView &form, runtime::RandomStream &random)
{
    int target = 0;
    bool again = true;
    while (again) {
        // The product stays in single precision: the largest draw below 1
        // then gives 2.9999998, never 3.
        const float r = random.next();
        target = static_cast<int>(std::floor(r * 3.0f));
        again = form.markVisible(target);
    }
    for (int i = 0; i <= 2; ++i)
        form.setMarkVisible(i, false);
    form.setMarkVisible(target, true);
}

} // namespace rules

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The game's shared folders (rules/, window/ and runtime/ outside its
# front ends) stand on the standard library alone: each file compiles with
# no include path but the project's (Qt's headers lie off the compiler's own
# paths), and none names a Qt type or macro.
# Usage: standard_only.sh COMPILER SOURCE_DIR
set -euo pipefail
compiler=$1
cd "$2"
mapfile -t files < <(find rules window runtime -maxdepth 1 -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
failed=0
for file in "${files[@]}"; do
    # A header compiles by itself, included as its users include it.
    source=("$file")
    [[ $file == *.h ]] && source=(-include "$file" -x c++ /dev/null)
    if ! "$compiler" -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror -I. "${source[@]}"; then
        echo "FAIL: $file does not compile on the standard library alone"
        failed=1
    fi
done
if grep -nE '(^|[^A-Za-z0-9_])(Q[A-Z][A-Za-z]+|Q_[A-Z_]+|q(u)?int[0-9]+|qreal|Qt::)' "${files[@]}"; then
    echo "FAIL: the lines above name Qt"
    failed=1
fi
echo "${#files[@]} files checked"
exit $failed

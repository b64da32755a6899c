#!/bin/sh
# Fails when a C++ file of the repository differs from what clang-format makes
# of it (.clang-format at the root). `scripts/check-format.sh --fix` formats them.
set -eu
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--fix" ]; then
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i
    exit 0
fi
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror; then
    printf "\nMisformatted files (see above); run scripts/check-format.sh --fix\n" >&2
    exit 1
fi

#!/usr/bin/env bash
# Stosunek linii testow (tests/: .cpp .h i skrypty .sh) do linii kodu programu (.cpp .h).
cd "$(dirname "$0")/.."
t=$(find tests -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' \) -print0 | xargs -0 cat | wc -l)
p=$(find core net portfel wezel app i18n ui -type f \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null | xargs -0 cat | wc -l)
echo "testy $t / kod $p = $(awk "BEGIN{printf \"%.3f\", $t/$p}") (limit 0.35)"

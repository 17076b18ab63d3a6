#!/bin/sh
# Fails when a core library includes or links Qt.
src="$1"
hits=$(grep -rEn '#include *<Q|Qt6::|find_package\(Qt' \
    "$src/base" "$src/records" "$src/vocabulary" "$src/reports" "$src/gameflow" "$src/stats" "$src/season" \
    "$src/printouts" "$src/script" "$src/live" "$src/simulate" "$src/session" 2>/dev/null)
if [ -n "$hits" ]; then
    echo "Qt used in a core library:"
    echo "$hits"
    exit 1
fi
echo "core libraries are free of Qt"

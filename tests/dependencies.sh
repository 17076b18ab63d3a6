#!/bin/sh
# Fails when a library includes from one it may not depend on. Dependencies run
# downward only: each line lists what a directory of src/ may include from.
src="$1"
allowed() {
    case "$1" in
    records) echo "" ;;
    vocabulary) echo "records" ;;
    reports) echo "records vocabulary" ;;
    gameflow) echo "records vocabulary reports" ;;
    stats) echo "records vocabulary reports" ;;
    season) echo "records vocabulary reports stats" ;;
    printouts) echo "records vocabulary reports stats season" ;;
    script) echo "records vocabulary reports gameflow" ;;
    live) echo "records vocabulary reports gameflow stats" ;;
    session) echo "records vocabulary reports gameflow stats season" ;;
    qtprint) echo "records vocabulary reports stats season printouts" ;;
    qtfield) echo "records vocabulary reports gameflow" ;;
    app) echo "records vocabulary reports gameflow stats season printouts script live session qtprint qtfield" ;;
    cli) echo "records vocabulary reports gameflow stats season printouts script live session qtprint qtfield" ;;
    *) echo "?" ;;
    esac
}
status=0
for dir in "$src"/*/; do
    lib=$(basename "$dir")
    ok=$(allowed "$lib")
    if [ "$ok" = "?" ]; then
        echo "src/$lib is not in the dependency table of $0"
        status=1
        continue
    fi
    for used in $(grep -rhoE '^#include "[a-z]+/' "$dir" | sed -E 's/#include "//; s#/##' | sort -u); do
        [ "$used" = "$lib" ] && continue
        case " $ok " in
        *" $used "*) ;;
        *)
            echo "src/$lib may not include from src/$used:"
            grep -rnE "^#include \"$used/" "$dir"
            status=1
            ;;
        esac
    done
done
[ $status -eq 0 ] && echo "every library includes only from those below it"
exit $status

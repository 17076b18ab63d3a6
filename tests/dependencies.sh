#!/bin/sh
# Fails when a library includes from one it may not depend on. Dependencies run
# downward only: each line lists what a directory of src/ may include from.
src="$1"
allowed() {
    case "$1" in
    base) echo "" ;;
    records) echo "base" ;;
    vocabulary) echo "base records" ;;
    reports) echo "base records vocabulary" ;;
    gameflow) echo "base records vocabulary reports" ;;
    stats) echo "base records vocabulary reports" ;;
    season) echo "base records vocabulary reports stats" ;;
    printouts) echo "base records vocabulary reports stats season" ;;
    script) echo "base records vocabulary reports gameflow" ;;
    live) echo "base records vocabulary reports gameflow stats" ;;
    simulate) echo "base records vocabulary reports gameflow stats season script" ;;
    session) echo "base records vocabulary reports gameflow stats season" ;;
    qtbase) echo "base" ;;
    qtprint) echo "base records vocabulary reports stats season printouts qtbase" ;;
    qtfield) echo "base records vocabulary reports gameflow qtbase" ;;
    app) echo "base records vocabulary reports gameflow stats season printouts script live session qtbase qtprint qtfield" ;;
    cli) echo "base records vocabulary reports gameflow stats season printouts script live simulate session qtbase qtprint qtfield" ;;
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
# The program's own folders stand in the same order: the shared pieces, the
# main window the others add their menus to, then each feature, and the
# program that wires them at the top of src/app.
app_allowed() {
    case "$1" in
    common) echo "" ;;
    shell) echo "common" ;;
    game) echo "common shell" ;;
    stats) echo "common shell game" ;;
    setup) echo "common shell game" ;;
    season) echo "common shell game stats setup" ;;
    *) echo "?" ;;
    esac
}
for dir in "$src"/app/*/; do
    folder=$(basename "$dir")
    [ "$folder" = resources ] && continue
    ok=$(app_allowed "$folder")
    if [ "$ok" = "?" ]; then
        echo "src/app/$folder is not in the folder table of $0"
        status=1
        continue
    fi
    for used in $(grep -rhoE '^#include "app/[a-z]+/' "$dir" | sed -E 's#\#include "app/##; s#/##' | sort -u); do
        [ "$used" = "$folder" ] && continue
        case " $ok " in
        *" $used "*) ;;
        *)
            echo "src/app/$folder may not include from src/app/$used:"
            grep -rnE "^#include \"app/$used/" "$dir"
            status=1
            ;;
        esac
    done
done
[ $status -eq 0 ] && echo "every library and every folder of the program includes only from those below it"
exit $status

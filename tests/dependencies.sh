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
    session) echo "base records vocabulary reports gameflow stats season live" ;;
    qtbase) echo "base" ;;
    qtprint) echo "base records vocabulary reports stats season printouts qtbase" ;;
    qtfield) echo "base records vocabulary reports gameflow qtbase" ;;
    app) echo "base records vocabulary reports gameflow stats season printouts script live session qtbase qtprint qtfield" ;;
    cli) echo "base records vocabulary reports gameflow stats season printouts script live simulate session qtbase qtprint qtfield" ;;
    *) echo "?" ;;
    esac
}
status=0
# check TABLE PREFIX DIR...: each directory (under src/PREFIX) includes from
# PREFIX only what TABLE allows it.
check() {
    table=$1
    prefix=$2
    shift 2
    for dir in "$@"; do
        name=$(basename "$dir")
        [ "$name" = resources ] && continue
        ok=$($table "$name")
        if [ "$ok" = "?" ]; then
            echo "src/$prefix$name is not in the table $table of $0"
            status=1
            continue
        fi
        for used in $(grep -rhoE "^#include \"$prefix[a-z]+/" "$dir" | sed -E "s#\#include \"$prefix##; s#/##" | sort -u); do
            [ "$used" = "$name" ] && continue
            case " $ok " in
            *" $used "*) ;;
            *)
                echo "src/$prefix$name may not include from src/$prefix$used:"
                grep -rnE "^#include \"$prefix$used/" "$dir"
                status=1
                ;;
            esac
        done
    done
}
check allowed "" "$src"/*/
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
check app_allowed app/ "$src"/app/*/
[ $status -eq 0 ] && echo "every library and every folder of the program includes only from those below it"
exit $status

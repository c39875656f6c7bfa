#!/usr/bin/env bash
# The real program with a pipe, a folder or a link that loops in place of each
# of its four data files and of its settings file: it starts (the time it
# takes is printed), the phrase list, the diary and the address book open,
# "終了" ends it, and nothing is rewritten.
#   program_bad_files_test.sh PROGRAM
set -euo pipefail
PROGRAM="$1"
source "$(dirname "$0")/program_under_x.sh"

# What stands at each path: inode and kind.
identities() {
    stat -c '%n %i %F' "$@"
}

for kind in pipe folder loop; do
    app="$WORK/$kind/app"
    config="$WORK/$kind/config"
    make_program_folder "$app" "$config"
    paths=("$app/Talk.txt" "$app/day.txt" "$app/addres.txt" "$app/mail.txt" "$config/Talk.conf")
    for path in "${paths[@]}"; do
        case "$kind" in
        pipe) mkfifo "$path" ;;
        folder) mkdir "$path" ;;
        loop) ln -s "$(basename "$path")" "$path" ;;
        esac
    done
    before="$(identities "${paths[@]}")"

    start_program "$app" "$config"
    echo "$kind: the window showed after $STARTED_MS ms"
    tap "${CMD_SAMP[@]}" # the phrase list
    tap_list_row 0       # "日記"
    tap "${CMD_DEC[@]}"  # the diary list
    tap "${CMD_SAMP[@]}" # "日記終了": back to the board
    tap "${CMD_SAMP[@]}"
    tap_list_row 1       # "メール"
    tap "${CMD_DEC[@]}"  # the address list
    tap "${CMD_END[@]}"
    wait_for_end 10 || fail "$kind: \"終了\" did not end the program"
    [ "$EXIT_CODE" = 0 ] || fail "$kind: the program ended with code $EXIT_CODE"

    [ "$(identities "${paths[@]}")" = "$before" ] || fail "$kind: a file was rewritten"
    left="$(cd "$app" && ls -A | sort | tr '\n' ' ')"
    [ "$left" = "Talk.lock Talk.txt addres.txt day.txt mail.txt talk " ] ||
        fail "$kind: the program folder holds $left"
done
echo "3 kinds of file, 3 starts, no hang"

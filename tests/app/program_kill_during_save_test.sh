#!/usr/bin/env bash
# Kills the real program (SIGKILL) at random moments of a save, RUNS times
# (50 by default): a phrase of three board characters is registered with
# "例文追加" on a phrase book of 100 000 long phrases (6 MB). The kill falls at a random
# moment from a little before the save's temporary file appears to half as
# long again as the save takes, so that kills come before, during and after
# the save. After each kill Talk.txt and its former version Talk.txt.1 must
# parse, and Talk.txt must hold the old or the new phrase book, nothing lost;
# the next start must leave no temporary file of a save behind.
#   program_kill_during_save_test.sh PROGRAM [RUNS]
set -euo pipefail
PROGRAM="$1"
RUNS="${2:-50}"
source "$(dirname "$0")/program_under_x.sh"

app="$WORK/app"
config="$WORK/config"
make_program_folder "$app" "$config"
# One tap enters its character; no suggestions, no voice.
printf '[OPT]\nOPT1=2\nOPT3=3\nSamp=0\n' >"$config/Talk.conf"
{
    printf '"ああああ日記ダミー消さないでね！"\r\n"ああああ日記ダミー消さないでね！"\r\n'
    long="いつもおせわになっております。きょうもよろしくおねがいします。"
    for i in $(seq 100000); do printf '"%s%06d"\r\n' "$long" "$i"; done
} | iconv -f UTF-8 -t CP932 >"$app/Talk.txt"

# The first two rows of the board, left to right.
BOARD=(わ ら や ま は な た さ か あ を り ゆ み ひ に ち し き い)

# Checks that file $1 is a phrase book: code page 932, every line a record.
parses() {
    iconv -f CP932 -t UTF-8 "$1" >/dev/null 2>&1 &&
        ! LC_ALL=C grep -qv $'^"[^"]*"\r$' "$1"
}
strays() {
    find "$app" -maxdepth 1 -regextype posix-extended \
        -regex '.*/(Talk|day|addres|mail)\.txt\.[A-Za-z0-9]{6}' | wc -l
}

# Taps three random characters; PHRASE_LINE is the record that registering
# them adds.
enter_random_phrase() {
    local phrase="" cell
    for _ in 1 2 3; do
        cell=$((RANDOM % 20))
        phrase+="${BOARD[$cell]}"
        tap_board $((cell / 10)) $((cell % 10))
    done
    PHRASE_LINE="$(printf '"%s"\r' "$phrase" | iconv -f UTF-8 -t CP932)"
}

# The pointer rests on "例文追加", pressed; register() lifts it, which is the
# tap, in the background: xdotool takes tens of milliseconds to start and
# end. The moments are taken from the save's own files and the shell's clock,
# watched with built-in commands only, which answer within microseconds.
press_register() {
    xdotool mousemove --window "$WINDOW" "${CMD_SAMP_ADD[@]}" mousedown 1
}
register() {
    xdotool mouseup 1 &
}
# Waits until a temporary file of a save of Talk.txt appears (at most 10 s).
wait_for_save() {
    local limit=$((SECONDS + 10))
    until compgen -G "$app/Talk.txt.??????" >/dev/null || [ $SECONDS -ge $limit ]; do :; done
}
# Waits $1 microseconds.
pause_us() {
    local until=$((${EPOCHREALTIME/./} + $1))
    while [ "${EPOCHREALTIME/./}" -lt "$until" ]; do :; done
}

# How long the save takes, from its temporary file to the new file in place,
# measured once without a kill.
start_program "$app" "$config"
ln "$app/Talk.txt" "$WORK/book-before"
enter_random_phrase
press_register
register
wait_for_save
begin="${EPOCHREALTIME/./}"
limit=$((SECONDS + 10))
while [ "$app/Talk.txt" -ef "$WORK/book-before" ] && [ $SECONDS -lt $limit ]; do :; done
save_us=$((${EPOCHREALTIME/./} - begin))
[ ! "$app/Talk.txt" -ef "$WORK/book-before" ] || fail "the registration stored nothing"
rm "$WORK/book-before"
window_us=$((save_us * 3 / 2 + 1000))
echo "the save takes $((save_us / 1000)) ms from its temporary file to the new file in place"
tap "${CMD_END[@]}"
wait_for_end 10 || fail "\"終了\" did not end the program"

old_kept=0
new_kept=0
lost=0
cut_short=0
stray_after_start=0
for run in $(seq "$RUNS"); do
    LC_ALL=C sort "$app/Talk.txt" >"$WORK/before"
    start_program "$app" "$config"
    stray_after_start=$((stray_after_start + $(strays)))
    enter_random_phrase
    press_register
    # A fifth of the kills fall before the save has begun.
    delay=$(((RANDOM * 32768 + RANDOM) % (window_us * 5 / 4) - window_us / 4))
    register
    if [ "$delay" -ge 0 ]; then
        wait_for_save
        pause_us "$delay"
    fi
    kill_program
    cut_short=$((cut_short + $(strays)))

    parses "$app/Talk.txt" || fail "run $run: Talk.txt does not parse"
    if [ -f "$app/Talk.txt.1" ]; then
        parses "$app/Talk.txt.1" || fail "run $run: Talk.txt.1 does not parse"
    fi
    LC_ALL=C sort "$app/Talk.txt" >"$WORK/after"
    gone="$(LC_ALL=C comm -23 "$WORK/before" "$WORK/after" | wc -l)"
    added="$(LC_ALL=C comm -13 "$WORK/before" "$WORK/after")"
    lost=$((lost + gone))
    if [ -z "$added" ]; then
        old_kept=$((old_kept + 1))
    elif [ "$added" = "$PHRASE_LINE" ]; then
        new_kept=$((new_kept + 1))
    else
        fail "run $run: Talk.txt holds neither the old nor the new phrase book"
    fi
done

start_program "$app" "$config"
stray_after_start=$((stray_after_start + $(strays)))
tap "${CMD_END[@]}"
wait_for_end 10 || fail "\"終了\" did not end the program"

echo "$RUNS kills: old book $old_kept, new book $new_kept, lost records $lost," \
    "temporary files left by the kills $cut_short, left after the next start $stray_after_start"
[ "$lost" = 0 ] || fail "records were lost"
[ "$stray_after_start" = 0 ] || fail "temporary files survived a start"

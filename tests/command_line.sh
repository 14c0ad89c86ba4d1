# With no display at hand, an option is answered on standard output with status 0; the program itself, with or
# without the toolkit's options in the forms it reads, says in one line on standard error that there is no display,
# and passes on whole any other reason the toolkit gives, a display that refuses it among them, with status 1;
# anything else is refused in one line, 2.
# A row: status, first line of output, all of standard error (a pattern), arguments; the environment adds $given.
prog=$1 failed=0 given=""
ulimit -c 0
scratch=$(mktemp -d)
trap 'kill $server 2>/dev/null && wait $server; rm -rf "$scratch"' EXIT
trap 'exit 1' HUP INT TERM
row() {
    want="$1 $2" err=$3 && shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$scratch" $given \
        timeout 20 "$prog" "$@" >out.txt 2>err.txt
    got="$? $(head -n1 out.txt)"
    case "$(cat err.txt)" in $err) [ "$got" = "$want" ] ;; *) false ;; esac || { echo "$given corvane $*: $got $(cat err.txt)"; failed=1; }
}
nodisplay="corvane: no display could be opened. Set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a running display."
row 0 "Corvane $2" "" -style=fusion --version
row 0 "Usage: $prog [options]" "" --help
for args in --bogus extra "--version extra" --version=2 -- -session -platform=offscreen; do
    row 2 "" "corvane: *. Try 'corvane --help'." $args
done
for args in "" "-session 1234_5" "--style fusion" "-stylesheet=none.qss" "-qmljsdebugger=port:1234"; do
    row 1 "" "$nodisplay" $args
done
row 1 "" 'corvane: could not start:
*Could not find the Qt platform plugin "foo"*no Qt platform plugin could be initialized*' -platform foo
# An X server that answers but refuses the program, as the user's own refuses it under sudo: not told to set DISPLAY.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
: >"$scratch/cookie" && xauth -q -f "$scratch/cookie" add :0 . "$cookie" && mkfifo "$scratch/number"
Xvfb -displayfd 3 -auth "$scratch/cookie" -listen tcp 3>"$scratch/number" 2>/dev/null &
server=$! && read -r number <"$scratch/number" || { echo "no X server"; exit 1; }
refused="*corvane: could not start:
?*"
for case in "DISPLAY=:$number|" "|-display unix:$number" "QT_QPA_PLATFORM=wayland DISPLAY=:$number|-platform xcb"; do
    given="XAUTHORITY=$scratch/none ${case%|*}" && row 1 "" "$refused" ${case#*|}
done
# Over TCP at the loopback address, which a Debian build is promised, not at localhost, which a tree without
# /etc/hosts cannot look up; where even that does not reach the server, skipped, and so is the test once all passed.
xauth -q -f "$scratch/cookie" add ":$number" . "$cookie"
env -u WAYLAND_DISPLAY XAUTHORITY="$scratch/cookie" DISPLAY="127.0.0.1:$number" timeout 3 "$prog" -platform xcb 2>/dev/null
if [ $? = 124 ]; then
    given="XAUTHORITY=$scratch/none DISPLAY=127.0.0.1:$number.0" && row 1 "" "$refused"
else
    skipped="an X server refusing the program over TCP: the loopback address 127.0.0.1 does not reach Xvfb here"
fi
for case in "DISPLAY=:$number|-display :9999" "QT_QPA_PLATFORM=wayland DISPLAY=:$number|"; do
    given="XAUTHORITY=$scratch/none ${case%|*}" && row 1 "" "$nodisplay" ${case#*|}
done
# QT_FATAL_WARNINGS as the toolkit reads it: for 1 or a word, the first warning, said before the toolkit ends the
# program; for 0 or a count never reached, none.
for fatal in "1|134|*could not connect to display*" "yes|134|*could not*" "0|1|$nodisplay" "0x0|1|$nodisplay" "99|1|$nodisplay"; do
    given="QT_FATAL_WARNINGS=${fatal%%|*}" && fatal=${fatal#*|} && row "${fatal%%|*}" "" "${fatal#*|}"
done
# Given a display, the toolkit's own options start the program, still running when it is stopped, and what the
# toolkit said as it started is said.
timeout 10 "$prog" -platform offscreen -session 1234_5 -style nosuch -reverse >/dev/null 2>err.txt
[ $? = 124 ] && grep -q nosuch err.txt || { echo "corvane -session 1234_5 did not start: $(cat err.txt)"; failed=1; }
# The language: LANGUAGE's list, else the first of LC_ALL, LC_MESSAGES, LANG; English under C, or where first.
for case in "Uso LANG=en_US.UTF-8 LANGUAGE=es" "Uso LC_ALL=es_DO.UTF-8 LANG=C" "Usage LC_ALL=C LANG=es_DO.UTF-8 LANGUAGE=es" \
    "Usage LANG=es_DO.UTF-8 LANGUAGE=en:es"; do
    env -u LC_ALL -u LANGUAGE ${case#* } "$prog" --help 2>/dev/null | grep -q "^${case%% *}:" || { echo "--help with $case"; failed=1; }
done
# In Spanish, from the translation the build put beside the program, even before the toolkit has started.
# (Where the Dominican locale is not generated, Qt 6.8 says on standard error that it falls back.)
spanish() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL LANG=es_DO.UTF-8 LANGUAGE=es "$prog" "$@"; }
spanish 2>&1 | grep -q "^corvane: no se pudo abrir ninguna pantalla" || { echo "no display, in Spanish: $(spanish 2>&1)"; failed=1; }
[ $failed = 0 ] && [ -n "${skipped-}" ] && { echo "skipped: $skipped"; exit 77; }
exit $failed

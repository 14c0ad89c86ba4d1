# With no display at hand, an option is answered on standard output with status 0; the program itself, with
# or without the toolkit's own options, says in one line on standard error that there is no display, with
# status 1; anything else is refused with one line on standard error and status 2.
# A row: status, first line of output, arguments.
prog=$1 failed=0
row() {
    want="$1 $2 $(($1 > 0))" && shift 2
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prog" "$@" >out.txt 2>err.txt
    got="$? $(head -n1 out.txt) $(wc -l <err.txt)"
    [ "$got" = "$want" ] || { echo "corvane $*: $got $(cat err.txt)"; failed=1; }
}
row 0 "Corvane $2" -style=fusion --version
row 0 "Usage: $prog [options]" --help
for args in --bogus extra "--version extra" --version=2 -- -session; do row 2 "" $args; done
for args in "" "-session 1234_5" "-display :9999" "-style fusion"; do row 1 "" $args; done
# Given a display, the toolkit's own options start the program, still running when it is stopped.
timeout 10 "$prog" -platform offscreen -session 1234_5 -style fusion -reverse >/dev/null 2>&1
[ $? = 124 ] || { echo "corvane -session 1234_5 did not start"; failed=1; }
# In Spanish, from the translation the build put beside the program, even before the toolkit has started.
# (Where the Dominican locale is not generated, Qt 6.8 says on standard error that it falls back.)
spanish() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL LANG=es_DO.UTF-8 LANGUAGE=es "$prog" "$@"; }
[ "$(spanish --help 2>/dev/null | head -n1)" = "Uso: $prog [opciones]" ] || { echo "corvane --help in Spanish: $(spanish --help 2>&1)"; failed=1; }
spanish 2>&1 | grep -q "^corvane: no se pudo abrir ninguna pantalla" || { echo "no display, in Spanish: $(spanish 2>&1)"; failed=1; }
exit $failed

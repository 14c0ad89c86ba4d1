# With no display at hand, an option is answered on standard output with status 0 and anything else is
# refused with one line on standard error and status 2. A row: status, first line of output, arguments.
prog=$1 failed=0
row() {
    want="$1 $2 $(($1 / 2))" && shift 2
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prog" "$@" >out.txt 2>err.txt
    got="$? $(head -n1 out.txt) $(wc -l <err.txt)"
    [ "$got" = "$want" ] || { echo "corvane $*: $got $(cat err.txt)"; failed=1; }
}
row 0 "Corvane $2" --version
row 0 "Usage: $prog [options]" --help
for args in --bogus extra "--version extra" --version=2 --; do row 2 "" $args; done
# In Spanish, from the translation the build put beside the program.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL LANG=es_DO.UTF-8 LANGUAGE=es "$prog" --help | head -n1)
[ "$help" = "Uso: $prog [opciones]" ] || { echo "corvane --help in Spanish: $help"; failed=1; }
exit $failed

#!/bin/sh
# Validates the software-centre metadata strictly: a file (validate) or an installed tree
# (validate-tree). Exit 77 (a skip) only when the validator itself is not installed.
#   usage: appstream_validate.sh validate|validate-tree PATH
command -v appstreamcli >/dev/null || { echo 'appstreamcli is not installed'; exit 77; }
mode=$1 path=$2
case $(appstreamcli --version) in
    *" 0."*)
        # Validators before 1.0 do not know the developer element that 1.0 asks for in place of
        # developer_name, and report it as an unknown tag; that report alone is let through.
        out=$(appstreamcli "$mode" --no-net --strict "$path" 2>&1) && exit 0
        echo "$out"
        ! echo "$out" | grep -E '^ *[EWI]: ' | grep -v ': unknown-tag developer$'
        ;;
    *)
        # The format asks for a homepage where there is one; this project has none to name.
        exec appstreamcli "$mode" --no-net --strict --override=url-homepage-missing=pedantic "$path"
        ;;
esac

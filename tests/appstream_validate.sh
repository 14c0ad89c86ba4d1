#!/bin/sh
# Validates the software-centre metadata with every hint its validator has (--pedantic), and the
# desktop entry beside it: a pair of files (validate METAINFO DESKTOP) or an installed tree
# (validate-tree TREE). Exit 77 (a skip) only when a validator itself is not installed.
#   usage: appstream_validate.sh validate METAINFO DESKTOP | validate-tree TREE
# Not --strict: Debian 12's validator reports <developer> as unknown, and Debian 13's reports
# <developer_name> as deprecated, yet each release's tools read only one of the two.
for tool in appstreamcli desktop-file-validate; do
    command -v $tool >/dev/null || { echo "$tool is not installed"; exit 77; }
done
case $1 in
    validate)
        appstreamcli validate --pedantic --no-net "$2" && desktop-file-validate "$3" ;;
    validate-tree)
        appstreamcli validate-tree --pedantic --no-net "$2" &&
            desktop-file-validate "$2"/usr/share/applications/*.desktop ;;
    *)
        echo "usage: $0 validate METAINFO DESKTOP | validate-tree TREE" >&2
        exit 2 ;;
esac

#!/bin/sh
# Writes the launcher's and the software-centre metadata's English texts as a gettext template,
# which translations/corvane_LANGUAGE.po translate: `cmake --build build --target
# update_translations` merges it into them, and the test corvane_LANGUAGE_metadata_complete
# checks them against it. The metadata's texts are the ones the project's own rules
# (translations/its) name, whatever rules the system has.
#   usage: extract-metadata.sh SOURCE_ROOT OUT.pot
set -e
root=$1 out=$(realpath "$2")
cd "$root"
xgettext --from-code=UTF-8 --add-location=file --package-name=Corvane -o "$out" \
    packaging/org.corvane.Corvane.desktop.in
xgettext --from-code=UTF-8 --add-location=file --package-name=Corvane -j -o "$out" \
    --its=translations/its/corvane-metainfo.its packaging/org.corvane.Corvane.metainfo.xml.in

# shellcheck shell=bash disable=SC2154 # root: the project's folder, set by common.sh
# What a software centre needs to find Corvane in its package repository, and a way in without a
# terminal. Sourced by scripts/publish after common.sh ($root); each function runs in a subshell of
# its own, so that its scratch folder (made with mktemp, outside the repository) goes whatever way
# it ends, and it fails rather than leave a half-made result.
#
#   catalogue_make TREE SUITE URL
#       the software-centre catalogue (DEP-11) of SUITE in the repository TREE that reprepro made,
#       written with Debian's appstream-generator into TREE/dists/SUITE/main/dep11/:
#       Components-ARCH.yml and the icon tarballs icons-{48x48,64x64,128x128}.tar, each also
#       gzipped, for every architecture of dists/SUITE/main/binary-ARCH; the screenshots it names,
#       from docs/screenshots, in TREE/screenshots/. Every address of the project's web site in it
#       (its home page, its screenshots) is rebased onto URL, the repository's public address.
#       A suite without the package corvane gets none.
#   keyring_package_make OUTDIR SUITE URL PUBLIC_KEY_FILE [SINCE]
#       OUTDIR/corvane-archive-keyring_VERSION_all.deb, whose path it prints: the public keys in
#       /usr/share/keyrings/corvane-archive-keyring.pgp and the apt source of SUITE at URL signed by
#       them, /etc/apt/sources.list.d/corvane.sources. The version is the moment the keys last
#       changed, or SINCE (seconds since 1970) where that is later, the moment the address was
#       given, say: a new or renewed key, or a new address given with its moment, is an update.
#       The same inputs make the same bytes.

# The address the project's metadata names its web site by, for the repository to stand in for it.
catalogue_site=https://corvane.org/
catalogue_icon_sizes=(48x48 64x64 128x128)

catalogue_valid_url() {
    [[ "$1" =~ ^https?://[A-Za-z0-9._~:/@%+-]+$ ]] ||
        { echo "Not a repository's address: '$1' (http:// or https://, no blanks or quotes)" >&2; return 1; }
}

# The Debian release a suite is, as the packages' versions name it (+deb12).
catalogue_release_number() {
    case $1 in
        bookworm) echo 12 ;;
        trixie) echo 13 ;;
        forky) echo 14 ;;
        *) echo "Not a Debian release Corvane is published for: '$1'" >&2; return 1 ;;
    esac
}

catalogue_make() (
    set -euo pipefail
    local tree=$1 suite=$2 url=${3%/}
    catalogue_valid_url "$url" && catalogue_release_number "$suite" >/dev/null || exit 1
    tree=$(realpath -e -- "$tree") || exit 1
    [[ "$tree" =~ ^/[A-Za-z0-9._/+-]+$ ]] || { echo "Refused: a repository path with blanks or quotes: $tree" >&2; exit 1; }
    local main="$tree/dists/$suite/main" archs=() arch
    for arch in "$main"/binary-*/; do
        arch=${arch%/} arch=${arch##*/binary-}
        [ "$arch" = all ] || [ "$arch" = '*' ] || archs+=("$arch")
    done
    [ ${#archs[@]} -gt 0 ] || { echo "No package index in $main" >&2; exit 1; }
    # A suite that holds only the keyring package so far has nothing to show.
    if ! grep -qx 'Package: corvane' "$main"/binary-*/Packages; then
        echo "$suite: no corvane package yet, so no software-centre catalogue"
        exit 0
    fi
    local scratch
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/corvane-catalogue.XXXXXX")
    trap 'rm -rf --one-file-system "$scratch"' EXIT
    catalogue_config "$tree" "$suite" "${archs[@]}" >"$scratch/asgen-config.json"
    appstream-generator process --workspace "$scratch" "$suite" main >"$scratch/asgen.log" 2>&1 ||
        { cat "$scratch/asgen.log" >&2; echo "appstream-generator failed on $suite" >&2; exit 1; }
    local made="$scratch/export/data/$suite/main" new="$scratch/dep11"
    mkdir "$new"
    for arch in "${archs[@]}"; do
        [ -f "$made/Components-$arch.yml.gz" ] || { cat "$scratch/asgen.log" >&2
            echo "appstream-generator made no catalogue of $suite for $arch (no metadata it could read)" >&2; exit 1; }
        catalogue_rebase "$made/Components-$arch.yml.gz" "$url" >"$new/Components-$arch.yml" || exit 1
        grep -q '^Package: corvane$' "$new/Components-$arch.yml" ||
            { echo "The $suite catalogue for $arch holds no component of the package corvane" >&2; exit 1; }
    done
    for size in "${catalogue_icon_sizes[@]}"; do
        catalogue_icons "$made/icons-$size.tar.gz" "$scratch/icons-$size" "$new/icons-$size.tar" || exit 1
    done
    for file in "$new"/*; do gzip -9nc "$file" >"$file.gz"; done
    catalogue_screenshots "$new" "$tree" "$url" || exit 1
    mkdir -p "$main/dep11"
    cp -p "$new"/* "$main/dep11/"
)

# The generator is kept off the network: it would fetch the screenshots from the web site the
# metadata names, which the repository stands in for, and leave out those it cannot reach.
catalogue_config() {
    local tree=$1 suite=$2 archs
    shift 2
    archs=$(printf '"%s", ' "$@")
    cat <<EOF
{
  "ProjectName": "Corvane",
  "ArchiveRoot": "$tree",
  "Backend": "debian",
  "MetadataType": "YAML",
  "Features": {
    "noDownloads": true,
    "createScreenshotsStore": false,
    "screenshotVideos": false,
    "metadataTimestamps": false,
    "immutableSuites": false,
    "optimizePNGSize": false,
    "processFonts": false,
    "processGStreamer": false
  },
  "Suites": { "$suite": { "sections": ["main"], "architectures": [${archs%, }] } },
  "Icons": {
    "48x48": { "cached": true, "remote": false },
    "64x64": { "cached": true, "remote": false },
    "128x128": { "cached": true, "remote": false }
  }
}
EOF
}

# Prints the gzipped catalogue FILE with the web site's addresses rebased onto URL.
# The screenshots are named relative to the catalogue's own MediaBaseUrl, the repository: Debian
# 12's AppStream puts the media address of another catalogue it has read (Debian's) before any
# screenshot address of a catalogue that names none, even a whole one.
catalogue_rebase() {
    local text
    text=$(gzip -dc "$1") || return 1
    text=${text//"url: ${catalogue_site}screenshots/"/"url: screenshots/"}
    text=${text/$'\nOrigin: '/$'\nMediaBaseUrl: '"$2"$'\nOrigin: '}
    printf '%s\n' "${text//"$catalogue_site"/"$2/"}"
}

# Writes the icons of the tarball TARGZ, unpacked in the folder DIR, to the tarball TAR, in the
# same order and with the same dates whatever the run: those of the newest release the catalogue
# names.
catalogue_icons() {
    local targz=$1 dir=$2 tar=$3 when
    mkdir "$dir" && tar -C "$dir" -xzf "$targz" || return 1
    when=$(grep -ho 'unix-timestamp: [0-9]*' "${tar%/*}"/*.yml | cut -d' ' -f2 | sort -n | tail -n 1)
    (cd "$dir" && find . -type f -printf '%P\n' | LC_ALL=C sort) |
        tar -C "$dir" --format=gnu --owner=0 --group=0 --numeric-owner --mode=0644 --mtime="@${when:-0}" \
            --no-recursion --verbatim-files-from -T - -cf "$tar"
}

# Copies into TREE/screenshots the pictures of docs/screenshots that the catalogues in DIR name
# under URL/screenshots/, and fails on a name it has no picture for.
catalogue_screenshots() {
    local dir=$1 tree=$2 url=$3 name
    while read -r name; do
        [[ "$name" =~ ^[A-Za-z0-9_-]+(/[A-Za-z0-9_-]+)*\.png$ ]] ||
            { echo "Refused: a screenshot named '$name'" >&2; return 1; }
        [ -f "$root/docs/screenshots/$name" ] ||
            { echo "The catalogue names a screenshot docs/screenshots has not: $name" >&2; return 1; }
        install -D -m 0644 "$root/docs/screenshots/$name" "$tree/screenshots/$name"
    done < <(grep -hE '^ *url: screenshots/' "$dir"/*.yml | sed 's|^.*url: screenshots/||' | sort -u)
}

keyring_package_make() (
    set -euo pipefail
    local outdir=$1 suite=$2 url=${3%/} key=$4 since=${5:-0} number
    catalogue_valid_url "$url" && number=$(catalogue_release_number "$suite") || exit 1
    local scratch
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/corvane-keyring.XXXXXX")
    trap 'rm -rf --one-file-system "$scratch"' EXIT
    mkdir -m 0700 "$scratch/gnupg"
    local changed
    changed=$(keyring_last_change "$key" "$scratch/gnupg" "$scratch/key.pgp") || exit 1
    [[ "$since" =~ ^[0-9]+$ ]] || { echo "Not a moment in seconds since 1970: '$since'" >&2; exit 1; }
    [ "$since" -le "$changed" ] || changed=$since
    export SOURCE_DATE_EPOCH=$changed
    local version
    version="$(date -u -d "@$changed" +%Y.%m.%d.%H%M%S)+deb$number"
    local pkg="$scratch/pkg" name=corvane-archive-keyring
    install -d -m 0755 "$pkg/DEBIAN" "$pkg/etc/apt/sources.list.d" "$pkg/usr/share/keyrings" \
        "$pkg/usr/share/$name" "$pkg/usr/share/doc/$name" "$pkg/usr/share/lintian/overrides"
    install -m 0644 "$scratch/key.pgp" "$pkg/usr/share/keyrings/$name.pgp"
    printf '%s\n' 'Types: deb' "URIs: $url" "Suites: $suite" 'Components: main' \
        "Signed-By: /usr/share/keyrings/$name.pgp" >"$pkg/usr/share/$name/corvane.sources"
    # A link, not a file of its own in /etc: a conffile would stay behind after removal, naming a
    # key that is gone, and dpkg would ask before putting it over the one the README's steps wrote.
    ln -s "/usr/share/$name/corvane.sources" "$pkg/etc/apt/sources.list.d/corvane.sources"
    keyring_copyright >"$pkg/usr/share/doc/$name/copyright"
    keyring_changelog "$version" "$suite" "$number" "$changed" | gzip -9n >"$pkg/usr/share/doc/$name/changelog.gz"
    # Adding the source is what the package is for (a name ending in -apt-source would say so too).
    echo "$name: package-installs-apt-sources [etc/apt/sources.list.d/corvane.sources]" >"$pkg/usr/share/lintian/overrides/$name"
    keyring_postinst >"$pkg/DEBIAN/postinst"
    chmod 0644 "$pkg"/usr/share/*/*/* "$pkg/usr/share/$name/corvane.sources"
    chmod 0755 "$pkg/DEBIAN/postinst"
    (cd "$pkg" && find usr -type f -printf '%P\n' | LC_ALL=C sort | sed 's|^|usr/|' | xargs md5sum) >"$pkg/DEBIAN/md5sums"
    keyring_control "$version" "$suite" "$number" "$url" "$(keyring_installed_size "$pkg")" >"$pkg/DEBIAN/control"
    chmod 0644 "$pkg/DEBIAN/md5sums" "$pkg/DEBIAN/control"
    find "$pkg" -exec touch -h -d "@$changed" {} +
    mkdir -p "$outdir"
    local deb="$outdir/${name}_${version}_all.deb"
    dpkg-deb --root-owner-group -Zxz --threads-max=1 --build "$pkg" "$deb" >/dev/null
    printf '%s\n' "$deb"
)

# Prints the moment, in seconds since 1970, that the public key in FILE was last made or signed
# anew (a subkey added, its expiry moved), and writes the key, unarmoured, to OUT. Refuses a file
# that holds secret key material or no key.
#   keyring_last_change FILE GNUPG_HOME OUT
keyring_last_change() {
    local file=$1 home=$2 out=$3 listing
    listing=$(GNUPGHOME=$home gpg --batch --with-colons --show-keys "$file" 2>/dev/null) ||
        { echo "No public key could be read from $file" >&2; return 1; }
    if grep -qE '^(sec|ssb):' <<<"$listing"; then
        echo "Refused: $file holds secret key material" >&2
        return 1
    fi
    grep -q '^pub:' <<<"$listing" || { echo "$file holds no public key" >&2; return 1; }
    if grep -q -- '-----BEGIN PGP' "$file"; then
        GNUPGHOME=$home gpg --batch --dearmor <"$file" >"$out"
    else
        cp "$file" "$out"
    fi
    GNUPGHOME=$home gpg --batch --list-packets "$out" 2>/dev/null |
        grep -o 'created [0-9]*' | cut -d' ' -f2 | sort -n | tail -n 1
}

keyring_installed_size() {
    find "$1" -path "$1/DEBIAN" -prune -o ! -path "$1" -printf '%y %s\n' |
        awk '{ total += ($1 == "f") ? int(($2 + 1023) / 1024) : 1 } END { print total }'
}

keyring_control() {
    local version=$1 suite=$2 number=$3 url=$4 size=$5
    cat <<EOF
Package: corvane-archive-keyring
Version: $version
Architecture: all
Maintainer: $(sed -n 's/^Maintainer: //p' "$root/debian/control")
Installed-Size: $size
Section: misc
Priority: optional
Multi-Arch: foreign
Homepage: $url
Description: Corvane's package repository for Debian $number ($suite)
 Adds the signed package repository of Corvane, the calculators for small
 building projects, to apt's sources, with the key that signs it, so that
 Corvane is found and installed from the Software app or with apt, and its
 updates come with the system's own. Removing this package removes the
 repository from apt's sources again.
EOF
}

keyring_changelog() {
    local version=$1 suite=$2 number=$3 when=$4
    printf 'corvane-archive-keyring (%s) %s; urgency=medium\n\n  * %s\n\n -- %s  %s\n' \
        "$version" "$suite" "The repository's address and keys as of $(date -u -d "@$when" +%F), for Debian $number." \
        "$(sed -n 's/^Maintainer: //p' "$root/debian/control")" "$(LC_ALL=C date -u -R -d "@$when")"
}

# The project's copyright: the header and the paragraph that covers everything.
keyring_copyright() {
    awk 'NR == 1, /^$/ { print; next } /^Files: \*$/ { on = 1 } on && /^$/ { exit } on' "$root/debian/copyright"
}

keyring_postinst() {
    cat <<'EOF'
#!/bin/sh
# The README's terminal steps put the key in /etc/apt/keyrings, and the source that named it, at
# the path of this package's own, was replaced when the package was unpacked: the key there is
# this package's now, and nothing names it any more.
set -e
if [ "$1" = configure ]; then
    rm -f /etc/apt/keyrings/corvane-archive-keyring.pgp
fi
EOF
}

#!/usr/bin/env bash
# What scripts/publish adds to the package repository beside the packages (scripts/catalogue.sh),
# made from a throw-away key and a small corvane package of the project's icons: the keyring
# package, the same bytes from the same key however written, never with a secret key, a newer
# version for a renewed key; the catalogue, naming the package, every address rebased onto the
# repository's, its screenshots served from the tree, nothing else written there, the same bytes
# when made again. Exit 77 (a skip) where Debian's tools for it are not installed.
#   usage: repository.sh PROJECT_ROOT
set -euo pipefail
trap 'echo "failed at line $LINENO" >&2' ERR
root=$1
for tool in appstream-generator reprepro gpg dpkg-deb; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
source "$root/scripts/catalogue.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/corvane-repository-test.XXXXXX")
export GNUPGHOME=$work/gnupg
trap 'gpgconf --kill all; [ -n "${KEEP:-}" ] || rm -rf --one-file-system "$work"' EXIT
mkdir -m 700 "$GNUPGHOME"
gpg --batch --quiet --passphrase '' --quick-gen-key 'Corvane test <test@corvane.invalid>' ed25519 sign never 2>/dev/null
fingerprint=$(gpg --batch --with-colons --list-keys 2>/dev/null | awk -F: '$1 == "fpr" {print $10; exit}')
gpg --batch --export >"$work/key.pgp" && gpg --batch --armor --export >"$work/key.asc"
gpg --batch --export-secret-keys | cat "$work/key.pgp" - >"$work/secret.pgp"
url=http://repository.invalid/corvane

first=$(keyring_package_make "$work/binary" trixie "$url" "$work/key.pgp")
cmp "$first" "$(keyring_package_make "$work/armoured" trixie "$url" "$work/key.asc")"
if keyring_package_make "$work/secret" trixie "$url" "$work/secret.pgp" 2>/dev/null; then
    echo "A key file with a secret key in it was packed" >&2 && exit 1
fi
dpkg-deb --fsys-tarfile "$first" | tar -xO ./usr/share/corvane-archive-keyring/corvane.sources | grep -qx "URIs: $url"
sleep 1 && gpg --batch --quiet --quick-set-expire "$fingerprint" 2y && gpg --batch --export >"$work/renewed.pgp"
dpkg --compare-versions "$(dpkg-deb -f "$(keyring_package_make "$work/renewed" trixie "$url" "$work/renewed.pgp")" Version)" \
    gt "$(dpkg-deb -f "$first" Version)"

package=$work/package
for size in 48 64 128; do
    install -D -m 0644 "$root/assets/hicolor/${size}x$size/corvane.png" "$package/usr/share/icons/hicolor/${size}x$size/apps/org.corvane.Corvane.png"
done
install -D -m 0644 "$root/packaging/org.corvane.Corvane.desktop.in" "$package/usr/share/applications/org.corvane.Corvane.desktop"
mkdir -p "$package/DEBIAN" "$package/usr/share/metainfo" "$work/state/conf" "$work/tree"
printf 'Package: corvane\nVersion: 1.0-1+deb13\nArchitecture: amd64\nSection: utils\nPriority: optional\nMaintainer: Test <test@corvane.invalid>\nDescription: test\n' >"$package/DEBIAN/control"
cp "$root/packaging/org.corvane.Corvane.metainfo.xml.in" "$package/usr/share/metainfo/org.corvane.Corvane.metainfo.xml"
(cd "$package" && find usr -type f -exec md5sum {} +) >"$package/DEBIAN/md5sums"
dpkg-deb --root-owner-group -b "$package" "$work/corvane.deb" >/dev/null
printf 'Codename: trixie\nArchitectures: amd64\nComponents: main\n' >"$work/state/conf/distributions"
reprepro --silent -b "$work/state" --outdir "$work/tree" includedeb trixie "$work/corvane.deb"
before=$(cd "$work/tree" && find . | sort)
catalogue_make "$work/tree" trixie "$url"
dep11=$work/tree/dists/trixie/main/dep11
diff <(cd "$work/tree" && find . | sort) <(printf '%s\n' "$before" ./dists/trixie/main/dep11 ./screenshots ./screenshots/costs{,-pdf}.png \
    ./dists/trixie/main/dep11/{Components-amd64.yml,icons-{48x48,64x64,128x128}.tar}{,.gz} | sort)
grep -qx 'Package: corvane' "$dep11/Components-amd64.yml"
grep -qx "MediaBaseUrl: $url" "$dep11/Components-amd64.yml" && grep -q "url: screenshots/costs.png" "$dep11/Components-amd64.yml"
if grep -F "$catalogue_site" "$dep11/Components-amd64.yml"; then echo "Not rebased onto $url" >&2 && exit 1; fi
cmp "$root/docs/screenshots/costs.png" "$work/tree/screenshots/costs.png"
for size in 48x48 64x64 128x128; do [ "$(tar -tf "$dep11/icons-$size.tar")" = corvane_org.corvane.Corvane.png ]; done
made=$(cd "$dep11" && sha256sum ./*)
sleep 1 && catalogue_make "$work/tree" trixie "$url"
[ "$made" = "$(cd "$dep11" && sha256sum ./*)" ]

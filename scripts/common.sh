# Shared by the scripts: where the project is, and installing the packages it needs.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Prints the packages a list in scripts/ names, one a line, with the lists it includes.
list_packages() {
    local line
    while read -r line; do
        case "$line" in
            '' | '#'*) ;;
            'include '*) list_packages "${line#include }" ;;
            *) echo "$line" ;;
        esac
    done <"$root/scripts/$1"
}

missing_packages() {
    local wanted
    wanted=$(list_packages "$1" | sort -u)
    for p in $wanted; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
    done
}

# Waits for another install on the machine to end rather than fail on dpkg's lock.
# Installs what is missing from the list in scripts/ that is named: packages-build.txt,
# packages-run.txt or packages-test.txt, each taking in the one before.
install_packages() {
    local missing
    missing=$(missing_packages "$1" | tr '\n' ' ')
    [ -z "${missing// /}" ] && return 0
    echo "Installing: $missing"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "These packages are missing and there is no sudo to install them: $missing" >&2; exit 1; }
        sudo="sudo"
    fi
    $sudo apt-get update -qq -o DPkg::Lock::Timeout=900
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=900 $missing
}

# Installs what the Build-Depends of the source tree FOLDER name and is missing, with the build
# profiles given (-Pnocheck leaves out what only the tests need).
install_build_depends() {
    local folder=$1 profiles=()
    shift
    [ $# -eq 0 ] || profiles=(-o "APT::Build-Profiles=${1#-P}")
    (cd "$folder" && dpkg-checkbuilddeps "$@" 2>/dev/null) && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq -o DPkg::Lock::Timeout=900
    DEBIAN_FRONTEND=noninteractive $sudo apt-get build-dep -y -qq --no-install-recommends -o DPkg::Lock::Timeout=900 "${profiles[@]}" "$folder"
}

# A line for bash, run as root where Corvane is installed: purges it, with what it alone pulled in,
# and fails naming any file of it left behind: of this version and of those whose lists were added
# to /root/corvane-files.txt before (dpkg -L corvane >>/root/corvane-files.txt).
purge_corvane_leaving_nothing='dpkg -L corvane >>/root/corvane-files.txt && apt-get purge -y -qq --autoremove corvane >/dev/null
    if dpkg-query -W -f="\${db:Status-Status}\n" corvane 2>/dev/null | grep -qv not-installed; then echo "Not purged"; exit 1; fi
    left=$(sort -u /root/corvane-files.txt | while read -r f; do [ -d "$f" ] || [ ! -e "$f" ] || echo "$f"; done)
    [ -z "$left" ] || { echo "Left behind: $left"; exit 1; }
    [ ! -e /usr/share/corvane ] && [ ! -e /usr/share/doc/corvane ]'

build_program() {
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$root/build" -j"$(nproc)"
}

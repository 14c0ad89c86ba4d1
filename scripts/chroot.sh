# shellcheck shell=bash
# A brand-new Debian in a folder, made with Debian's debootstrap, entered, and taken down again
# without harm to the host: whatever of the host is mounted inside is unmounted before anything is
# removed, and nothing is removed while anything still is. Sourced by the scripts that need one;
# they run as root. TREE is a real absolute path (no symbolic link in it); the functions return
# non-zero on failure and never stop the caller themselves (safe in an exit trap).
#
#   chroot_valid_suite SUITE         a release's name, letters a-z only (trixie, sid)
#   chroot_valid_mirror MIRROR       an http(s):// or file:// address without blanks or quotes
#   chroot_make TREE SUITE VARIANT MIRROR
#                                    debootstrap --variant=VARIANT (minbase, buildd) into TREE,
#                                    which must not exist yet; its log is TREE.debootstrap.log;
#                                    apt there reads the release's updates and security archives too,
#                                    and takes a testing or unstable index that is past its date
#   chroot_mount TREE                the host's /proc, /sys and /dev inside, as slaves: what is
#                                    unmounted inside is never unmounted on the host
#   chroot_run TREE COMMAND [NAME=VALUE...]
#                                    COMMAND (one bash line) as root in TREE, with a clean
#                                    environment and the variables given
#   chroot_release TREE              ends the processes whose root is in TREE and unmounts
#                                    everything at or under TREE, deepest first, every unmount
#                                    tried; fails, naming what is still mounted, if anything is
#   chroot_remove TREE               chroot_release, then removes TREE, never crossing into another
#                                    file system; removes nothing while anything is mounted there
#
# Or a brand-new Debian as a tarball, for the tools that unpack their own trees in namespaces of
# their own (sbuild, autopkgtest, piuparts), where nothing of the host is ever mounted:
#   chroot_make_tarball TARBALL SUITE VARIANT MIRROR [--hosts]
#                                    mmdebstrap --mode=unshare --variant=VARIANT into TARBALL (.tar,
#                                    or .tar.gz), made anew; its log is TARBALL.log; apt there reads
#                                    the updates and security archives too; with --hosts it has the
#                                    /etc/hosts of an installed system
#   chroot_subids_take               gives root the subordinate ids that sbuild's and autopkgtest's
#                                    unshare modes map a tree's users onto, where it has none
#   chroot_subids_give               takes them back when no other run still holds them

chroot_valid_suite() {
    [[ "$1" =~ ^[a-z]+$ ]] || { echo "Not a Debian release's name: '$1' (letters a-z only)" >&2; return 1; }
}

chroot_valid_mirror() {
    [[ "$1" =~ ^(https?|file)://[A-Za-z0-9._~:/@%+-]+$ ]] ||
        { echo "Not a mirror's address: '$1' (http://, https:// or file://, no blanks)" >&2; return 1; }
}

# The path as the kernel writes it in mountinfo: absolute, with no symbolic link, "..", "//" or
# trailing slash; anything else is refused, so that removing it can only remove that folder.
chroot_real_path() {
    local real
    real=$(realpath -m -- "$1") || return 1
    if [[ "$real" != /?* || "$real" != "$1" ]]; then
        echo "Refused: '$1' is not a folder's real path below / (no symbolic link, no '..')" >&2
        return 1
    fi
    printf '%s\n' "$real"
}

# Sets chroot_decoded to the path that mountinfo wrote as TEXT: a blank, a tab, a line end and a
# backslash in it are written \040, \011, \012 and \134.
chroot_decode_octal() {
    local rest=$1 char
    chroot_decoded=""
    while [[ "$rest" =~ ^([^\\]*)\\([0-7]{3})(.*)$ ]]; do
        # shellcheck disable=SC2059 # three octal digits, nothing else
        printf -v char "\\${BASH_REMATCH[2]}"
        chroot_decoded+=${BASH_REMATCH[1]}$char
        rest=${BASH_REMATCH[3]}
    done
    chroot_decoded+=$rest
}

# Sets chroot_mounts to the mount points at or under the real path TREE, the last mounted first:
# a mount comes after the one it sits on, so that this is deepest first, and the topmost of a
# stack first. Compared as text, never as a pattern, so that no character of the path can hide a
# mount.
chroot_find_mounts() {
    local tree=$1 line fields target
    chroot_mounts=()
    while IFS= read -r line; do
        IFS=' ' read -ra fields <<<"$line"
        chroot_decode_octal "${fields[4]}"
        target=$chroot_decoded
        if [ "$target" = "$tree" ] || [ "${target:0:${#tree}+1}" = "$tree/" ]; then
            chroot_mounts=("$target" "${chroot_mounts[@]}")
        fi
    done </proc/self/mountinfo
}

# Whether process PID is still there and not only a zombie (which holds no folder busy).
chroot_running() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [ "${stat%% *}" != Z ]
}

# Ends, and waits up to ten seconds for, every process whose root folder is TREE or in it.
chroot_end_processes() {
    local tree=$1 proc root pids=() tries
    for proc in /proc/[0-9]*; do
        root=$(readlink "$proc/root" 2>/dev/null) || continue
        if [ "$root" = "$tree" ] || [ "${root:0:${#tree}+1}" = "$tree/" ]; then
            kill -9 "${proc#/proc/}" 2>/dev/null && pids+=("${proc#/proc/}")
        fi
    done
    for ((tries = 0; tries < 100 && ${#pids[@]} > 0; tries++)); do
        for proc in "${!pids[@]}"; do
            chroot_running "${pids[$proc]}" || unset "pids[$proc]"
        done
        [ ${#pids[@]} -eq 0 ] || sleep 0.1
    done
}

# Every unmount is tried, whatever the others do, and tried again while any succeeds (an unusual
# order of mounts may need it); what refuses is named with the reason umount gives.
chroot_release() {
    local tree target count
    local -A why=()
    tree=$(chroot_real_path "$1") || return 1
    chroot_end_processes "$tree"
    chroot_find_mounts "$tree"
    while [ ${#chroot_mounts[@]} -gt 0 ]; do
        count=${#chroot_mounts[@]}
        for target in "${chroot_mounts[@]}"; do
            # A mount shared with the host would carry the unmount out to the host's own.
            mount --make-rslave "$target" 2>/dev/null
            why[$target]=$(umount "$target" 2>&1)
        done
        chroot_find_mounts "$tree"
        [ ${#chroot_mounts[@]} -lt "$count" ] || break
    done
    [ ${#chroot_mounts[@]} -eq 0 ] && return 0
    for target in "${chroot_mounts[@]}"; do
        echo "Still mounted: $target (${why[$target]:-})" >&2
    done
    return 1
}

chroot_remove() {
    local tree
    tree=$(chroot_real_path "$1") || return 1
    [ -e "$tree" ] || return 0
    if ! chroot_release "$tree"; then
        echo "Not removing $tree: file systems are still mounted inside it (listed above)" >&2
        return 1
    fi
    rm -rf --one-file-system -- "$tree"
}

chroot_make() {
    local tree=$1 suite=$2 variant=$3 mirror=$4
    chroot_valid_suite "$suite" && chroot_valid_mirror "$mirror" && chroot_real_path "$tree" >/dev/null || return 1
    [ ! -e "$tree" ] || { echo "$tree is there already" >&2; return 1; }
    mkdir -p "$(dirname "$tree")" || return 1
    # A release newer than this machine's debootstrap is made as unstable is, as Debian's own
    # scripts for every release since are that one.
    local script=()
    [ -e "/usr/share/debootstrap/scripts/$suite" ] || script=(/usr/share/debootstrap/scripts/sid)
    if ! debootstrap --variant="$variant" "$suite" "$tree" "$mirror" "${script[@]}" >"$tree.debootstrap.log" 2>&1; then
        tail -n 20 "$tree.debootstrap.log" >&2
        return 1
    fi
    # As an installed system has it, so that programs find localhost without a name server.
    [ -e "$tree/etc/hosts" ] || printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' >"$tree/etc/hosts"
    case $suite in
        sid | unstable) ;;
        *) printf '%s\n' "deb $mirror $suite main" "deb $mirror $suite-updates main" \
            "deb http://security.debian.org/debian-security $suite-security main" >"$tree/etc/apt/sources.list" ;;
    esac
    # A release without a number (testing, unstable) has its index signed afresh every few days, and
    # a mirror's snapshot of it soon runs past the date it is valid until: this tree accepts that,
    # and only this tree, as only it reads that snapshot.
    if ! grep -qs '^VERSION_ID=' "$tree/usr/lib/os-release"; then
        echo 'Acquire::Check-Valid-Until "false";' >"$tree/etc/apt/apt.conf.d/50corvane-snapshot" || return 1
    fi
}

chroot_mount() {
    local tree=$1 target
    mount -t proc proc "$tree/proc" || return 1
    for target in sys dev; do
        mount --rbind "/$target" "$tree/$target" && mount --make-rslave "$tree/$target" || return 1
    done
}

chroot_run() {
    local tree=$1 command=$2
    shift 2
    chroot "$tree" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root TERM="${TERM:-dumb}" "$@" /bin/bash -c "$command"
}

chroot_make_tarball() {
    local tarball=$1 suite=$2 variant=$3 mirror=$4 hooks=()
    chroot_valid_suite "$suite" && chroot_valid_mirror "$mirror" && chroot_real_path "$tarball" >/dev/null || return 1
    local sources=("deb $mirror $suite main")
    case $suite in
        sid | unstable) ;;
        *) sources+=("deb $mirror $suite-updates main" "deb http://security.debian.org/debian-security $suite-security main") ;;
    esac
    # shellcheck disable=SC2016 # the hook's own argument, the tree
    [ "${5:-}" != --hosts ] ||
        hooks=(--customize-hook='printf "127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n" >"$1/etc/hosts"')
    rm -f -- "$tarball" && mkdir -p "$(dirname "$tarball")" || return 1
    # Its scratch tree beside the tarball, where a run that was killed leaves it for the caller.
    if ! TMPDIR=$(dirname "$tarball") mmdebstrap --mode=unshare --variant="$variant" "${hooks[@]}" "$suite" "$tarball" "${sources[@]}" \
        >"$tarball.log" 2>&1; then
        tail -n 20 "$tarball.log" >&2
        return 1
    fi
}

# Root's own range, far above those adduser hands out, so that it is known for the one added here
# even after a run that was killed before it could take it back. Each run that uses it holds
# corvane-subids shared; corvane-subids.change is held while one adds or takes back.
chroot_subids_range=1879048192-1879113727
chroot_subids_lock=/run/lock/corvane-subids

chroot_subids_take() {
    local change
    exec {change}>"$chroot_subids_lock.change" && flock -x "$change" || return 1
    if ! grep -q '^root:' /etc/subuid 2>/dev/null || ! grep -q '^root:' /etc/subgid 2>/dev/null; then
        usermod --add-subuids "$chroot_subids_range" --add-subgids "$chroot_subids_range" root ||
            { exec {change}>&-; return 1; }
    fi
    exec {chroot_subids_fd}>"$chroot_subids_lock" && flock -s "$chroot_subids_fd"
    exec {change}>&-
}

chroot_subids_give() {
    [ -n "${chroot_subids_fd:-}" ] || return 0
    local change status=0 ours="root:${chroot_subids_range%-*}:65536"
    exec {change}>"$chroot_subids_lock.change" && flock -x "$change" || return 1
    if flock -xn "$chroot_subids_fd"; then
        # usermod refuses to take them back while any process of root runs, which is always.
        sed -i "/^$ours\$/d" /etc/subuid /etc/subgid || status=1
    fi
    exec {chroot_subids_fd}>&- {change}>&-
    unset chroot_subids_fd
    return "$status"
}

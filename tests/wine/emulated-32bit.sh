#!/usr/bin/env bash
# Runs a command in which 32-bit Linux programs, such as 32-bit Wine, run
# through qemu's user-mode emulation: for hosts that run 64-bit code only.
# Nothing changes machine-wide: qemu is fetched from the backports suite of
# the host's Debian release into QEMU_DIR with a private apt state (Debian's
# own qemu of that release cannot start Wine's child processes), and it is
# registered for 32-bit x86 programs only inside a private user and mount
# namespace, where the command runs.
#   emulated-32bit.sh QEMU_DIR COMMAND [ARGUMENTS...]
set -euo pipefail
dir=$(mkdir -p "$1" && cd "$1" && pwd)
shift

# The 32-bit x86 ELF header that binfmt_misc hands to the emulator, and its mask.
readonly kMagic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
readonly kMask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

emulator() {
  local candidate
  for candidate in "$dir/root/usr/bin/qemu-i386-static" "$dir/root/usr/bin/qemu-i386"; do
    [ -x "$candidate" ] && { echo "$candidate"; return 0; }
  done
  return 1
}

# The mirror that the host's apt takes its own release from.
release_mirror() {
  apt-cache policy | awk -v suite="$1/main" '$3 == suite && $2 ~ /^https?:/ { print $2; exit }'
}

fetch_emulator() {
  local codename mirror apt
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  mirror=$(release_mirror "$codename")
  [ -n "$mirror" ] || { echo "no apt source of $codename found" >&2; exit 1; }
  mkdir -p "$dir/apt/lists/partial" "$dir/apt/cache/archives/partial" "$dir/debs"
  echo "deb $mirror $codename-backports main" >"$dir/apt/sources.list"
  apt=(-o Dir::Etc::SourceList="$dir/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
       -o Dir::State::Lists="$dir/apt/lists" -o Dir::Cache="$dir/apt/cache" -o APT::Sandbox::User=root)
  echo "fetching qemu-user from $codename-backports into $dir"
  apt-get "${apt[@]}" update -q >/dev/null
  (cd "$dir/debs" && apt-get "${apt[@]}" download -q "qemu-user/$codename-backports" >/dev/null)
  dpkg -x "$dir"/debs/qemu-user_*.deb "$dir/root"
}

if [ "${1:-}" = --inside ]; then
  qemu=$2
  shift 2
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  printf ':verbolt-i386:M::%s:%s:%s:F' "$kMagic" "$kMask" "$qemu" >/proc/sys/fs/binfmt_misc/register
  # For the few checks of what the system reports that the emulator changes.
  export VERBOLT_EMULATED_32BIT=1
  exec "$@"
fi

emulator >/dev/null || fetch_emulator
qemu=$(emulator) || { echo "qemu-i386 is missing from $dir" >&2; exit 1; }
exec unshare --user --map-root-user --mount "$0" "$dir" --inside "$qemu" "$@"

#!/usr/bin/env bash
# A fresh machine in one command: makes a new Debian 12 or 13 system in a folder with
# debootstrap, clones this repository into it and runs the README's two commands there,
# as a person who has just installed Debian would:
#   1. bash scripts/run.sh   installs, builds and starts the program; it runs on Qt's
#                            offscreen platform (no display in there) and is ended once
#                            it has run for a few seconds;
#   2. bash scripts/test.sh  the whole test suite, in a network namespace of its own: a
#                            chroot shares the host's network, and with it the names of
#                            the host's X servers' sockets. What it installs first
#                            (scripts/setup.sh test) and the npm packages (npm ci, as
#                            scripts/web.sh would) are fetched before it, while the
#                            network is there.
# Prints the time of each stage and a verdict; exits 0 only when both commands passed.
#
# Usage (as root): scripts/fresh_system.sh 12|13 [COMMIT]
#   COMMIT: what to clone (default: HEAD of this checkout; uncommitted changes are not in it)
#   FRESH_SYSTEM_DIR: where the systems are made (default /var/tmp/fenns-town-fresh):
#     debian-N/   the system, made anew on each run and left for a look inside
#                 (chroot /var/tmp/fenns-town-fresh/debian-13 bash)
#     cache-N/    the downloaded packages, kept between runs so a second try is quick
#     logs-N/     each stage's output
#   DEBIAN_MIRROR: the archive (default http://deb.debian.org/debian)
set -euo pipefail

release=${1:-}
case $release in
  12) suite=bookworm ;;
  13) suite=trixie ;;
  *) echo "usage: $0 12|13 [COMMIT]" >&2; exit 2 ;;
esac
repo=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$repo" rev-parse --verify "${2:-HEAD}^{commit}")
[ "$(id -u)" -eq 0 ] || { echo "$0: debootstrap and chroot need root" >&2; exit 2; }
for tool in debootstrap chroot unshare ip mount; do
  command -v $tool >/dev/null || { echo "$0: $tool is missing (apt-get install debootstrap iproute2)" >&2; exit 2; }
done

base=${FRESH_SYSTEM_DIR:-/var/tmp/fenns-town-fresh}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
root=$base/debian-$release
cache=$base/cache-$release
logs=$base/logs-$release
clone=/root/fenns-town
mkdir -p "$cache/debootstrap" "$cache/apt" "$logs"

# --- cleaning up, also after a failure or a signal: end what still runs inside the
# system (every process whose root is that folder was started by this script), then
# undo the binds, innermost first.
stage_names=()
stage_times=()
stage_results=()
mounted=()
inside_pids() {
  local p
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && echo "${p#/proc/}"
  done
  return 0
}
cleanup() {
  local pids i
  pids=$(inside_pids)
  if [ -n "$pids" ]; then
    kill $pids 2>/dev/null || true
    sleep 2
    pids=$(inside_pids)
    [ -z "$pids" ] || kill -KILL $pids 2>/dev/null || true
  fi
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
  done
  mounted=()
}
interrupted() {  # signal, status
  local at=start
  [ ${#stage_names[@]} -eq 0 ] || at=${stage_names[-1]}
  echo
  echo "VERDICT: Debian $release INTERRUPTED by SIG$1 during: $at"
  exit "$2"
}
trap cleanup EXIT
trap 'interrupted INT 130' INT
trap 'interrupted TERM 143' TERM
trap 'interrupted HUP 129' HUP

bind() {  # host path, path inside the system
  mkdir -p "$root$2"
  mount --bind "$1" "$root$2"
  mounted+=("$root$2")
}

# Nothing may be mounted below the old system when it is removed (a bound /dev!):
# binds left by a run that was killed are undone first.
remove_old_system() {
  [ -e "$root" ] || return 0
  awk -v r="$root/" 'index($2, r) == 1 {print $2}' /proc/self/mounts | sort -r |
    while read -r m; do umount "$m" || umount -l "$m"; done
  if grep -q " $root/" /proc/self/mounts; then
    echo "$0: something is still mounted under $root:" >&2
    grep " $root/" /proc/self/mounts >&2
    exit 1
  fi
  rm -rf --one-file-system "$root"
}

# A command inside the system with a login's plain environment (followed by
# bash -c "..."); one simple command, so that a job started with it has its pid.
in_system=(chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}"
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin)

stage_start=0
begin() {
  echo
  echo "=== $1 ($(date +%H:%M:%S))"
  stage_names+=("$1")
  stage_start=$SECONDS
}
end() {  # result
  local took=$((SECONDS - stage_start))
  stage_times+=("$took")
  stage_results+=("$1")
  printf '=== %s: %s in %d min %02d s\n' "${stage_names[-1]}" "$1" $((took / 60)) $((took % 60))
}
summary() {
  local i
  echo
  echo "Debian $release ($suite), commit ${commit:0:12}, in $root:"
  for i in "${!stage_names[@]}"; do
    printf '  %-40s %-8s %3d min %02d s\n' "${stage_names[i]}" "${stage_results[i]}" \
      $((stage_times[i] / 60)) $((stage_times[i] % 60))
  done
  printf '  %-40s %-8s %3d min %02d s\n' total "" $((SECONDS / 60)) $((SECONDS % 60))
}
fail() {  # the stage's log
  end failed
  echo "--- the end of $1:"
  tail -n 40 "$1"
  summary
  echo "VERDICT: Debian $release FAILED at: ${stage_names[-1]}"
  exit 1
}

# --- 1. a fresh system
begin "Debian $release system (debootstrap)"
remove_old_system
# The variant a container or a minimal install starts from, and git to clone with.
debootstrap --variant=minbase --include=git,ca-certificates --cache-dir="$cache/debootstrap" \
  "$suite" "$root" "$mirror" >"$logs/debootstrap.log" 2>&1 || fail "$logs/debootstrap.log"
security=${mirror%/debian}/debian-security
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror $suite main
deb $mirror $suite-updates main
deb $security $suite-security main
EOF
# Services are not started inside (the usual policy of a chroot).
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"
# What the installer writes and debootstrap does not.
printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' >"$root/etc/hosts"
# The host's way to the archive (a proxy, an archive snapshot's dates) and the
# certificate authorities it trusts beyond Debian's (a proxy that intercepts TLS).
apt-config dump | grep -E '^Acquire::(https?::Proxy|Check-Valid-Until|Check-Date) ' \
  >"$root/etc/apt/apt.conf.d/00host" || true
for ca in /usr/local/share/ca-certificates/*.crt /etc/ssl/certs/*.pem; do
  [ -f "$ca" ] && [ ! -L "$ca" ] || continue
  cp "$ca" "$root/usr/local/share/ca-certificates/host-$(basename "${ca%.*}").crt"
done
chroot "$root" update-ca-certificates >>"$logs/debootstrap.log" 2>&1 || fail "$logs/debootstrap.log"
end done

# --- the system's devices, and the packages apt downloads kept outside it
bind /proc /proc
bind /sys /sys
bind /dev /dev
bind /dev/pts /dev/pts
bind /dev/shm /dev/shm
bind "$cache/apt" /var/cache/apt/archives

# --- 2. a clean clone
begin "clone of ${commit:0:12}"
git clone --quiet --no-checkout "$repo" "$root$clone" >"$logs/clone.log" 2>&1 || fail "$logs/clone.log"
git -C "$root$clone" checkout --quiet --detach "$commit" >>"$logs/clone.log" 2>&1 || fail "$logs/clone.log"
end done

# --- 3. the first command: install, build, start. The program replaces run.sh's
# process (exec), so it has started when that process's executable is the program.
begin "bash scripts/run.sh (install, build, start)"
"${in_system[@]}" bash -c "cd $clone && QT_QPA_PLATFORM=offscreen exec bash scripts/run.sh" \
  > >(tee "$logs/run.log") 2>&1 &
run_pid=$!
started=no
while kill -0 $run_pid 2>/dev/null; do
  if [[ "$(readlink /proc/$run_pid/exe 2>/dev/null)" == */build/release/app/town ]]; then
    sleep 5
    kill -0 $run_pid 2>/dev/null && started=yes
    break
  fi
  sleep 1
done
if [ $started = yes ]; then
  kill $run_pid
  wait $run_pid 2>/dev/null || true
  echo "the program started and was still running 5 s later; ended it"
  end passed
else
  wait $run_pid 2>/dev/null || true
  echo "the program did not start, or ended within 5 s"
  fail "$logs/run.log"
fi

# --- 4. what only the test command installs (its Windows stage's compilers, Wine,
# NSIS), as its first step does, and the npm packages, while there is a network
begin "bash scripts/setup.sh test (the test command's packages)"
"${in_system[@]}" bash -c "cd $clone && bash scripts/setup.sh test" \
  > >(tee "$logs/setup-test.log") 2>&1 || fail "$logs/setup-test.log"
end done
begin "npm ci (the network's last use)"
"${in_system[@]}" bash -c "cd $clone && node --version && npm --version && npm ci --no-audit --no-fund" \
  > >(tee "$logs/npm.log") 2>&1 || fail "$logs/npm.log"
end done

# --- 5. the second command, without a network: only the loopback.
begin "bash scripts/test.sh (no network)"
unshare --net -- bash -c 'ip link set lo up && exec "$@"' _ \
  "${in_system[@]}" bash -c "cd $clone && bash scripts/test.sh" > >(tee "$logs/test.log") 2>&1 &
wait $! || fail "$logs/test.log"
end passed

summary
echo "VERDICT: Debian $release PASSED: both commands of the README work on a fresh system"
